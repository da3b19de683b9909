#pragma once
// Simulated keystrokes, written as key names in braces with "+" (Shift), "^" (Ctrl) and
// "%" (Alt) before a key to hold that modifier down while it is pressed:
// "{Home}+{End}" presses Home, then Shift+End. Plain characters are typed as they are.
#include <string>

namespace platform {

// Queues the keystrokes as input for the window that has the keyboard focus; they take
// effect as the message loop runs. False when the text cannot be read.
bool SendKeys(const std::wstring& keys);

}  // namespace platform
