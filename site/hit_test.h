#pragma once
// The swatch under a point of the page.
#include <windows.h>

#include "site/page.h"

namespace site {

// point in page pixels; an invalid reference where no selectable swatch lies.
SwatchRef HitTest(const Page& page, POINT point);

}  // namespace site
