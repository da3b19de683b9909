#pragma once
// Hover tracking: the leave request and the leave handler.
#include <windows.h>

namespace skin {

// Asks for one WM_MOUSELEAVE when the cursor leaves the window.
void TrackLeave(HWND hwnd);

LRESULT OnMouseLeave(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
