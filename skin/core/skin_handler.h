#pragma once
// Every message handler of the engine has one shape: the window's previous procedure,
// then the message as the window received it. It returns the message's result and calls
// the previous procedure itself, before or after its own work, as the handler says.
#include <windows.h>

namespace skin {

using SkinHandler = LRESULT (*)(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                                LPARAM lParam);

inline LRESULT CallPrevious(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
