#pragma once
// Hover tracking: a control learns of the mouse's arrival from its first move and asks for
// a leave notification; the leave returns it to its normal look.
#include <windows.h>

namespace skin {

// Asks for one WM_MOUSELEAVE when the cursor leaves the window.
void TrackLeave(HWND hwnd);

// On the first move inside a control: sets MOUSEFLAG and asks for a leave notification.
void EnterCheck(HWND hwnd);

}  // namespace skin
