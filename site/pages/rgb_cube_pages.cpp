// The RGB cubes: 216 colours (six levels a channel) and 512 colours (eight levels), one
// slice of the cube per section, each patch with its hex code on it.
#include <cmath>
#include <string>
#include <vector>

#include "colour/notation.h"
#include "site/page_builders.h"

namespace site {

namespace {

constexpr int CubeCellHeight = 34;
constexpr int CubeChipInset = 3;  // room for the selection outline around the chip
constexpr int LabelTop = 10;      // the hex code, vertically centred on the chip

constexpr CellStyle CubeCell(int width) {
  return CellStyle{
      .width = width,
      .height = CubeCellHeight,
      .chip = {CubeChipInset, CubeChipInset, width - CubeChipInset, CubeCellHeight - CubeChipInset},
      .look = CellLook::Tile,
      .labelsOnChip = true,
      .slotCount = 1,
      .slots = {TextSlot{0, LabelTop, width, TextAlign::Centre}},
  };
}

// Six slices of six by six fill the width; eight of eight by eight too.
constexpr CellStyle Cube216Cell = CubeCell(110);
constexpr CellStyle Cube512Cell = CubeCell(82);

std::wstring TwoHex(int value) {
  constexpr wchar_t Digits[] = L"0123456789ABCDEF";
  return {Digits[value / 16], Digits[value % 16]};
}

// levels: the channel values, darkest first. Red picks the slice, green the row, blue the
// column.
Page BuildCube(PageId id, const std::vector<int>& levels, const CellStyle& cell) {
  Page page;
  page.id = id;
  const int n = static_cast<int>(levels.size());
  for (int r = 0; r < n; ++r) {
    Section slice;
    slice.title = L"Red " + TwoHex(levels[static_cast<size_t>(r)]);
    slice.note = L"green down, blue across";
    slice.style = &cell;
    slice.columns = n;
    for (int g = 0; g < n; ++g) {
      for (int b = 0; b < n; ++b) {
        Swatch swatch;
        swatch.colour = {static_cast<std::uint8_t>(levels[static_cast<size_t>(r)]),
                         static_cast<std::uint8_t>(levels[static_cast<size_t>(g)]),
                         static_cast<std::uint8_t>(levels[static_cast<size_t>(b)])};
        swatch.copy = colour::FormatHex(swatch.colour);
        swatch.lines = {swatch.copy};
        swatch.status = swatch.copy + L"   " + colour::FormatRgb(swatch.colour);
        slice.swatches.push_back(std::move(swatch));
      }
    }
    page.sections.push_back(std::move(slice));
  }
  return page;
}

}  // namespace

Page BuildRgb216Page() {
  constexpr int CubeStep = 0x33;
  std::vector<int> levels;
  for (int v = 0; v <= 0xFF; v += CubeStep) levels.push_back(v);
  Page page = BuildCube(PageId::Rgb216, levels, Cube216Cell);
  page.title = L"RGB 颜色表 · The 216-colour cube";
  page.subtitle =
      L"Every mix of the six levels 00, 33, 66, 99, CC and FF in red, green and blue: six "
      L"slices of the cube, one for each red level. Screen colours, sRGB, exactly as coded.";
  return page;
}

Page BuildRgb512Page() {
  constexpr int Levels = 8;
  constexpr double FullScale = 255.0;
  std::vector<int> levels;
  for (int i = 0; i < Levels; ++i)
    levels.push_back(static_cast<int>(std::lround(i * FullScale / (Levels - 1))));
  Page page = BuildCube(PageId::Rgb512, levels, Cube512Cell);
  page.title = L"512 颜色表 · Eight levels a channel";
  page.subtitle =
      L"Red, green and blue each in eight even steps from 00 to FF (level i is i × 255 / 7, "
      L"rounded): eight slices of 8 × 8, one for each red level. Screen colours, sRGB.";
  return page;
}

}  // namespace site
