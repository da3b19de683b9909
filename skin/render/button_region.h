#pragma once
#include <windows.h>

namespace skin {

// Gives a command button the window rectangle with corners rounded by a 3 x 3 ellipse;
// the window owns the region from then on.
void SetButtonRegion(HWND hwnd, int width, int height);

// True when the window already has exactly that region. Setting a region moves the
// window through SetWindowPos, which a platform may answer with another WM_SIZE: the
// resize handler checks this first, so that it cannot recurse.
bool HasButtonRegion(HWND hwnd, int width, int height);

}  // namespace skin
