#include "site/grid_painter.h"

#include <algorithm>

#include "site/page_colours.h"
#include "site/page_layout.h"
#include "site/page_metrics.h"
#include "skin/render/gdi_guard.h"

namespace site {

namespace {

// Perceived lightness (ITU-R BT.601 weights, in thousandths) above which dark text reads.
constexpr int LightChipThreshold = 140 * 1000;
// A chip's edge: its own colour darkened, so light chips keep an edge on the white page.
constexpr int EdgeShadePercent = 85;
constexpr int HoverOutset = 2;      // the hover outline lies this far outside the chip
constexpr int SelectedOutset = 3;   // the selection outline, two pixels wide
constexpr int SelectedWidth = 2;
constexpr int CardInset = 3;        // a card's panel inside its cell
constexpr int PreviewGap = 1;       // between a card's preview chips
constexpr int RuleOffset = HeaderGap / 2;

COLORREF ToColorref(const colour::Rgb8& c) { return RGB(c.r, c.g, c.b); }

// PaintPage keeps the DC brush selected for the whole paint: a fill is one PatBlt, without
// FillRect's selecting and putting back of a brush around each rectangle.
void Fill(HDC dc, const RECT& r, COLORREF colour) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  SetDCBrushColor(dc, colour);
  PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
}

void Frame(HDC dc, RECT r, COLORREF colour, int width = 1) {
  SetDCBrushColor(dc, colour);
  auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
  for (int i = 0; i < width; ++i) {
    FrameRect(dc, &r, brush);
    InflateRect(&r, -1, -1);
  }
}

COLORREF Shade(const colour::Rgb8& c) {
  return RGB(c.r * EdgeShadePercent / 100, c.g * EdgeShadePercent / 100,
             c.b * EdgeShadePercent / 100);
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT common{};
  return IntersectRect(&common, &a, &b) != FALSE;
}

bool LineInClip(int top, int height, const RECT& clip) {
  return top < clip.bottom && top + height > clip.top;
}

// The font and ink the text of a paint is drawn in, changed only when they change: a font
// selection costs about as much as drawing a short label, and a page's cells share one or
// two fonts. The font the context had is put back when the paint is done.
class TextState {
 public:
  explicit TextState(HDC dc) : dc_(dc) {}
  ~TextState() {
    if (original_) SelectObject(dc_, original_);
  }
  TextState(const TextState&) = delete;
  TextState& operator=(const TextState&) = delete;

  void Use(HFONT font, COLORREF ink) {
    if (font && font != font_) {
      HGDIOBJ previous = SelectObject(dc_, font);
      if (!original_) original_ = previous;
      font_ = font;
    }
    if (ink != ink_) {
      SetTextColor(dc_, ink);
      ink_ = ink;
    }
  }

