#pragma once
// Progress bars: everything the skin does for them (progress_bar.cpp).
#include <windows.h>

namespace skin {

LRESULT ProgressBarPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT ProgressBarNonClientPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam);

}  // namespace skin
