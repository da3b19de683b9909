#pragma once
// Removal of the skin.
#include <windows.h>

namespace skin {

// Restores a skinned window as it was; a form detaches its descendants first. When the
// last skinned window goes, the engine releases its bitmaps and becomes uninitialised.
// 1 when removed; 0 for a null handle or a window that is not skinned.
int DetachSkin(HWND hwnd);

// WM_NCDESTROY, the window's last message: the previous procedure, then whatever of the skin
// the window still carries goes (its skin normally came off at WM_DESTROY; something may
// have kept that message from the skin), before the handle can name another window.
LRESULT OnNcDestroy(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// EnumChildWindows callback: detaches each descendant and goes on.
BOOL CALLBACK DetachChildProc(HWND hwnd, LPARAM unused);

}  // namespace skin