 private:
  HDC dc_;
  HGDIOBJ original_ = nullptr;
  HFONT font_ = nullptr;
  COLORREF ink_ = CLR_INVALID;
};

// One line, clipped to its slot, where DrawTextW puts a single line at the top of a box.
// A line that fits goes straight to ExtTextOutW: DrawTextW's own measuring and line
// breaking cost more than the drawing. A line too long for its slot ends in an ellipsis.
// known: the line's width in the selected font when the layout measured it, or -1.
void DrawLine(HDC dc, const std::wstring& text, int x, int y, int width, TextAlign align,
              int height = BodyLineHeight, int known = -1) {
  if (text.empty()) return;
  RECT box{x, y, x + width, y + height};
  const int length = static_cast<int>(text.size());
  SIZE extent{known, 0};
  const bool measured = known >= 0 || GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
  if (measured && extent.cx <= width) {
    const int left = align == TextAlign::Left    ? box.left
                     : align == TextAlign::Right ? box.right - extent.cx
                                                 : (box.left + box.right - extent.cx) / 2;
    ExtTextOutW(dc, left, y, ETO_CLIPPED, &box, text.c_str(), length, nullptr);
    return;
  }
  UINT format = DT_SINGLELINE | DT_TOP | DT_NOPREFIX | DT_END_ELLIPSIS;
  format |= align == TextAlign::Left ? DT_LEFT : align == TextAlign::Right ? DT_RIGHT : DT_CENTER;
  DrawTextW(dc, text.c_str(), length, &box, format);
}

RECT Offset(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

void PaintPreview(HDC dc, const RECT& chip, const Swatch& swatch, int columns) {
  if (swatch.preview.empty() || columns <= 0) {
    // A chart that is not built in: an empty, hatched chip.
    skin::GdiObject<HBRUSH> hatch(CreateHatchBrush(HS_BDIAGONAL, PlaceholderHatch));
    COLORREF oldBack = SetBkColor(dc, CardFill);
    FillRect(dc, &chip, hatch);
    SetBkColor(dc, oldBack);
    Frame(dc, chip, CardBorder);
    return;
  }
  const int count = static_cast<int>(swatch.preview.size());
  const int rows = (count + columns - 1) / columns;
  const int w = chip.right - chip.left;
  const int h = chip.bottom - chip.top;
  for (int i = 0; i < count; ++i) {
    int c = i % columns;
    int r = i / columns;
    RECT part{chip.left + c * w / columns, chip.top + r * h / rows,
              chip.left + (c + 1) * w / columns - PreviewGap,
              chip.top + (r + 1) * h / rows - PreviewGap};
    Fill(dc, part, ToColorref(swatch.preview[static_cast<size_t>(i)]));
  }
}

// The parts of a cell that reach into the clip: a strip a scroll step uncovers cuts through
// rows of cells, most of whose chips and lines lie outside it.
void PaintCell(HDC dc, const Section& section, int index, const RECT& clip, const ViewFonts& fonts,
               TextState& text, bool hovered, bool selected) {
  const CellStyle& style = *section.style;
  const Swatch& swatch = section.swatches[static_cast<size_t>(index)];
  const RECT cell = CellRect(section, index);
  const RECT chip = Offset(style.chip, cell.left, cell.top);
  const bool hasChip = !IsRectEmpty(&style.chip);

  switch (style.look) {
    case CellLook::Row:
      if (selected || hovered) Fill(dc, cell, selected ? RowSelectedTint : RowHoverTint);
      break;
    case CellLook::Card: {
      RECT panel = cell;
      InflateRect(&panel, -CardInset, -CardInset);
      Fill(dc, panel, CardFill);
      Frame(dc, panel, selected ? AccentDark : hovered ? Accent : CardBorder,
            selected ? SelectedWidth : 1);
      break;
    }
    case CellLook::Tile:
      break;
  }

  if (hasChip) {
    if (style.look == CellLook::Card) {
      PaintPreview(dc, chip, swatch, style.previewColumns);
    } else if (Intersects(chip, clip)) {
      // The edge, then the colour inside it.
      Fill(dc, chip, Shade(swatch.colour));
      RECT inside = chip;
      InflateRect(&inside, -1, -1);
      Fill(dc, inside, ToColorref(swatch.colour));
    }
  }

  if (style.look == CellLook::Tile && hasChip) {
    if (selected) {
      RECT ring = chip;
      InflateRect(&ring, SelectedOutset, SelectedOutset);
      Frame(dc, ring, AccentDark, SelectedWidth);
    } else if (hovered) {
      RECT ring = chip;
      InflateRect(&ring, HoverOutset, HoverOutset);
      Frame(dc, ring, Accent);
    }
  }

  const COLORREF ink = style.labelsOnChip ? LabelColourOn(swatch.colour) : Ink;
  const int slots = std::min<int>(style.slotCount, static_cast<int>(swatch.lines.size()));
  const std::vector<int>& widths = section.layout.labelWidths;
  const size_t measured = static_cast<size_t>(index) * static_cast<size_t>(style.slotCount);
  for (int i = 0; i < slots; ++i) {
    const TextSlot& slot = style.slots[i];
    if (!LineInClip(cell.top + slot.y, BodyLineHeight, clip)) continue;
    text.Use(slot.strong ? fonts.heading() : fonts.body(),
             slot.muted && !style.labelsOnChip ? MutedInk : ink);
    const size_t at = measured + static_cast<size_t>(i);
    DrawLine(dc, swatch.lines[static_cast<size_t>(i)], cell.left + slot.x, cell.top + slot.y,
             slot.width, slot.align, BodyLineHeight, at < widths.size() ? widths[at] : -1);
  }
}

// Heads over the columns and slots, and left of the rows that reach into the clip.
void PaintHeads(HDC dc, const Section& section, const RECT& clip, const ViewFonts& fonts,
                TextState& text) {
  const SectionLayout& at = section.layout;
  const CellStyle& style = *section.style;
  text.Use(fonts.body(), MutedInk);
  if (LineInClip(at.headsTop, HeadsHeight, clip)) {
    for (size_t c = 0; c < section.columnHeads.size(); ++c) {
      int left = at.grid.left + static_cast<int>(c) * style.width;
      DrawLine(dc, section.columnHeads[c], left, at.headsTop, style.width, TextAlign::Centre);
    }
    for (size_t s = 0; s < section.slotHeads.size() && s < MaxLabelLines; ++s) {
      const TextSlot& slot = style.slots[s];
      DrawLine(dc, section.slotHeads[s], at.grid.left + slot.x, at.headsTop, slot.width,
               slot.align);
    }
  }
  const int chipMiddle = (style.chip.top + style.chip.bottom) / 2;
  for (size_t r = 0; r < section.rowHeads.size(); ++r) {
    int top = at.grid.top + static_cast<int>(r) * style.height + chipMiddle - BodyLineHeight / 2;
    if (!LineInClip(top, BodyLineHeight, clip)) continue;
    DrawLine(dc, section.rowHeads[r], at.box.left, top, RowHeadWidth - HoverOutset * 2,
             TextAlign::Right);
  }
}

void PaintSection(HDC dc, const Section& section, int number, const RECT& clip,
                  const ViewFonts& fonts, TextState& text, const Highlight& highlight) {
  const SectionLayout& at = section.layout;
  if (!section.title.empty() && LineInClip(at.title.y, HeadingHeight, clip)) {
    text.Use(fonts.heading(), Ink);
    DrawLine(dc, section.title, at.title.x, at.title.y, at.box.right - at.box.left,
             TextAlign::Left, HeadingHeight);
  }
  if (!section.note.empty() && LineInClip(at.note.y, NoteHeight, clip)) {
    text.Use(fonts.body(), MutedInk);
    DrawLine(dc, section.note, at.note.x, at.note.y, at.box.right - at.box.left, TextAlign::Left);
  }
  for (size_t i = 0; i < section.paragraphs.size(); ++i) {
    RECT box = at.paragraphs[i];
    if (!Intersects(box, clip)) continue;
    text.Use(fonts.body(), Ink);
    DrawTextW(dc, section.paragraphs[i].c_str(), static_cast<int>(section.paragraphs[i].size()),
              &box, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  }
  if (!section.style || section.swatches.empty() || section.style->height <= 0) return;
  PaintHeads(dc, section, clip, fonts, text);

  // Only the rows that reach into the part being painted.
  const int pitch = section.style->height;
  const int rows = section.Rows();
  const int first = std::max(0, static_cast<int>((clip.top - at.grid.top) / pitch));
  const int last = std::min(rows - 1, static_cast<int>((clip.bottom - 1 - at.grid.top) / pitch));
  const int count = static_cast<int>(section.swatches.size());
  for (int row = first; row <= last; ++row) {
    for (int column = 0; column < section.columns; ++column) {
      int index = row * section.columns + column;
      if (index >= count) break;
      SwatchRef ref{number, index};
      PaintCell(dc, section, index, clip, fonts, text, highlight.hover == ref,
                highlight.selected == ref);
    }
  }
}

}  // namespace

COLORREF LabelColourOn(const colour::Rgb8& c) {
  int lightness = 299 * c.r + 587 * c.g + 114 * c.b;
  return lightness >= LightChipThreshold ? DarkText : LightText;
}

void PaintPage(HDC dc, const Page& page, const RECT& clip, const ViewFonts& fonts,
               const Highlight& highlight) {
  skin::Selected brush(dc, GetStockObject(DC_BRUSH));
  Fill(dc, clip, PageBackground);
  SetBkMode(dc, TRANSPARENT);
  TextState text(dc);

  RECT header{0, 0, clip.right, page.subtitleBox.bottom + HeaderGap};
  if (Intersects(header, clip)) {
    text.Use(fonts.title(), Ink);
    DrawLine(dc, page.title, page.titleAt.x, page.titleAt.y,
             page.subtitleBox.right - page.subtitleBox.left, TextAlign::Left, TitleHeight);
    text.Use(fonts.body(), MutedInk);
    RECT subtitle = page.subtitleBox;
    DrawTextW(dc, page.subtitle.c_str(), static_cast<int>(page.subtitle.size()), &subtitle,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    int ruleY = page.subtitleBox.bottom + RuleOffset;
    RECT rule{page.subtitleBox.left, ruleY, page.subtitleBox.right, ruleY + 1};
    Fill(dc, rule, RuleColour);
  }

  for (size_t s = 0; s < page.sections.size(); ++s) {
    const Section& section = page.sections[s];
    if (!Intersects(section.layout.box, clip)) continue;
    PaintSection(dc, section, static_cast<int>(s), clip, fonts, text, highlight);
  }
}

}  // namespace site
