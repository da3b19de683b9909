#pragma once
// A page of the chart site as data: a title, one line on what the chart is and where its
// colours come from, and sections of swatch grids. One painter draws every page and one
// hit test finds the swatch under a point; a new chart is a new table of sections.
#include <windows.h>

#include <string>
#include <vector>

#include "colour/colour_types.h"
#include "site/catalogue.h"

namespace site {

inline constexpr int MaxLabelLines = 10;

enum class TextAlign { Left, Centre, Right };

// Where one label line of a cell goes, in the cell's own pixels.
struct TextSlot {
  int x = 0;
  int y = 0;
  int width = 0;
  TextAlign align = TextAlign::Centre;
  bool strong = false;  // in the heading font
  bool muted = false;   // in the muted ink (comments beside values)
};

// How a cell shows that it is pointed at or selected.
enum class CellLook {
  Tile,  // a patch with its labels: the patch gets an outline
  Row,   // a table row: the row gets a tint behind it
  Card,  // a start-page card: the card's border changes
};

// The geometry every cell of a section shares.
struct CellStyle {
  int width = 0;   // pitch across, gaps included
  int height = 0;  // pitch down
  RECT chip{};     // where the colour goes, in cell pixels; empty for none
  CellLook look = CellLook::Tile;
  bool labelsOnChip = false;  // labels in black or white, whichever reads on the chip
  int previewColumns = 0;     // cards: the preview chips across the chip
  int slotCount = 0;
  TextSlot slots[MaxLabelLines]{};
};

struct Swatch {
  colour::Rgb8 colour;
  std::vector<std::wstring> lines;    // label lines, one for each slot of the style
  std::wstring copy;                  // what copying puts on the clipboard
  std::wstring status;                // what the status line says while it is pointed at
  std::wstring link;                  // a card: the path it opens
  std::vector<colour::Rgb8> preview;  // a card: small chips from its chart; none: no preview
};

// Positions the layout gives a section, in page pixels.
struct SectionLayout {
  RECT box{};                   // the whole section
  POINT title{};                // top-left of the title line
  POINT note{};                 // top-left of the note line
  std::vector<RECT> paragraphs;
  RECT room{};                  // kept free for controls
  int headsTop = 0;             // the line of column and slot heads
  RECT grid{};                  // the cells, left to right and top to bottom
  // Each label line's width in its slot's font: swatch index × slot count + slot; -1 for
  // a line the swatch does not have.
  std::vector<int> labelWidths;
};

struct Section {
  std::wstring title;
  std::wstring note;                      // one line under the title
  std::vector<std::wstring> paragraphs;   // running text, wrapped to the page's width
  SIZE room{};                            // space kept for the page's own controls
  const CellStyle* style = nullptr;       // null: no cells
  int columns = 1;
  std::vector<Swatch> swatches;
  std::vector<std::wstring> columnHeads;  // over each grid column
  std::vector<std::wstring> rowHeads;     // left of each grid row
  std::vector<std::wstring> slotHeads;    // over the slots of the first row (tables)
  bool fullWidth = false;                 // alone on its line, whatever its width
  bool selectable = true;                 // its swatches can be pointed at and selected

  SectionLayout layout;
  int Rows() const {
    return columns > 0 ? (static_cast<int>(swatches.size()) + columns - 1) / columns : 0;
  }
};

struct Page {
  PageId id = PageId::NotFound;
  std::wstring title;
  std::wstring subtitle;  // what the chart is and where its colours come from
  std::vector<Section> sections;

  // Set by the layout, in page pixels.
  POINT titleAt{};
  RECT subtitleBox{};
  int height = 0;
};

// A swatch of a page: the section and its place in it.
struct SwatchRef {
  int section = -1;
  int index = -1;
  bool valid() const { return section >= 0 && index >= 0; }
  friend bool operator==(const SwatchRef&, const SwatchRef&) = default;
};

inline const Swatch* SwatchAt(const Page& page, SwatchRef ref) {
  if (!ref.valid() || ref.section >= static_cast<int>(page.sections.size())) return nullptr;
  const Section& section = page.sections[static_cast<size_t>(ref.section)];
  if (ref.index >= static_cast<int>(section.swatches.size())) return nullptr;
  return &section.swatches[static_cast<size_t>(ref.index)];
}

}  // namespace site
