#include "skin/interaction/window_state_handlers.h"

#include "skin/core/skin_handler.h"

namespace skin {

LRESULT OnActivate(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnEnable(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnSetFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnKillFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnWindowPosChanged(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
