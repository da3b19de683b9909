#include "skin/interaction/mouse_keys.h"

#include "skin/core/skin_handler.h"

namespace skin {

LRESULT OnMouseMove(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnKeyDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

LRESULT OnKeyUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
