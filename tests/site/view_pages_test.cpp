// The pages with controls of their own, late skin attachment, and "page not found".
#include <vector>

#include "colour/colour_management.h"
#include "colour/notation.h"
#include "site/catalogue.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/primitives.h"
#include "tests/site/view_fixture.h"
#include "tests/support/gdi_capacity.h"

namespace {

using test::Rgb;

constexpr wchar_t Mixer[] = L"/soft/qovu/txonlecolor.html";
constexpr wchar_t Converter[] = L"/soft/qovu/fool.htm";

std::vector<HWND> Children(HWND parent, const wchar_t* className = nullptr) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!className || skin::WindowClassName(child) == className) found.push_back(child);
  return found;
}

class PageWithControls : public test::ChartViewTest {
 protected:
  // The value of a notation row ("Hex", "RGB" ...), empty when there is none.
  std::wstring Notation(const wchar_t* name) const {
    const site::SwatchRef row = Find(name);
    return row.valid() ? Swatch(row).lines[1] : std::wstring();
  }
  void Convert(HWND input, const wchar_t* text) {
    SetWindowTextW(input, text);
    Key(input, VK_RETURN);
    UpdateWindow(view_->Pane());
  }
};

TEST_F(PageWithControls, ConverterListsEveryNotationOfWhatWasTyped) {
  Open(Converter);
  const std::vector<HWND> edits = Children(view_->Pane(), L"Edit");
  ASSERT_EQ(edits.size(), 1u);
  // The same colour typed in other notations, each kept as typed in its own row, then by name.
  const std::wstring lab = colour::FormatLab(colour::SrgbToLab(colour::Rgb8{0x66, 0x33, 0x99}));
  const struct {
    std::wstring typed;
    const wchar_t* row;
  } inputs[] = {{L"hsl(270, 50.1%, 40%)", L"HSL"}, {L"hsv(270, 66.7%, 60%)", L"HSV / HSB"},
                {lab, L"Lab"}, {L"#663399", L"Hex"}};
  for (const auto& input : inputs) {
    Convert(edits[0], input.typed.c_str());
    EXPECT_EQ(Notation(L"Hex"), L"#663399") << input.typed.c_str();
    EXPECT_EQ(Notation(input.row), input.typed);
  }
  Convert(edits[0], L"rebeccapurple");
  // #663399 as the standards write it: COLORREF 0x00BBGGRR and its decimal value.
  const struct {
    const wchar_t* row;
    const wchar_t* value;
  } rows[] = {{L"Hex", L"#663399"},          {L"RGB", L"rgb(102, 51, 153)"},
              {L"COLORREF", L"0x00993366"},  {L"Decimal", L"10040166"},
              {L"Visual Basic", L"&H00993366&"}, {L"Delphi", L"$00993366"}};
  for (const auto& row : rows) EXPECT_EQ(Notation(row.row), row.value) << std::wstring(row.row).c_str();
  EXPECT_TRUE(Find(L"rebeccapurple").valid());  // the nearest named colour is itself
  EXPECT_EQ(ChipOnScreen(FindCopy(L"#663399")), Rgb(0x663399));
  // Each notation can be selected and copied.
  view_->Select(Find(L"COLORREF"));
  Key(view_->Pane(), 'C', true);
  EXPECT_EQ(test::ClipboardText(), L"0x00993366");
}

// The reason takes the result's place; the text typed, the focus, the address and the
// page's controls stay as they were.
TEST_F(PageWithControls, BadInputShowsTheReasonInPlaceOfTheResultAndNothingElseChanges) {
  Open(Converter);
  HWND input = Children(view_->Pane(), L"Edit").at(0);
  Convert(input, L"#663399");
  ASSERT_GT(PanePixels().Count(Rgb(0x663399)), 0);
  const std::wstring address = skin::WindowText(view_->Window());
  const size_t controls = Children(view_->Pane()).size();
  for (const wchar_t* bad : {L"bleu", L"", L"rgb(300, 0, 0)", L"#12345"}) {
    SCOPED_TRACE(testing::Message() << "'" << std::wstring(bad).c_str() << "'");
    SetFocus(input);
    Convert(input, bad);
    const colour::ParseResult expected = colour::ParseColour(bad);
    ASSERT_FALSE(expected);
    ASSERT_EQ(Page().sections.size(), 2u);
    const site::Section& result = Page().sections[1];
    ASSERT_EQ(result.paragraphs.size(), 1u);
    EXPECT_EQ(result.paragraphs[0], expected.reason);
    EXPECT_FALSE(expected.reason.empty());
    EXPECT_EQ(PanePixels().Count(Rgb(0x663399)), 0) << "the old result is gone";
    EXPECT_EQ(skin::WindowText(input), bad);
    EXPECT_EQ(GetFocus(), input);
    EXPECT_EQ(skin::WindowText(view_->Window()), address);
    EXPECT_EQ(Children(view_->Pane()).size(), controls);
  }
}

