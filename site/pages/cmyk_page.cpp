// CMYK: two-ink tint grids over four black levels, and black alone, each tint drawn in the
// colour a coated offset press gives it.
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "colour/colour_management.h"
#include "colour/notation.h"
#include "site/page_builders.h"

namespace site {

namespace {

constexpr int TintStep = 10;       // percent between grid columns and rows
constexpr int TintLevels = 11;     // 0, 10, ... 100
constexpr int BlackLevels[] = {0, 20, 40, 60};
constexpr int BlackRampStep = 5;   // black alone
constexpr int BlackRampColumns = 11;

constexpr CellStyle TintCell{
    .width = 56,
    .height = 64,
    .chip = {4, 3, 52, 31},
    .look = CellLook::Tile,
    .slotCount = 2,
    .slots = {TextSlot{0, 36, 56, TextAlign::Centre}, TextSlot{0, 48, 56, TextAlign::Centre}},
};

struct InkPair {
  const wchar_t* title;
  const wchar_t* axes;
  double colour::Cmyk::*across;
  double colour::Cmyk::*down;
};

constexpr InkPair InkPairs[] = {
    {L"Cyan × Magenta", L"cyan across, magenta down, in percent", &colour::Cmyk::c, &colour::Cmyk::m},
    {L"Cyan × Yellow", L"cyan across, yellow down, in percent", &colour::Cmyk::c, &colour::Cmyk::y},
    {L"Magenta × Yellow", L"magenta across, yellow down, in percent", &colour::Cmyk::m, &colour::Cmyk::y},
};

std::wstring Whole(double percent) { return std::to_wstring(std::lround(percent)); }

std::vector<std::wstring> TintHeads() {
  std::vector<std::wstring> heads;
  for (int i = 0; i < TintLevels; ++i) heads.push_back(std::to_wstring(i * TintStep));
  return heads;
}

void Label(Swatch& swatch, const colour::Cmyk& ink) {
  swatch.lines = {L"C" + Whole(ink.c) + L" M" + Whole(ink.m), L"Y" + Whole(ink.y) + L" K" + Whole(ink.k)};
  swatch.copy = colour::FormatHex(swatch.colour);
  swatch.status = L"C " + Whole(ink.c) + L" %   M " + Whole(ink.m) + L" %   Y " + Whole(ink.y) +
                  L" %   K " + Whole(ink.k) + L" %      on screen " + swatch.copy + L"   " +
                  colour::FormatRgb(swatch.colour);
}

}  // namespace

Page BuildCmykPage() {
  Page page;
  page.id = PageId::Cmyk;
  page.title = L"CMYK 颜色表 · Process ink tints";
  page.subtitle =
      L"Two inks at a time in 10 % steps, over 0, 20, 40 and 60 % black, and black alone in "
      L"5 % steps. Each patch shows the colour coated offset paper prints: the FOGRA39 "
      L"characterisation, relative colorimetric with black-point compensation.";

  // Every ink mixture of the page, converted to screen colours in one call.
  std::vector<colour::Cmyk> inks;
  for (const InkPair& pair : InkPairs) {
    for (int black : BlackLevels) {
      Section section;
      section.title = std::wstring(pair.title) + L" · K " + std::to_wstring(black) + L" %";
      section.note = pair.axes;
      section.style = &TintCell;
      section.columns = TintLevels;
      section.columnHeads = TintHeads();
      section.rowHeads = TintHeads();
      for (int row = 0; row < TintLevels; ++row) {
        for (int column = 0; column < TintLevels; ++column) {
          colour::Cmyk ink{};
          ink.*pair.across = column * TintStep;
          ink.*pair.down = row * TintStep;
          ink.k = black;
          inks.push_back(ink);
          section.swatches.emplace_back();
        }
      }
      page.sections.push_back(std::move(section));
    }
  }
  Section ramp;
  ramp.title = L"Black alone";
  ramp.note = L"K in 5 % steps";
  ramp.style = &TintCell;
  ramp.columns = BlackRampColumns;
  for (int black = 0; black <= 100; black += BlackRampStep) {
    colour::Cmyk ink{};
    ink.k = black;
    inks.push_back(ink);
    ramp.swatches.emplace_back();
  }
  page.sections.push_back(std::move(ramp));

  std::vector<colour::Rgb8> screen(inks.size());
  colour::CmykToScreen(inks.data(), screen.data(), inks.size());
  size_t next = 0;
  for (Section& section : page.sections) {
    for (Swatch& swatch : section.swatches) {
      swatch.colour = screen[next];
      Label(swatch, inks[next]);
      ++next;
    }
  }
  return page;
}

}  // namespace site
