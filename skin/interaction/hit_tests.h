#pragma once
// Where the mouse is, as the input reactions need to know it.
#include <windows.h>

namespace skin {

// The low and high 16 bits of a message parameter as signed values: a mouse message's x and
// y in client coordinates, where x = -1 stays -1.
short LoWord(LPARAM value);
short HiWord(LPARAM value);

// The window under the cursor is this one.
bool CursorIsOver(HWND hwnd);

// The point (client coordinates) lies on the combo's drop button: its right part for an
// editable drop-down combo, anywhere for simple and drop-down-list combos.
bool IsOnDropButton(HWND combo, int x, int y);

// The first header item whose left <= x <= right, so a shared edge goes to the lower
// index; NoHeaderItem when no item is hit.
int HeaderItemAt(HWND header, int x);

}  // namespace skin
