// The pages of the named colours: common colours by hue family, the Chinese–English table
// and the table of colour codes.
#include <string>

#include "colour/colour_management.h"
#include "colour/named_colours.h"
#include "colour/notation.h"
#include "site/page_builders.h"
#include "site/pages/hue_families.h"

namespace site {

namespace {

constexpr int TableWidth = 660;  // the page's width inside its margins

// A patch with the name and hex code under it; five across.
constexpr CellStyle NamedTile{
    .width = 132,
    .height = 70,
    .chip = {3, 3, 126, 33},
    .look = CellLook::Tile,
    .slotCount = 2,
    .slots = {TextSlot{3, 36, 126, TextAlign::Left}, TextSlot{3, 49, 126, TextAlign::Left, false, true}},
};

// A row: chip, Chinese name, English name, hex, rgb().
constexpr CellStyle ChineseRow{
    .width = TableWidth,
    .height = 22,
    .chip = {4, 3, 52, 19},
    .look = CellLook::Row,
    .slotCount = 4,
    .slots = {TextSlot{66, 4, 130, TextAlign::Left}, TextSlot{204, 4, 170, TextAlign::Left},
              TextSlot{382, 4, 70, TextAlign::Left}, TextSlot{462, 4, 190, TextAlign::Left}},
};

// Two lines a colour: names and the web and print codes above, the Windows and language
// literals below them.
constexpr CellStyle CodeRow{
    .width = TableWidth,
    .height = 38,
    .chip = {4, 4, 40, 34},
    .look = CellLook::Row,
    .slotCount = 9,
    .slots = {TextSlot{50, 5, 136, TextAlign::Left},           // english
              TextSlot{192, 5, 52, TextAlign::Left},           // #RRGGBB
              TextSlot{252, 5, 118, TextAlign::Left},          // rgb()
              TextSlot{378, 5, 280, TextAlign::Left},          // cmyk()
              TextSlot{50, 20, 136, TextAlign::Left, false, true},  // chinese
              TextSlot{192, 20, 66, TextAlign::Left},          // 0x00BBGGRR
              TextSlot{264, 20, 74, TextAlign::Left},          // &H00BBGGRR&
              TextSlot{344, 20, 60, TextAlign::Left},          // $00BBGGRR
              TextSlot{414, 20, 120, TextAlign::Left}},        // decimal COLORREF
};

std::wstring NamedStatus(const colour::NamedColour& named) {
  return std::wstring(named.english) + L"   " + std::wstring(named.chinese) + L"   " +
         colour::FormatHex(named.rgb) + L"   " + colour::FormatRgb(named.rgb);
}

Swatch NamedSwatch(const colour::NamedColour& named) {
  Swatch swatch;
  swatch.colour = named.rgb;
  swatch.copy = colour::FormatHex(named.rgb);
  swatch.status = NamedStatus(named);
  return swatch;
}

}  // namespace

Page BuildCommonColoursPage() {
  Page page;
  page.id = PageId::Common;
  page.title = L"常用颜色表 · Common colours";
  page.subtitle =
      L"The 148 named colours of the CSS Color Module, in eleven hue families, with their "
      L"names and hex codes. Screen colours, sRGB, as the standard defines them.";
  for (const HueFamily& family : HueFamilies()) {
    Section section;
    section.title = family.title;
    section.style = &NamedTile;
    section.columns = TableWidth / NamedTile.width;
    for (std::wstring_view name : family.names) {
      const colour::NamedColour* named = colour::FindNamedColour(name);
      if (!named) continue;
      Swatch swatch = NamedSwatch(*named);
      swatch.lines = {std::wstring(named->english), swatch.copy};
      section.swatches.push_back(std::move(swatch));
    }
    page.sections.push_back(std::move(section));
  }
  return page;
}

Page BuildChineseTablePage() {
  Page page;
  page.id = PageId::Chinese;
  page.title = L"中文对照颜色表 · Chinese–English colour names";
  page.subtitle =
      L"Each CSS named colour with its common Chinese name, its English name, hex code and "
      L"RGB values, in the standard's alphabetical order.";
  Section table;
  table.style = &ChineseRow;
  table.columns = 1;
  table.slotHeads = {L"中文名", L"English", L"Hex", L"RGB"};
  for (const colour::NamedColour& named : colour::NamedColours()) {
    Swatch swatch = NamedSwatch(named);
    swatch.lines = {std::wstring(named.chinese), std::wstring(named.english), swatch.copy,
                    colour::FormatRgb(named.rgb)};
    table.swatches.push_back(std::move(swatch));
  }
  page.sections.push_back(std::move(table));
  return page;
}

Page BuildColourCodesPage() {
  Page page;
  page.id = PageId::Codes;
  page.title = L"颜色代码表 · Colour codes";
  page.subtitle =
      L"Every named colour in the codes people write it in: #RRGGBB, rgb(), print CMYK "
      L"(FOGRA39, perceptual), a Windows COLORREF as 0x00BBGGRR, Visual Basic &H00BBGGRR&, "
      L"Delphi $00BBGGRR and the decimal COLORREF.";
  Section table;
  table.style = &CodeRow;
  table.columns = 1;
  table.fullWidth = true;
  for (const colour::NamedColour& named : colour::NamedColours()) {
    Swatch swatch = NamedSwatch(named);
    swatch.lines = {std::wstring(named.english),
                    swatch.copy,
                    colour::FormatRgb(named.rgb),
                    colour::FormatCmyk(colour::ScreenToCmyk(named.rgb)),
                    std::wstring(named.chinese),
                    colour::FormatColorrefHex(named.rgb),
                    colour::FormatVbLiteral(named.rgb),
                    colour::FormatDelphiLiteral(named.rgb),
                    colour::FormatColorrefDecimal(named.rgb)};
    table.swatches.push_back(std::move(swatch));
  }
  page.sections.push_back(std::move(table));
  return page;
}

}  // namespace site
