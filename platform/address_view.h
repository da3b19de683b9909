#pragma once
// The stand-in for the web-browser control where it cannot show pages: a plain child
// window that shows, as its window text and on screen, the address last asked for.
#include <windows.h>

#include <memory>

#include "platform/browser.h"

namespace platform {

// Distinct from every class name the skin treats specially, so the skin attaches the
// view as an ordinary window.
inline constexpr wchar_t AddressViewClassName[] = L"TintoraAddressView";

// Never fails: when the window cannot be made, the browser has no window (Window() is
// null) and Navigate does nothing.
std::unique_ptr<Browser> CreateAddressView(HWND parent, const RECT& bounds);

}  // namespace platform
