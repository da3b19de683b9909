#include "skin/interaction/hover.h"

#include "skin/core/skin_handler.h"

namespace skin {

LRESULT OnMouseLeave(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin

namespace skin {
void TrackLeave(HWND) {}
}  // namespace skin
