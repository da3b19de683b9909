#pragma once
// The one painter of every page: header, sections, heads and the swatch cells that lie in
// the part being painted.
#include <windows.h>

#include "site/page.h"
#include "site/view_fonts.h"

namespace site {

struct Highlight {
  SwatchRef hover;     // outlined
  SwatchRef selected;  // outlined more strongly
};

// Paints the part clip (page pixels) of the page into dc, whose coordinates are page
// pixels. Everything the call selects into dc is put back before it returns.
void PaintPage(HDC dc, const Page& page, const RECT& clip, const ViewFonts& fonts,
               const Highlight& highlight);

// The text colour that reads on a colour: dark on light colours, white on dark ones.
COLORREF LabelColourOn(const colour::Rgb8& colour);

}  // namespace site
