#pragma once
// Combo boxes, drive lists, check boxes and option buttons light up under the mouse: each
// keeps its hover tracking (MOUSEFLAG) and the last state its painter drew (OLDSTATE).
#include <windows.h>

#include "skin/kinds/kind_table.h"

namespace skin {

bool HoverControlAttach(HWND hwnd, Subclass subclass);
void HoverControlDetach(HWND hwnd);

}  // namespace skin
