#pragma once
#include <windows.h>

namespace skin {

// The one window procedure of every skinned window: routes the messages the engine cares
// about to their handlers and everything else to the window's previous procedure.
LRESULT CALLBACK SkinWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// EnumChildWindows callback of a left-button release: a skinned window whose kind refreshes
// after one (check boxes and option buttons) shows its current mark again.
BOOL CALLBACK RefreshSiblingProc(HWND hwnd, LPARAM unused);

}  // namespace skin
