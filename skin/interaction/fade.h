#pragma once
// The face blend of command buttons and the per-window fade timer.
#include <windows.h>

namespace skin {

// The fade timer: id 1, one step every 15 ms, delivered as WM_TIMER.
inline constexpr UINT_PTR FadeTimerId = 1;
inline constexpr UINT FadeIntervalMs = 15;
// The level at which a blend covers the button with the face.
inline constexpr int FullyOpaque = 255;

// Blends the face of OLDSTATE onto dc (0: the window's own) at ALPHALEVEL.
int PaintButtonBlend(HWND hwnd, HDC dc);
// Starts the window's fade timer; 0 when one is already running.
UINT_PTR StartTimer(HWND hwnd);
// Stops the window's fade timer; 0 when none was running.
BOOL StopTimer(HWND hwnd);

LRESULT OnTimer(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
