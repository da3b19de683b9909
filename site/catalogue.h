#pragma once
// The pages of the built-in chart site and the paths they live at.
#include <span>
#include <string_view>

namespace site {

enum class PageId {
  Start,
  Cmyk,
  Rgb216,
  Rgb512,
  PantoneCu,
  PantoneU,
  PantoneC,
  Ral,
  Common,
  Chinese,
  Codes,
  Mixer,
  Converter,
  NotFound,
};

// The start page's path.
inline constexpr wchar_t StartPagePath[] = L"/b";

struct ChartEntry {
  PageId id;
  const wchar_t* path;     // under the site, blanks as the buttons write them
  const wchar_t* title;    // the chart's name, as its button says it
  const wchar_t* summary;  // one line for its card on the start page
};

// The twelve charts in the order their buttons read on screen, row by row.
std::span<const ChartEntry> Charts();

// The chart with that page, or nullptr (the start page and "not found" are no charts).
const ChartEntry* ChartFor(PageId id);

// The page an address shows: the start page, a chart, or NotFound for any other path and
// for addresses outside the built-in site.
PageId PageIdFor(std::wstring_view address);

}  // namespace site
