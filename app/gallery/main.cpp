// The skin gallery: every kind of control the skin engine knows, on one form.
#include <windows.h>

#include "app/gallery/gallery_form.h"
#include "platform/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  gallery::GalleryForm form;
  form.Show();
  return platform::RunMessageLoop();
}
