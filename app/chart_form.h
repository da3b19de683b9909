#pragma once
// soft, the colour-chart main window.
#include "platform/form.h"

namespace app {

class ChartForm : public platform::Form {
 public:
  ChartForm();

 protected:
  void Form_Load() override;
};

}  // namespace app
