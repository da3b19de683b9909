#include "skin/interaction/fade.h"

#include "skin/core/skin_handler.h"
#include "skin/core/window_props.h"

namespace skin {

int PaintButtonBlend(HWND, HDC) { return 0; }

UINT_PTR StartTimer(HWND hwnd) {
  if (ReadProp(hwnd, PropTimerId) != 0) return 0;
  UINT_PTR id = SetTimer(hwnd, FadeTimerId, FadeIntervalMs, nullptr);
  WriteProp(hwnd, PropTimerId, static_cast<LONG_PTR>(id));
  return id;
}

BOOL StopTimer(HWND hwnd) {
  auto id = static_cast<UINT_PTR>(ReadProp(hwnd, PropTimerId));
  if (id == 0) return FALSE;
  BOOL result = KillTimer(hwnd, id);
  // The property stays, holding 0.
  WriteProp(hwnd, PropTimerId, 0);
  return result;
}

LRESULT OnTimer(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
