#pragma once
// WM_PAINT, WM_NCPAINT and WM_SIZE of skinned windows.
#include <windows.h>

namespace skin {

LRESULT OnPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSize(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
