#pragma once
// Header controls: everything the skin does for them (header.cpp).
#include <windows.h>

#include "skin/kinds/kind_table.h"

namespace skin {

bool HeaderAttach(HWND hwnd, Subclass subclass);
void HeaderDetach(HWND hwnd);
LRESULT HeaderPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void HeaderInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam);
void HeaderLeave(HWND hwnd);

}  // namespace skin
