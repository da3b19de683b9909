#pragma once
// Form2: an empty form opened from the main window's MORE picture. It has no skin call of
// its own: it is skinned when it becomes active while the skinned main window loses the
// activation.
#include "platform/form.h"

namespace app {

class SecondForm : public platform::Form {
 public:
  SecondForm();
};

}  // namespace app
