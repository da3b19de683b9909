#pragma once
// The input the state machine reacts to, and one reaction per kind of control. Each runs
// after the control's own procedure has handled the message.
#include <windows.h>

namespace skin {

enum class InputEvent { MouseMove, LButtonDown, LButtonUp, LButtonDblClk, KeyDown, KeyUp };

// Sets MOUSEFLAG and asks for a leave notification on the first move inside a control.
void EnterCheck(HWND hwnd);

void CommandButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
// Combo boxes; a drive list counts as one whose whole area is the drop button.
void ComboInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam, bool driveList);
// Check boxes and option buttons behave alike; only their painter differs.
void GlyphInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam, bool optionButton);
void HeaderInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);

}  // namespace skin
