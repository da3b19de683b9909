#pragma once
// Command buttons: everything the skin does for them (command_button.cpp).
#include <windows.h>

#include "skin/kinds/kind_table.h"

namespace skin {

bool CommandButtonAttach(HWND hwnd, Subclass subclass);
void CommandButtonDetach(HWND hwnd);
LRESULT CommandButtonPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam);
void CommandButtonSize(HWND hwnd);
void CommandButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
void CommandButtonLeave(HWND hwnd);
void CommandButtonEnable(HWND hwnd, bool enabled);
void CommandButtonFocus(HWND hwnd, bool gained);

}  // namespace skin
