#pragma once
#include <windows.h>

#include <string>

namespace platform {

// A modal message box owned by the given window; returns the button chosen (IDOK ...).
int MsgBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT buttons);

}  // namespace platform
