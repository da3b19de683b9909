#pragma once
// The system's web-browser control, in place in a host window of our own.
#include <windows.h>

#include <memory>

#include "platform/browser.h"

namespace platform {

// Distinct from every class name the skin treats specially, so the skin attaches the
// host as an ordinary window.
inline constexpr wchar_t BrowserHostClassName[] = L"TintoraBrowserHost";

// The control with an empty initial location and default settings, filling a host window
// at bounds; Window() is the host. Null when the control cannot be created or activated
// in place; nothing is left behind then.
std::unique_ptr<Browser> CreateOleBrowserHost(HWND parent, const RECT& bounds);

}  // namespace platform
