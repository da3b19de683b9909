#pragma once
// Text onto the clipboard.
#include <windows.h>

#include <string_view>

namespace site {

// Puts the text on the clipboard as Unicode text; false when the clipboard could not be
// opened or the memory not had. The clipboard holds nothing else afterwards.
bool CopyTextToClipboard(HWND owner, std::wstring_view text);

}  // namespace site
