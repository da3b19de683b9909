#pragma once
// Where the cursor is, as the mouse handlers need to know it.
#include <windows.h>

namespace skin {

// The window under the cursor is this one.
bool CursorIsOver(HWND hwnd);

// The point (client coordinates) lies on the combo's drop button: its right part for an
// editable drop-down combo, anywhere for simple and drop-down-list combos.
bool IsOnDropButton(HWND combo, int x, int y);

// The first header item whose left <= x <= right, so a shared edge goes to the lower
// index; -1 when no item is hit.
int HeaderItemAt(HWND header, int x);

}  // namespace skin
