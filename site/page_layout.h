#pragma once
// Placing a page's sections: left to right while they fit the width, then on a new line.
#include <windows.h>

#include "site/page.h"
#include "site/view_fonts.h"

namespace site {

// Sets every position of the page for a view width (client pixels); text that wraps is
// measured with the view's fonts.
void LayOutPage(Page& page, int width, const ViewFonts& fonts);

// The cell rectangle of a swatch, in page pixels.
RECT CellRect(const Section& section, int index);

}  // namespace site
