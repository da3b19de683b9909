// Swatches on screen, read back from the window: each chip shows the colour its chart says,
// with the values taken from the standards, not from our own tables.
#include <algorithm>
#include <tuple>
#include <vector>

#include "colour/colour_management.h"
#include "tests/site/view_fixture.h"

namespace {

using site::PageId;
using test::ChartViewTest;
using test::Rgb;

COLORREF Printed(const colour::Cmyk& inks) {
  const colour::Rgb8 rgb = colour::CmykToScreen(inks);
  return RGB(rgb.r, rgb.g, rgb.b);
}

// Swatches by their first label lines: CSS colours, the cubes' levels (round(i × 255 / 7) on
// the 512 chart) and ink tints as the press prints them. Every chart has all its colours (on
// the CMYK chart 3 ink pairs × 4 black levels × 11 × 11 tints and black alone in 5s).
TEST_F(ChartViewTest, ChipsShowTheirStandardColours) {
  const std::tuple<PageId, std::vector<std::wstring>, COLORREF> swatches[] = {
      {PageId::Common, {L"rebeccapurple"}, Rgb(0x663399)},
      {PageId::Chinese, {L"番茄红", L"tomato"}, Rgb(0xFF6347)},
      {PageId::Codes, {L"navy"}, Rgb(0x000080)},
      {PageId::Rgb216, {L"#336699"}, Rgb(0x336699)},
      {PageId::Rgb512, {L"#DB4992"}, Rgb(0xDB4992)},
      {PageId::Cmyk, {L"C30 M70", L"Y0 K20"}, Printed({30, 70, 0, 20})},
      {PageId::Cmyk, {L"C100 M0", L"Y60 K0"}, Printed({100, 0, 60, 0})},
      {PageId::Cmyk, {L"C0 M40", L"Y90 K60"}, Printed({0, 40, 90, 60})},
      {PageId::Cmyk, {L"C0 M0", L"Y0 K85"}, Printed({0, 0, 0, 85})}};
  for (const auto& [page, lines, colour] : swatches) {
    Open(page);
    const site::SwatchRef ref = Find([&lines = lines](const site::Swatch& s) {
      return s.lines.size() >= lines.size() && std::equal(lines.begin(), lines.end(), s.lines.begin());
    });
    ASSERT_TRUE(ref.valid()) << lines[0];
    EXPECT_EQ(ChipOnScreen(ref), colour) << lines[0];
  }
  const std::tuple<PageId, size_t, const wchar_t*> charts[] = {
      {PageId::Rgb216, 216, L"Red 33"}, {PageId::Rgb512, 512, L"Red 24"}, {PageId::Common, 148, L"Pinks 粉色系"},
      {PageId::Chinese, 148, L""},      {PageId::Codes, 148, L""},
      {PageId::Cmyk, 3 * 4 * 121 + 21, L"Cyan × Magenta · K 20 %"}};
  for (const auto& [page, total, second] : charts) {
    Open(page);
    size_t count = 0;
    for (const site::Section& section : Page().sections) count += section.swatches.size();
    EXPECT_EQ(count, total) << static_cast<int>(page);
    EXPECT_EQ(Page().sections.size() > 1 ? Page().sections[1].title : L"", second);
  }
}

// A pointed-at swatch is outlined just outside its chip, a selected one further out, and
// neither otherwise; labels on chips are dark on light chips and light on dark ones.
TEST_F(ChartViewTest, OutlinesShowPointerAndSelectionAndLabelsReadOnTheirChips) {
  Open(PageId::Rgb216);
  const site::SwatchRef ref = Find(L"#336699");
  const RECT chip = Chip(ref);
  const std::tuple<int, bool, bool, bool> looks[] = {
      // pixels left of the chip; pointed at, selected, outlined there
      {2, false, false, false}, {2, true, false, true}, {3, false, true, true}, {3, true, false, false}};
  for (const auto& [outside, pointed, selected, outlined] : looks) {
    view_->Select(selected ? ref : site::SwatchRef{});
    if (pointed) Point(ref);
    UpdateWindow(view_->Pane());
    const COLORREF left = PanePixels().at(chip.left - outside, (chip.top + chip.bottom) / 2);
    EXPECT_EQ(left != RGB(255, 255, 255), outlined) << outside << pointed << selected;
    SendMessageW(view_->Pane(), WM_MOUSELEAVE, 0, 0);
  }
  const std::tuple<const wchar_t*, unsigned, bool> chips[] = {{L"#FFFF00", 0xFFFF00, true},
                                                               {L"#000099", 0x000099, false}};
  for (const auto& [hex, rgb, lightChip] : chips) {
    const site::SwatchRef swatch = FindCopy(hex);
    ChipOnScreen(swatch);
    RECT inside = Chip(swatch);
    InflateRect(&inside, -1, -1);  // within the chip's edge
    const test::Pixels pixels =
        PanePixels().Crop(inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    int dark = 0, light = 0;  // the label's pixels
    for (int y = 0; y < pixels.height(); ++y)
      for (int x = 0; x < pixels.width(); ++x) {
        const COLORREF p = pixels.at(x, y);
        if (p != Rgb(rgb)) (GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 128 ? dark : light) += 1;
      }
    EXPECT_GT(lightChip ? dark : light, 0) << hex;
    EXPECT_EQ(lightChip ? light : dark, 0) << hex;
  }
}

}  // namespace
