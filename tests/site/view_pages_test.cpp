// What the pages show: chips, outlines and labels, the pages with controls, and those without a chart.
#include <tuple>
#include <vector>

#include "colour/colour_management.h"
#include "colour/notation.h"
#include "skin/core/skin_kind.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/primitives.h"
#include "tests/site/view_fixture.h"
#include "tests/support/gdi_capacity.h"

namespace {

using site::PageId;
using namespace test;

COLORREF Printed(const colour::Cmyk& inks) {
  const colour::Rgb8 rgb = colour::CmykToScreen(inks);
  return RGB(rgb.r, rgb.g, rgb.b);
}

// CSS colours, the cubes' levels (round(i × 255 / 7) on the 512 chart), tints as the press prints
// them; every chart has all its colours (CMYK: 3 ink pairs × 4 blacks × 11 × 11, and 21 greys).
TEST_F(ChartViewTest, ChipsShowTheirStandardColours) {
  const std::tuple<PageId, std::vector<std::wstring>, COLORREF> swatches[] = {
      {PageId::Common, {L"rebeccapurple"}, Rgb(0x663399)},
      {PageId::Chinese, {L"番茄红", L"tomato"}, Rgb(0xFF6347)},
      {PageId::Codes, {L"navy"}, Rgb(0x000080)},
      {PageId::Rgb216, {L"#336699"}, Rgb(0x336699)},
      {PageId::Rgb512, {L"#DB4992"}, Rgb(0xDB4992)},
      {PageId::Cmyk, {L"C0 M40", L"Y90 K60"}, Printed({0, 40, 90, 60})},
      {PageId::Cmyk, {L"C0 M0", L"Y0 K85"}, Printed({0, 0, 0, 85})}};
  for (const auto& [page, lines, colour] : swatches) {
    Open(page);
    EXPECT_EQ(ChipOnScreen(Find(lines)), colour) << lines[0];
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

// Pointed-at and selected swatches are outlined outside their chips; labels read on their chips.
TEST_F(ChartViewTest, OutlinesShowPointerAndSelectionAndLabelsReadOnTheirChips) {
  Open(PageId::Rgb216);
  const site::SwatchRef ref = Find({L"#336699"});
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
  // The label on a light chip (yellow) is dark, and on a dark one (navy) light.
  for (const auto& [hex, lightChip] : {std::pair{L"#FFFF00", true}, std::pair{L"#000099", false}}) {
    const site::SwatchRef swatch = FindCopy(hex);
    const COLORREF fill = ChipOnScreen(swatch);
    RECT inside = Chip(swatch);
    InflateRect(&inside, -1, -1);  // within the chip's edge
    const test::Pixels pixels = PanePixels();
    int dark = 0, light = 0;  // the label's pixels
    for (int y = inside.top; y < inside.bottom; ++y)
      for (int x = inside.left; x < inside.right; ++x) {
        const COLORREF p = pixels.at(x, y);
        if (p != fill) (GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 128 ? dark : light) += 1;
      }
    EXPECT_GT(lightChip ? dark : light, 0) << hex;
    EXPECT_EQ(lightChip ? light : dark, 0) << hex;
  }
}

std::vector<HWND> Children(HWND parent, const wchar_t* className = nullptr) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!className || skin::WindowClassName(child) == className) found.push_back(child);
  return found;
}


// What was typed keeps its row, the rest shows every notation; bad input shows only the reason.
TEST_F(ChartViewTest, ConverterListsEveryNotationOfWhatWasTypedOrWhyNot) {
  Open(PageId::Converter);
  HWND input = Children(view_->Pane(), L"Edit").at(0);
  const std::wstring lab = colour::FormatLab(colour::SrgbToLab(colour::Rgb8{0x66, 0x33, 0x99}));
  const std::pair<std::wstring, const wchar_t*> inputs[] = {
      {L"hsl(270, 50.1%, 40%)", L"HSL"}, {L"hsv(270, 66.7%, 60%)", L"HSV / HSB"}, {lab, L"Lab"}};
  for (const auto& [typed, row] : inputs) {
    Enter(input, typed.c_str());
    EXPECT_EQ(Notation(L"Hex"), L"#663399") << typed.c_str();
    EXPECT_EQ(Notation(row), typed);
  }
  Enter(input, L"rebeccapurple");
  const std::pair<const wchar_t*, const wchar_t*> rows[] = {
      {L"Hex", L"#663399"},         {L"RGB", L"rgb(102, 51, 153)"},   {L"COLORREF", L"0x00993366"},
      {L"Decimal", L"10040166"},    {L"Visual Basic", L"&H00993366&"}, {L"Delphi", L"$00993366"}};
  for (const auto& [row, value] : rows) EXPECT_EQ(Notation(row), value) << std::wstring(row).c_str();
  EXPECT_TRUE(Find({L"rebeccapurple"}).valid());  // the nearest named colour is itself
  EXPECT_EQ(ChipOnScreen(FindCopy(L"#663399")), Rgb(0x663399));
  view_->Select(Find({L"COLORREF"}));
  Key(view_->Pane(), 'C', true);
  EXPECT_EQ(test::ClipboardText(), L"0x00993366");

  const std::wstring address = skin::WindowText(view_->Window());
  const size_t controls = Children(view_->Pane()).size();
  for (const wchar_t* bad : {L"bleu", L"", L"rgb(300, 0, 0)", L"#12345"}) {
    SetFocus(input);
    Enter(input, bad);
    ASSERT_EQ(Page().sections.size(), 2u);
    const std::vector<std::wstring>& result = Page().sections[1].paragraphs;
    EXPECT_EQ(result, std::vector<std::wstring>{colour::ParseColour(bad).reason});
    EXPECT_EQ(PanePixels().Count(Rgb(0x663399)), 0) << "the old result is gone";
    EXPECT_EQ(skin::WindowText(input), bad);
    EXPECT_EQ(GetFocus(), input);
    EXPECT_EQ(skin::WindowText(view_->Window()), address);
    EXPECT_EQ(Children(view_->Pane()).size(), controls);
  }
}

// Boxes and the Up key set the colour in range; another model keeps it (#CC00CC: 300°, 100 %, 80 %).
TEST_F(ChartViewTest, MixerFollowsItsBoxesArrowsAndModels) {
  Open(PageId::Mixer);
  HWND pane = view_->Pane();
  const std::vector<HWND> edits = Children(pane, L"Edit");
  const std::vector<HWND> models = Children(pane, L"ThunderRT6OptionButton");
  ASSERT_TRUE(edits.size() == 4 && models.size() == 3);
  EXPECT_FALSE(IsWindowVisible(edits[3]));  // RGB has three channels
  auto set = [&](std::vector<const wchar_t*> values) {
    for (size_t i = 0; i < values.size(); ++i) SetWindowTextW(edits[i], values[i]);
    PaintPending();
  };
  set({L"255", L"0", L"0"});
  EXPECT_EQ(ChipOnScreen(FindCopy(L"#FF0000")), Rgb(0xFF0000));
  SetFocus(edits[1]);
  Key(edits[1], VK_UP);
  Key(edits[1], VK_UP);
  EXPECT_EQ(Notation(L"Hex"), L"#FF0200");
  SetWindowTextW(edits[2], L"999");
  EXPECT_EQ(Notation(L"RGB"), L"rgb(255, 2, 255)");

  set({L"204", L"0", L"204"});
  SendMessageW(models[1], BM_CLICK, 0, 0);
  Settle();
  EXPECT_EQ(Notation(L"Hex"), L"#CC00CC");
  const wchar_t* hsv[] = {L"300", L"100", L"80"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(skin::WindowText(edits[i]), hsv[i]);
  SendMessageW(models[2], BM_CLICK, 0, 0);
  Settle();
  EXPECT_EQ(Notation(L"Hex"), colour::FormatHex(colour::CmykToScreen(colour::ScreenToCmyk({204, 0, 204}))));
  EXPECT_TRUE(IsWindowVisible(edits[3]));
  EXPECT_EQ(skin::WindowText(Children(pane, L"Static").at(3)).rfind(L"Black", 0), 0u);
  set({L"0", L"0", L"0", L"100"});
  EXPECT_EQ(Notation(L"Hex"), colour::FormatHex(colour::CmykToScreen({0, 0, 0, 100})));
  EXPECT_EQ(Notation(L"CMYK"), L"cmyk(0%, 0%, 0%, 100%)");
}

// A page's controls wear the skin and leave it with the page; views dropped leave no GDI object.
TEST_F(ChartViewTest, ControlsThatAppearWithAPageWearTheSkinAndLeaveWithIt) {
  Open(L"/b");
  const LONG before = skin::SkinnedWindowCount;
  for (PageId page : {PageId::Mixer, PageId::Converter}) {
    Open(page);
    const std::vector<HWND> controls = Children(view_->Pane());
    ASSERT_FALSE(controls.empty());
    for (HWND control : controls) {
      EXPECT_TRUE(skin::IsSkinned(control)) << static_cast<int>(page);
      if (skin::WindowClassName(control) != L"Button") continue;
      EXPECT_EQ(skin::KindOf(control), skin::SkinKind::CommandButton);
      EXPECT_NE(skin::ReadProp(control, L"0HDC"), 0);
    }
    EXPECT_EQ(skin::SkinnedWindowCount, before + static_cast<LONG>(controls.size()));
  }
  Open(L"/b");
  EXPECT_TRUE(Children(view_->Pane()).empty());
  EXPECT_EQ(skin::SkinnedWindowCount, before);
  auto viewOnce = [&] {
    site::ChartView view(form(), RECT{0, 0, 400, 300});
    view.Navigate(std::wstring(site::BuiltInOrigin) + site::ChartFor(PageId::Mixer)->path);
    SendMessageW(view.Pane(), WM_KEYDOWN, VK_NEXT, 1);
    UpdateWindow(view.Window());
  };
  viewOnce();  // whatever a first view sets up for the process stays
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 5; ++i) viewOnce(); }), 0);
}

// The licensed charts say where their pages would be; unknown addresses show a page naming them.
TEST_F(ChartViewTest, PagesWithoutAChartSayWhy) {
  for (const site::ChartEntry& chart : site::Charts()) {
    if (std::wstring_view(chart.summary).find(L"Licensed") == std::wstring_view::npos) continue;
    Open(chart.path);
    EXPECT_EQ(Page().title, std::wstring(chart.title) + L" · Not built in");
    EXPECT_NE(Page().sections.at(1).paragraphs.back().find(chart.path), std::wstring::npos);
  }
  for (const wchar_t* address : {L"https://www.tintora.example/soft/qovu/nothing.htm", L"not an address"}) {
    view_->Navigate(address);
    EXPECT_EQ(Page().id, PageId::NotFound);
    EXPECT_EQ(skin::WindowText(view_->Window()), address);
    EXPECT_EQ(Page().sections.at(0).paragraphs.at(0), address);
  }
}

}  // namespace
