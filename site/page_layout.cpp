#include "site/page_layout.h"

#include <algorithm>

#include "site/page_metrics.h"
#include "skin/render/gdi_guard.h"

namespace site {

namespace {

// Wrapped text may end a few pixels past the width it was measured for.
constexpr int WrapAllowance = 6;
constexpr UINT WrapFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT;

int MeasureWrapped(HDC dc, const std::wstring& text, int width) {
  RECT box{0, 0, width - WrapAllowance, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, WrapFormat);
  return box.bottom - box.top;
}

int GridWidth(const Section& section) {
  if (!section.style) return 0;
  return section.columns * section.style->width +
         (section.rowHeads.empty() ? 0 : RowHeadWidth);
}

// Measured once with the layout, so that painting a strip places its labels without
// measuring each one again.
void MeasureLabels(Section& section, HDC dc, const ViewFonts& fonts) {
  std::vector<int>& widths = section.layout.labelWidths;
  if (!section.style || section.style->slotCount <= 0) return;
  const int slots = section.style->slotCount;
  widths.assign(section.swatches.size() * static_cast<size_t>(slots), -1);
  for (int slot = 0; slot < slots; ++slot) {
    skin::Selected font(dc, section.style->slots[slot].strong ? fonts.heading() : fonts.body());
    for (size_t i = 0; i < section.swatches.size(); ++i) {
      const std::vector<std::wstring>& lines = section.swatches[i].lines;
      if (static_cast<size_t>(slot) >= lines.size()) continue;
      const std::wstring& line = lines[static_cast<size_t>(slot)];
      SIZE extent{};
      if (GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent))
        widths[i * static_cast<size_t>(slots) + static_cast<size_t>(slot)] = extent.cx;
    }
  }
}

void LayOutSection(Section& section, int x, int top, int width, HDC dc) {
  SectionLayout& at = section.layout;
  at = SectionLayout{};
  int y = top;
  if (!section.title.empty()) {
    at.title = {x, y};
    y += HeadingHeight;
  }
  if (!section.note.empty()) {
    at.note = {x, y};
    y += NoteHeight;
  }
  for (const std::wstring& paragraph : section.paragraphs) {
    int height = MeasureWrapped(dc, paragraph, width);
    at.paragraphs.push_back(RECT{x, y, x + width - WrapAllowance, y + height});
    y += height + ParagraphGap;
  }
  if (section.room.cx > 0 || section.room.cy > 0) {
    at.room = {x, y, x + section.room.cx, y + section.room.cy};
    y += section.room.cy + (section.style ? RoomGap : 0);
  }
  if (section.style) {
    if (!section.columnHeads.empty() || !section.slotHeads.empty()) {
      at.headsTop = y;
      y += HeadsHeight;
    }
    int left = x + (section.rowHeads.empty() ? 0 : RowHeadWidth);
    at.grid = {left, y, left + section.columns * section.style->width,
               y + section.Rows() * section.style->height};
    y = at.grid.bottom;
  }
  at.box = {x, top, x + width, y};
}

}  // namespace

void LayOutPage(Page& page, int width, const ViewFonts& fonts) {
  skin::ScreenDc screen;
  skin::Selected body(screen, fonts.body());
  const int available = std::max(width - 2 * PageMargin, 1);

  int y = PageMargin;
  page.titleAt = {PageMargin, y};
  y += TitleHeight;
  int subtitle = page.subtitle.empty() ? 0 : MeasureWrapped(screen, page.subtitle, available);
  page.subtitleBox = {PageMargin, y, PageMargin + available - WrapAllowance, y + subtitle};
  y += subtitle + HeaderGap;

  int x = PageMargin;
  int lineTop = y;
  int lineBottom = y;
  for (Section& section : page.sections) {
    bool whole = section.fullWidth || !section.paragraphs.empty();
    int sectionWidth =
        whole ? available
              : std::min(available, std::max<int>(GridWidth(section), section.room.cx));
    if (x > PageMargin && (whole || x + sectionWidth > PageMargin + available)) {
      x = PageMargin;
      lineTop = lineBottom + SectionGapY;
    }
    LayOutSection(section, x, lineTop, sectionWidth, screen);
    MeasureLabels(section, screen, fonts);
    lineBottom = std::max<int>(lineBottom, section.layout.box.bottom);
    if (whole) {
      x = PageMargin + available;  // nothing else on this line
    } else {
      x += sectionWidth + SectionGapX;
    }
  }
  page.height = lineBottom + PageMargin;
}

RECT CellRect(const Section& section, int index) {
  if (!section.style || section.columns <= 0) return RECT{};
  const RECT& grid = section.layout.grid;
  int column = index % section.columns;
  int row = index / section.columns;
  int left = grid.left + column * section.style->width;
  int top = grid.top + row * section.style->height;
  return RECT{left, top, left + section.style->width, top + section.style->height};
}

}  // namespace site
