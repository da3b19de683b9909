#pragma once
// Framed windows: data lists, combo lists, grids, and the client edges of every kind
// (framed.cpp).
#include <windows.h>

namespace skin {

// Data lists and combo lists.
LRESULT FramedListPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT GridPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The non-client paint of every kind but progress bars and data lists.
LRESULT FlatClientEdge(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                       LPARAM lParam);

}  // namespace skin
