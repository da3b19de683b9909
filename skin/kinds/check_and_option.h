#pragma once
// Check boxes and option buttons: everything the skin does for them (check_and_option.cpp).
#include <windows.h>

#include "skin/kinds/kind_table.h"

namespace skin {

LRESULT CheckBoxPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void CheckBoxInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
void CheckBoxLeave(HWND hwnd);
void CheckBoxRefresh(HWND hwnd);

LRESULT OptionButtonPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                          LPARAM lParam);
void OptionButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
void OptionButtonLeave(HWND hwnd);
void OptionButtonFocus(HWND hwnd, bool gained);
void OptionButtonRefresh(HWND hwnd);

}  // namespace skin