TEST_F(PageWithControls, MixerFollowsItsBoxesArrowsAndModels) {
  Open(Mixer);
  HWND pane = view_->Pane();
  const std::vector<HWND> edits = Children(pane, L"Edit");
  const std::vector<HWND> models = Children(pane, L"ThunderRT6OptionButton");
  ASSERT_EQ(edits.size(), 4u);
  ASSERT_EQ(models.size(), 3u);
  EXPECT_FALSE(IsWindowVisible(edits[3]));  // RGB has three channels
  for (int i = 0; i < 3; ++i) SetWindowTextW(edits[i], i ? L"0" : L"255");
  Settle();
  UpdateWindow(pane);
  EXPECT_EQ(Notation(L"Hex"), L"#FF0000");
  EXPECT_EQ(ChipOnScreen(FindCopy(L"#FF0000")), Rgb(0xFF0000));
  // The arrows and the Up key step a channel; its range holds.
  SetFocus(edits[1]);
  Key(edits[1], VK_UP);
  Key(edits[1], VK_UP);
  EXPECT_EQ(Notation(L"Hex"), L"#FF0200");
  Key(edits[0], VK_UP);
  EXPECT_EQ(skin::WindowText(edits[0]), L"255");
  SetWindowTextW(edits[2], L"999");
  EXPECT_EQ(Notation(L"RGB"), L"rgb(255, 2, 255)");

  // Another model keeps the colour and shows its own channels: #CC00CC is hue 300,
  // saturation 100 and value 80; in inks, what the press makes of it.
  for (int i = 0; i < 3; ++i) SetWindowTextW(edits[i], i == 1 ? L"0" : L"204");
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
  for (HWND edit : edits) SetWindowTextW(edit, edit == edits[3] ? L"100" : L"0");
  Settle();
  EXPECT_EQ(Notation(L"Hex"), colour::FormatHex(colour::CmykToScreen({0, 0, 0, 100})));
  EXPECT_EQ(Notation(L"CMYK"), L"cmyk(0%, 0%, 0%, 100%)");
}

// Controls made with a page are skinned as they come, command buttons with faces of their
// own, and leave the skin (and the count) when the page goes.
TEST_F(PageWithControls, ControlsThatAppearWithAPageWearTheSkinAndLeaveWithIt) {
  Open(L"/b");
  const LONG before = skin::SkinnedWindowCount;
  for (const wchar_t* path : {Mixer, Converter}) {
    Open(path);
    const std::vector<HWND> controls = Children(view_->Pane());
    ASSERT_FALSE(controls.empty());
    for (HWND control : controls) EXPECT_TRUE(skin::IsSkinned(control)) << std::wstring(path).c_str();
    EXPECT_EQ(skin::SkinnedWindowCount, before + static_cast<LONG>(controls.size()));
  }
  for (HWND button : Children(view_->Pane(), L"Button")) {
    EXPECT_EQ(skin::KindOf(button), skin::SkinKind::CommandButton);
    EXPECT_NE(skin::ReadProp(button, L"0HDC"), 0);
  }
  Open(Mixer);
  for (HWND option : Children(view_->Pane(), L"ThunderRT6OptionButton"))
    EXPECT_EQ(skin::KindOf(option), skin::SkinKind::OptionButton);
  Open(L"/b");
  EXPECT_TRUE(Children(view_->Pane()).empty());
  EXPECT_EQ(skin::SkinnedWindowCount, before);
}

// Views made, shown with a page of controls, scrolled and dropped leave no GDI object
// behind: fonts, buffers and the controls' faces all go with them.
TEST_F(PageWithControls, ViewsDroppedLeaveNoGdiObjectBehind) {
  auto viewOnce = [&] {
    site::ChartView view(form(), RECT{0, 0, 400, 300});
    view.Navigate(std::wstring(site::BuiltInOrigin) + Mixer);
    SendMessageW(view.Pane(), WM_KEYDOWN, VK_NEXT, 1);
    UpdateWindow(view.Window());
  };
  viewOnce();  // whatever a first view sets up for the process stays
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 5; ++i) viewOnce(); }), 0);
}

// The licensed charts say they are not built in and where their pages would be; unknown
// addresses show a page naming them.
TEST_F(PageWithControls, PagesWithoutAChartSayWhy) {
  for (const site::ChartEntry& chart : site::Charts()) {
    if (std::wstring_view(chart.summary).find(L"Licensed") == std::wstring_view::npos) continue;
    Open(chart.path);
    EXPECT_EQ(Page().title, std::wstring(chart.title) + L" · Not built in");
    const std::vector<std::wstring>& how = Page().sections.at(1).paragraphs;
    EXPECT_NE(how.back().find(chart.path), std::wstring::npos) << how.back().c_str();
  }
  for (const wchar_t* address : {L"https://www.tintora.example/soft/qovu/nothing.htm",
                                 L"https://elsewhere.example/b", L"not an address"}) {
    view_->Navigate(address);
    EXPECT_EQ(Page().id, site::PageId::NotFound);
    EXPECT_EQ(skin::WindowText(view_->Window()), address);
    ASSERT_FALSE(Page().sections.empty());
    EXPECT_EQ(Page().sections[0].paragraphs.at(0), address);
  }
}

}  // namespace
