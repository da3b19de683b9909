// The start page: the twelve charts as cards, each with a small preview from its chart and
// one line; a card opens its chart as the chart's button does.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/named_colours.h"
#include "colour/notation.h"
#include "site/page_builders.h"

namespace site {

namespace {

constexpr int CardColumns = 4;
constexpr int PreviewColumns = 8;

constexpr CellStyle Card{
    .width = 165,
    .height = 128,
    .chip = {12, 12, 153, 64},
    .look = CellLook::Card,
    .previewColumns = PreviewColumns,
    .slotCount = 2,
    .slots = {TextSlot{12, 72, 141, TextAlign::Left, true},
              TextSlot{12, 96, 141, TextAlign::Left, false, true}},
};

using Preview = std::vector<colour::Rgb8>;

colour::Rgb8 Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

Preview FromHex(std::initializer_list<std::uint32_t> codes) {
  Preview preview;
  for (std::uint32_t code : codes) preview.push_back(Hex(code));
  return preview;
}

// The inks alone and in pairs, full and half strength, as the press prints them.
Preview CmykPreview() {
  const colour::Cmyk inks[] = {
      {100, 0, 0, 0}, {50, 0, 0, 0},   {0, 100, 0, 0}, {0, 50, 0, 0},
      {0, 0, 100, 0}, {0, 0, 50, 0},   {0, 0, 0, 100}, {0, 0, 0, 50},
      {100, 100, 0, 0}, {100, 0, 100, 0}, {0, 100, 100, 0}, {50, 50, 0, 0},
      {50, 0, 50, 0}, {0, 50, 50, 0},  {0, 0, 0, 20},  {0, 0, 0, 0}};
  Preview preview(std::size(inks));
  colour::CmykToScreen(inks, preview.data(), std::size(inks));
  return preview;
}

Preview NamedPreview(std::initializer_list<std::wstring_view> names) {
  Preview preview;
  for (std::wstring_view name : names)
    if (const colour::NamedColour* named = colour::FindNamedColour(name)) preview.push_back(named->rgb);
  return preview;
}

// Hue steps at full and at half saturation.
Preview HuePreview() {
  constexpr double HueStep = 45;
  Preview preview;
  for (double saturation : {100.0, 45.0})
    for (int i = 0; i < PreviewColumns; ++i)
      preview.push_back(colour::ToRgb8(colour::FromHsv({i * HueStep, saturation, 95})));
  return preview;
}

// One hue from dark to light, then its complement.
Preview RampPreview() {
  constexpr double Hues[] = {210, 30};
  constexpr double LightStep = 10;
  Preview preview;
  for (double hue : Hues)
    for (int i = 0; i < PreviewColumns; ++i)
      preview.push_back(colour::ToRgb8(colour::FromHsl({hue, 60, 20 + i * LightStep})));
  return preview;
}

Preview PreviewFor(PageId id) {
  switch (id) {
    case PageId::Cmyk:
      return CmykPreview();
    case PageId::Rgb216:
      return FromHex({0xFF0000, 0xFF9900, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x9900FF,
                      0xFF00FF, 0x990000, 0x996600, 0x999900, 0x009900, 0x009999, 0x000099,
                      0x660099, 0x990099});
    case PageId::Rgb512:
      return FromHex({0xFF0000, 0xFFB600, 0xFFFF00, 0x6DFF00, 0x00FFB6, 0x00B6FF, 0x2400FF,
                      0xDB00FF, 0x920000, 0x926D00, 0x929200, 0x249200, 0x00926D, 0x006D92,
                      0x240092, 0x6D0092});
    case PageId::Common:
      return NamedPreview({L"crimson", L"tomato", L"orange", L"gold", L"yellowgreen",
                           L"seagreen", L"teal", L"steelblue", L"royalblue", L"slateblue",
                           L"orchid", L"hotpink", L"sienna", L"tan", L"silver", L"dimgray"});
    case PageId::Chinese:
      return NamedPreview({L"firebrick", L"coral", L"goldenrod", L"khaki", L"olivedrab",
                           L"mediumseagreen", L"cadetblue", L"cornflowerblue", L"mediumpurple",
                           L"plum", L"palevioletred", L"peru", L"wheat", L"lavender",
                           L"honeydew", L"slategray"});
    case PageId::Codes:
      return NamedPreview({L"navy", L"blue", L"dodgerblue", L"skyblue", L"teal", L"green",
                           L"lime", L"olive", L"maroon", L"red", L"fuchsia", L"purple",
                           L"black", L"gray", L"silver", L"white"});
    case PageId::Mixer:
      return HuePreview();
    case PageId::Converter:
      return RampPreview();
    default:
      return {};  // the licensed collections: nothing to show
  }
}

}  // namespace

Page BuildStartPage() {
  Page page;
  page.id = PageId::Start;
  page.title = L"Tintora colour charts";
  page.subtitle =
      L"Twelve charts, drawn by Tintora from its own colour engine: screen colours in sRGB, "
      L"print colours through the FOGRA39 coated-offset characterisation. Click a card, or "
      L"use the buttons below.";
  Section cards;
  cards.style = &Card;
  cards.columns = CardColumns;
  for (const ChartEntry& chart : Charts()) {
    Swatch card;
    card.lines = {chart.title, chart.summary};
    card.link = chart.path;
    card.preview = PreviewFor(chart.id);
    card.status = std::wstring(L"Open ") + chart.title + L"   " + chart.path;
    cards.swatches.push_back(std::move(card));
  }
  page.sections.push_back(std::move(cards));
  return page;
}

}  // namespace site
