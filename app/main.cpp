// The program starts in the login dialog and ends when its last form is unloaded.
#include <windows.h>

#include "app/forms.h"
#include "platform/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  app::Form1().Show();
  return platform::RunMessageLoop();
}
