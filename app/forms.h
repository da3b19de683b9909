#pragma once
// The program's forms. Each exists once per process and is created on first use; a form
// that has been unloaded is loaded again by its next Show.
#include "app/chart_form.h"
#include "app/login_form.h"
#include "app/second_form.h"

namespace app {

LoginForm& Form1();  // the login dialog, the start-up form
ChartForm& soft();   // the colour-chart main window
SecondForm& Form2(); // the empty form behind the MORE picture

}  // namespace app
