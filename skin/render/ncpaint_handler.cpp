#include "skin/render/paint_handlers.h"

#include "skin/core/skin_handler.h"

namespace skin {

LRESULT OnNcPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
