#pragma once
#include <windows.h>

#include <atomic>

namespace skin {

// The one window procedure of every skinned window: routes the messages the engine cares
// about to their handlers and everything else to the window's previous procedure.
LRESULT CALLBACK SkinWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// EnumChildWindows callback of a left-button release: a window this thread skinned whose
// kind refreshes after one (check boxes and option buttons) shows its current mark again.
BOOL CALLBACK RefreshSiblingProc(HWND hwnd, LPARAM unused);

// Called by SkinWndProc after every message it has handled, on the window's thread; null in
// the application. Tests set it to check the engine's state between messages.
using MessageCheck = void (*)(HWND hwnd, UINT message);
extern std::atomic<MessageCheck> AfterMessageCheck;

}  // namespace skin
