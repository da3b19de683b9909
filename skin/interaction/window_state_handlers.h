#pragma once
// Activation, enable, focus and position changes of skinned windows.
#include <windows.h>

namespace skin {

LRESULT OnActivate(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnEnable(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSetFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKillFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnWindowPosChanged(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam);

}  // namespace skin
