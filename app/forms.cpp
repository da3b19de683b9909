#include "app/forms.h"

namespace app {

LoginForm& Form1() {
  static LoginForm form;
  return form;
}

ChartForm& soft() {
  static ChartForm form;
  return form;
}

SecondForm& Form2() {
  static SecondForm form;
  return form;
}

}  // namespace app
