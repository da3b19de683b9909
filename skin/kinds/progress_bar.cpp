// Progress bars are the skin's alone: their procedure never paints, neither the frame nor
// the bar; the skin draws both from the bar's position (render/progress.cpp).
#include "skin/kinds/progress_bar.h"

#include "skin/render/painters.h"

namespace skin {

LRESULT ProgressBarPaint(WNDPROC, HWND hwnd, UINT, WPARAM, LPARAM) {
  PaintProgressBar(hwnd);
  return 0;
}

LRESULT ProgressBarNonClientPaint(WNDPROC, HWND hwnd, UINT, WPARAM, LPARAM) {
  PaintProgressFrame(hwnd);
  return 0;
}

}  // namespace skin
