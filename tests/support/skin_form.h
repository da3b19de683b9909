#pragma once
// A visible, skinned test form for pixel tests: controls are added to it, the skin is
// attached, the queue pumped, and the pixels read back through the window device context.
#include <windows.h>

#include "tests/support/pixels.h"

namespace test {

class SkinForm {
 public:
  // A top-level form of a form class at a fixed place on the screen.
  explicit SkinForm(int width = 640, int height = 480);
  ~SkinForm();
  SkinForm(const SkinForm&) = delete;
  SkinForm& operator=(const SkinForm&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h,
           const wchar_t* text = L"", DWORD exStyle = 0);
  // Attaches the skin to the form and everything in it, then lets everything paint.
  void Skin();
  // Paints everything that is due and dispatches whatever else is queued.
  static void Settle();
  // Repaints one window now (frame and client), through the skin.
  static void Repaint(HWND hwnd);

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace test
