#include "site/pages/colour_facts.h"

#include <cstdio>
#include <iterator>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/convert.h"
#include "colour/named_colours.h"

namespace site {

namespace {

constexpr int ResultWidth = 660;

constexpr CellStyle BigSwatch{
    .width = 330,
    .height = 150,
    .chip = {3, 3, 327, 147},
    .look = CellLook::Tile,
};

// Notation name, value, and how the value was reached.
constexpr CellStyle NotationRow{
    .width = ResultWidth,
    .height = 22,
    .look = CellLook::Row,
    .slotCount = 3,
    .slots = {TextSlot{8, 4, 110, TextAlign::Left, false, true},
              TextSlot{124, 4, 250, TextAlign::Left},
              TextSlot{380, 4, 276, TextAlign::Left, false, true}},
};

// The nearest named colour beside the large swatch: its patch, names, code and distance.
constexpr CellStyle NamedTile{
    .width = 300,
    .height = 150,
    .chip = {3, 3, 297, 83},
    .look = CellLook::Tile,
    .slotCount = 4,
    .slots = {TextSlot{3, 90, 294, TextAlign::Left, true}, TextSlot{3, 108, 294, TextAlign::Left},
              TextSlot{3, 124, 90, TextAlign::Left},
              TextSlot{100, 124, 194, TextAlign::Left, false, true}},
};

std::wstring DeltaText(double deltaE) {
  wchar_t text[32] = {};
  std::swprintf(text, std::size(text), L"ΔE00 %.2f away", deltaE);
  return text;
}

Swatch NotationSwatch(const colour::Rgb8& screen, const wchar_t* name, std::wstring value,
                      std::wstring how = {}) {
  Swatch row;
  row.colour = screen;
  row.status = std::wstring(name) + L"   " + value + L"   (Ctrl+C copies it)";
  row.copy = value;
  row.lines = {name, std::move(value), std::move(how)};
  return row;
}

}  // namespace

ColourFacts FactsOf(const colour::ParsedColour& given) {
  ColourFacts facts;
  facts.screen = colour::ToScreen(given);
  const colour::RgbD screen = colour::ToDouble(facts.screen);
  facts.hsl = colour::ToHsl(screen);
  facts.hsv = colour::ToHsv(screen);
  facts.lab = colour::SrgbToLab(facts.screen);
  if (const auto* hsl = std::get_if<colour::Hsl>(&given.value)) facts.hsl = *hsl;
  if (const auto* hsv = std::get_if<colour::Hsv>(&given.value)) facts.hsv = *hsv;
  if (const auto* lab = std::get_if<colour::Lab>(&given.value)) facts.lab = *lab;
  if (const auto* cmyk = std::get_if<colour::Cmyk>(&given.value)) {
    facts.cmyk = *cmyk;
    facts.cmykGiven = true;
  } else {
    facts.cmyk = colour::ScreenToCmyk(facts.screen);
  }
  return facts;
}

Section SwatchSection(const ColourFacts& facts) {
  Section section;
  section.title = L"Colour";
  section.style = &BigSwatch;
  Swatch swatch;
  swatch.colour = facts.screen;
  swatch.copy = colour::FormatHex(facts.screen);
  swatch.status = swatch.copy + L"   " + colour::FormatRgb(facts.screen);
  section.swatches.push_back(std::move(swatch));
  return section;
}

Section NotationSection(const ColourFacts& facts) {
  const colour::Rgb8& rgb = facts.screen;
  Section section;
  section.title = L"Every notation";
  section.note = L"Click a row to select it; Ctrl+C or a double click copies its value.";
  section.style = &NotationRow;
  section.fullWidth = true;
  const std::wstring intent = facts.cmykGiven
                                  ? L"as given; on screen relative colorimetric + BPC"
                                  : L"FOGRA39, " + std::wstring(colour::ScreenToCmykIntentName()) +
                                        L" intent";
  section.swatches = {
      NotationSwatch(rgb, L"Hex", colour::FormatHex(rgb)),
      NotationSwatch(rgb, L"RGB", colour::FormatRgb(rgb)),
      NotationSwatch(rgb, L"HSL", colour::FormatHsl(facts.hsl)),
      NotationSwatch(rgb, L"HSV / HSB", colour::FormatHsv(facts.hsv)),
      NotationSwatch(rgb, L"CMYK", colour::FormatCmyk(facts.cmyk), intent),
      NotationSwatch(rgb, L"Lab", colour::FormatLab(facts.lab), L"CIE L*a*b*, D50"),
      NotationSwatch(rgb, L"COLORREF", colour::FormatColorrefHex(rgb), L"Windows, 0x00BBGGRR"),
      NotationSwatch(rgb, L"Decimal", colour::FormatColorrefDecimal(rgb), L"COLORREF as a number"),
      NotationSwatch(rgb, L"Visual Basic", colour::FormatVbLiteral(rgb)),
      NotationSwatch(rgb, L"Delphi", colour::FormatDelphiLiteral(rgb)),
  };
  return section;
}

Section NearestNamedSection(const ColourFacts& facts) {
  Section section;
  section.title = L"Nearest named colour";
  section.style = &NamedTile;
  const colour::NearestNamed nearest = colour::NearestNamedColour(facts.screen);
  if (!nearest.colour) return section;
  const colour::NamedColour& named = *nearest.colour;
  Swatch row;
  row.colour = named.rgb;
  row.copy = colour::FormatHex(named.rgb);
  row.lines = {std::wstring(named.english), std::wstring(named.chinese), row.copy,
               DeltaText(nearest.deltaE)};
  row.status = std::wstring(named.english) + L"   " + std::wstring(named.chinese) + L"   " +
               row.copy + L"   " + row.lines[3];
  section.swatches.push_back(std::move(row));
  return section;
}

}  // namespace site
