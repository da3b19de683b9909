#include "site/hit_test.h"

namespace site {

SwatchRef HitTest(const Page& page, POINT point) {
  for (size_t s = 0; s < page.sections.size(); ++s) {
    const Section& section = page.sections[s];
    if (!section.style || !section.selectable || !PtInRect(&section.layout.grid, point)) continue;
    const RECT& grid = section.layout.grid;
    int column = (point.x - grid.left) / section.style->width;
    int row = (point.y - grid.top) / section.style->height;
    int index = row * section.columns + column;
    if (column < section.columns && index < static_cast<int>(section.swatches.size()))
      return SwatchRef{static_cast<int>(s), index};
    return SwatchRef{};
  }
  return SwatchRef{};
}

}  // namespace site
