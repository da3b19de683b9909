#pragma once
// Combo boxes and drive lists: everything the skin does for them (combo_and_drive_list.cpp).
#include <windows.h>

#include "skin/kinds/kind_table.h"

namespace skin {

LRESULT ComboBoxPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DriveListPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                       LPARAM lParam);
void ComboBoxInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
void DriveListInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
// Both kinds:
void ComboBoxLeave(HWND hwnd);
void ComboBoxPosition(HWND hwnd);

}  // namespace skin
