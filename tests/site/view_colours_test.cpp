// Swatches on screen, read back from the window: each patch shows the colour its chart
// says, with the values taken from the standards, not from our own tables.
#include "colour/colour_management.h"
#include "tests/site/view_fixture.h"

namespace {

using test::ChartViewTest;
using test::Rgb;

constexpr wchar_t Cmyk[] = L"/soft/qovu/cmyk-color.html";
constexpr wchar_t Rgb216[] = L"/soft/qovu/rgb-color.html";
constexpr wchar_t Rgb512[] = L"/soft/qovu/new_page_512.htm";
constexpr wchar_t Common[] = L"/soft/qovu/jdcolor.html";
constexpr wchar_t Chinese[] = L"/soft/qovu/zywdzcolor.html";
constexpr wchar_t Codes[] = L"/soft/qovu/ysdmcolor.html";

TEST_F(ChartViewTest, NamedAndCubeSwatchesShowTheirStandardColours) {
  const struct {
    const wchar_t* path;
    const wchar_t* label;  // the swatch's first label line (the Chinese table: its second)
    size_t line;
    unsigned rgb;          // from the CSS Color Module, or the cube's own definition
  } swatches[] = {
      {Common, L"rebeccapurple", 0, 0x663399},  {Common, L"cornflowerblue", 0, 0x6495ED},
      {Common, L"darkslategrey", 0, 0x2F4F4F},  {Common, L"ivory", 0, 0xFFFFF0},
      {Chinese, L"aqua", 1, 0x00FFFF},          {Chinese, L"tomato", 1, 0xFF6347},
      {Chinese, L"yellowgreen", 1, 0x9ACD32},   {Codes, L"navy", 0, 0x000080},
      {Codes, L"goldenrod", 0, 0xDAA520},       {Codes, L"mediumorchid", 0, 0xBA55D3},
      // The cubes: levels 00, 33 ... FF, and round(i × 255 / 7) = 00 24 49 6D 92 B6 DB FF.
      {Rgb216, L"#336699", 0, 0x336699},        {Rgb216, L"#FFCC00", 0, 0xFFCC00},
      {Rgb216, L"#000000", 0, 0x000000},        {Rgb512, L"#246DB6", 0, 0x246DB6},
      {Rgb512, L"#DB4992", 0, 0xDB4992},        {Rgb512, L"#FFFFFF", 0, 0xFFFFFF},
  };
  const wchar_t* open = nullptr;
  for (const auto& s : swatches) {
    if (open != s.path) Open(open = s.path);
    const site::SwatchRef ref = Find(s.label, s.line);
    ASSERT_TRUE(ref.valid()) << std::wstring(s.label).c_str();
    EXPECT_EQ(ChipOnScreen(ref), Rgb(s.rgb)) << std::wstring(s.label).c_str();
  }
  // Every chart has all its colours (3 ink pairs × 4 black levels × 11 × 11 tints and black
  // alone from 0 to 100 in 5s on the CMYK chart), in sections titled as they should be.
  const struct {
    const wchar_t* path;
    size_t swatches;
    const wchar_t* second;  // the second section's title; empty: one section only
  } charts[] = {{Rgb216, 216, L"Red 33"}, {Rgb512, 512, L"Red 24"}, {Common, 148, L"Pinks 粉色系"},
                {Chinese, 148, L""}, {Codes, 148, L""},
                {Cmyk, 3 * 4 * 121 + 21, L"Cyan × Magenta · K 20 %"}};
  for (const auto& chart : charts) {
    Open(chart.path);
    size_t count = 0;
    for (const site::Section& section : Page().sections) count += section.swatches.size();
    EXPECT_EQ(count, chart.swatches) << std::wstring(chart.path).c_str();
    EXPECT_EQ(Page().sections.size() > 1 ? Page().sections[1].title : L"", chart.second);
  }
}

// A pointed-at swatch is outlined just outside its chip, a selected one further out, and
// neither otherwise; labels on chips are dark on light chips and light on dark ones.
TEST_F(ChartViewTest, OutlinesShowPointerAndSelectionAndLabelsReadOnTheirChips) {
  Open(Rgb216);
  const site::SwatchRef ref = Find(L"#336699");
  auto chip = [&](site::SwatchRef r) {
    RECT c = Page().sections[static_cast<size_t>(r.section)].style->chip;
    const RECT cell = view_->CellOnScreen(r);
    OffsetRect(&c, cell.left, cell.top);
    return c;
  };
  const RECT c = chip(ref);
  const int middle = (c.top + c.bottom) / 2;
  const struct {
    const char* what;
    int outside;  // pixels left of the chip
    bool pointed, selected, outlined;
  } looks[] = {{"plain", 2, false, false, false},  {"pointed at", 2, true, false, true},
               {"selected", 3, false, true, true}, {"pointed at, not as selected", 3, true, false, false}};
  for (const auto& look : looks) {
    view_->Select(look.selected ? ref : site::SwatchRef{});
    if (look.pointed) Point(ref);
    UpdateWindow(view_->Pane());
    const COLORREF left = PanePixels().at(c.left - look.outside, middle);
    EXPECT_EQ(left != RGB(255, 255, 255), look.outlined) << look.what;
    SendMessageW(view_->Pane(), WM_MOUSELEAVE, 0, 0);
  }
  const struct {
    const wchar_t* hex;
    unsigned rgb;
    bool light;
  } chips[] = {{L"#FFFFFF", 0xFFFFFF, true}, {L"#FFFF00", 0xFFFF00, true},
               {L"#000000", 0x000000, false}, {L"#000099", 0x000099, false}};
  for (const auto& on : chips) {
    const site::SwatchRef swatch = FindCopy(on.hex);
    ChipOnScreen(swatch);
    RECT inside = chip(swatch);
    InflateRect(&inside, -1, -1);  // within the chip's edge
    const test::Pixels pixels =
        PanePixels().Crop(inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    int dark = 0, light = 0;  // the label's pixels
    for (int y = 0; y < pixels.height(); ++y)
      for (int x = 0; x < pixels.width(); ++x) {
        const COLORREF p = pixels.at(x, y);
        if (p == Rgb(on.rgb)) continue;
        (GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 128 ? dark : light) += 1;
      }
    EXPECT_GT(on.light ? dark : light, 0) << std::wstring(on.hex).c_str();
    EXPECT_EQ(on.light ? light : dark, 0) << std::wstring(on.hex).c_str();
  }
}

TEST_F(ChartViewTest, CmykTintsShowWhatThePressPrints) {
  Open(Cmyk);
  // Each tint where the grid puts it, in the screen colour of its own ink values.
  const struct {
    const wchar_t* inks;
    const wchar_t* blackLine;
    colour::Cmyk cmyk;
  } tints[] = {{L"C30 M70", L"Y0 K20", {30, 70, 0, 20}},
               {L"C100 M0", L"Y60 K0", {100, 0, 60, 0}},
               {L"C0 M40", L"Y90 K60", {0, 40, 90, 60}},
               {L"C0 M0", L"Y0 K85", {0, 0, 0, 85}}};
  for (const auto& tint : tints) {
    const std::vector<std::wstring> lines{tint.inks, tint.blackLine};
    const site::SwatchRef ref = Find([&](const site::Swatch& s) { return s.lines == lines; });
    ASSERT_TRUE(ref.valid()) << std::wstring(tint.inks).c_str();
    const colour::Rgb8 expected = colour::CmykToScreen(tint.cmyk);
    EXPECT_EQ(ChipOnScreen(ref), RGB(expected.r, expected.g, expected.b))
        << std::wstring(tint.inks).c_str() << " " << std::wstring(tint.blackLine).c_str();
  }
  // Full cyan is the press's cyan, not the screen's (0, 255, 255); paper is white.
  const COLORREF cyan = ChipOnScreen(Find(L"C100 M0"));
  const int r = GetRValue(cyan), g = GetGValue(cyan), b = GetBValue(cyan);
  EXPECT_TRUE(r <= 60 && g >= 130 && g <= 185 && b >= 200) << r << ", " << g << ", " << b;
  const COLORREF paper = ChipOnScreen(Find(L"C0 M0"));
  for (int channel : {GetRValue(paper), GetGValue(paper), GetBValue(paper)}) EXPECT_GE(channel, 250);
}

}  // namespace
