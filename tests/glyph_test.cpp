// Check boxes and option buttons: the glyph the skin draws over their own painting, in each
// state, enabled and disabled, and how it follows the mouse, the space bar and the focus.
#include <cmath>
#include <tuple>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Glyph = test::SkinTest;
constexpr auto Check = gallery::CheckBoxClass;
constexpr auto Option = gallery::OptionButtonClass;

// Spots of the glyph box (top left 0, 0) in each look, over the control's own colour: the check
// box's frame and fill by state, its marks centred (halves to even: heights 20 and 18), the
// disabled ones grey; the option circle by state, disabled whatever the state, no dot for 2.
TEST_F(Glyph, EachStateAndCheckValueHasItsLookCentredInTheGlyphBox) {
  Skin();  // the artwork first: the cases read it; the controls are attached one by one
  const SIZE box = test::GlyphBox();
  const int tx = test::Centre(box.cx - 9), ty = test::Centre(box.cy - 8);  // the 9 x 8 tick
  const int sx = test::Centre(box.cx - 7), sy = test::Centre(box.cy - 7);  // the 7 x 7 square
  const int dx = test::Centre(box.cx - 5), top21 = test::GlyphTop(21);
  const int dy = static_cast<int>(std::nearbyint(top21 + (box.cy - 5) / 2.0)) - top21;
  const int r = box.cx - 1, b = box.cy - 1;  // the box's right and bottom
  auto circle = [](int x, int y) { return Art(GlyphBitmap, x, y); };
  auto mark = [](int x, int y) { return Art(CheckBitmap, x, y); };
  using Spot = std::tuple<int, int, COLORREF>;  // x, y and colour
  using Case = std::tuple<const wchar_t*, int, LRESULT, bool, int, std::vector<Spot>>;
  const Case cases[] = {
      {Check, 21, BST_UNCHECKED, true, StateNormal, {{0, 0, FrameBlue}, {r, b, FrameBlue}, {1, 1, White}}},
      {Check, 21, BST_UNCHECKED, true, StateHover, {{0, 0, FrameBlue}, {1, 1, circle(1, 17)}}},
      {Check, 21, BST_UNCHECKED, true, StatePressed, {{r, b, test::PressedFrame}, {1, 1, circle(1, 30)}}},
      {Check, 21, BST_UNCHECKED, false, StatePressed, {{0, 0, test::PaleFrame}, {1, 1, White}}},
      {Check, 21, BST_CHECKED, true, StateNormal, {{tx + 8, ty, mark(8, 0)}, {tx, ty + 3, mark(0, 3)}}},
      {Check, 20, BST_CHECKED, true, StateNormal, {{0, -1, Own}, {tx + 3, ty + 7, mark(3, 7)}}},
      {Check, 18, BST_CHECKED, true, StateNormal, {{0, -1, Own}, {tx + 3, ty + 7, mark(3, 7)}}},
      {Check, 21, BST_CHECKED, false, StateNormal, {{tx + 8, ty, mark(9 + 8, 0)}}},
      {Check, 21, BST_INDETERMINATE, true, StateNormal,
       {{sx, sy, mark(1, 9)}, {sx + 6, sy + 6, mark(7, 15)}}},
      {Check, 21, BST_INDETERMINATE, false, StateNormal, {{sx, sy, mark(10, 9)}, {sx + 3, sy - 1, White}}},
      {Option, 21, BST_UNCHECKED, true, StateNormal, {{2, 2, circle(2, 2)}, {0, 0, Own}}},
      {Option, 21, BST_CHECKED, true, StateHover,
       {{2, 2, circle(2, 15)}, {dx + 2, dy + 2, mark(4, 20)}, {dx + 1, dy, mark(3, 18)}}},
      {Option, 21, BST_CHECKED, true, StatePressed, {{2, 2, circle(2, 28)}, {r, b, Own}}},
      {Option, 21, BST_CHECKED, false, StatePressed, {{2, 2, circle(2, 41)}, {dx + 2, dy + 2, mark(13, 20)}}},
      {Option, 21, BST_INDETERMINATE, true, StateNormal, {{dx + 2, dy + 2, circle(dx + 2, dy + 2)}}},
  };
  std::vector<HWND> windows;
  for (const auto& [cls, height, check, enabled, state, spots] : cases) {
    windows.push_back(AddGlyph(cls, 5 + 25 * static_cast<int>(windows.size()), height));
    EnableWindow(windows.back(), enabled);
    test::InstallRecordingSubclass(windows.back());  // it answers BM_GETCHECK as the case says
    AttachSkin(windows.back());
  }
  Settle();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& [cls, height, check, enabled, state, spots] = cases[i];
    HWND w = windows[i];
    test::Recorder::SetHook([w, check = check](HWND to, UINT message, WPARAM, LPARAM, LRESULT& result) {
      result = check;
      return to == w && message == BM_GETCHECK;
    });
    const int top = test::GlyphTop(height);
    test::Dab(w, 0, top - 1, Own, box.cx, box.cy + 1);
    EXPECT_EQ((cls == Check ? PaintCheckBox : PaintOptionButton)(w, state, true), 1);
    const test::Pixels shown = test::ReadWindow(w);
    for (const auto& [x, y, colour] : spots)
      EXPECT_EQ(shown.at(x, top + y), colour) << "case " << i << " at " << x << ", " << y;
    // An option button's circle leaves its 24 key corners alone.
    EXPECT_TRUE(cls == Check || shown.Count(Own, 0, top, box.cx, box.cy) == 24) << "case " << i;
  }
  EXPECT_EQ(PaintCheckBox(windows[0], StateNormal, false), 0);  // the same state again is skipped
}

// Each event's look, each message passed on once; a press shows the pressed look, every move
// repaints, the focus repaints an option button only, a release repaints every glyph beside.
TEST_F(Glyph, TheGlyphFollowsTheMouseTheSpaceBarTheFocusAndReleases) {
  HWND check = AddGlyph(Check, 10), option = AddGlyph(Option, 40), button = AddButton(10, 70);
  HWND panel = test::CreateRecordingWindow(L"TintoraTestPanel", form(), 0, 200, 10, 150, 100);
  HWND inner = CreateWindowExW(0, Option, L"n", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 5, 100, 21,
                               panel, nullptr, nullptr, nullptr);
  for (HWND w : {check, option}) test::InstallRecordingSubclass(w);
  Skin();
  const int y0 = test::GlyphTop(21);
  const std::tuple<UINT, WPARAM, int> steps[] = {  // message, wParam, the state it paints
      {WM_MOUSEMOVE, 0, StateHover},          {WM_MOUSEMOVE, MK_LBUTTON, StatePressed},
      {WM_KEYUP, VK_SPACE, StateNormal},      {WM_KEYDOWN, VK_SPACE, StatePressed},
      {WM_KEYDOWN, VK_RETURN, test::Untouched}, {WM_LBUTTONDBLCLK, MK_LBUTTON, test::Untouched},
      {WM_LBUTTONDOWN, MK_LBUTTON, StatePressed}, {WM_LBUTTONUP, 0, StateNormal},
      {WM_MOUSELEAVE, 0, StateNormal},        {WM_PAINT, 0, StateNormal}};
  for (HWND w : {check, option}) {
    test::PointAt(w, 5, 5);
    SetFocus(w);  // as a press would, which repaints an option button
    Settle();     // the move the cursor made
    for (const auto& [message, wParam, state] : steps) {
      WriteProp(w, PropOldState, test::Untouched);
      test::Recorder::Clear();
      if (message == WM_PAINT) Repaint(w);
      if (message != WM_PAINT) SendMessageW(w, message, wParam, At(5, 5));
      ReleaseCapture();
      EXPECT_EQ(Prop(w, PropOldState), state) << "message " << message << " key " << wParam;
      EXPECT_EQ(Prop(w, PropMouseFlag), message == WM_MOUSELEAVE || message == WM_PAINT ? 0 : 1);
      EXPECT_EQ(test::Recorder::Count(message, w), 1) << "message " << message;
    }
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(test::ReadWindow(w).at(w == check ? 0 : 2, y0 + (w == check ? 0 : 2)),
              w == check ? test::PressedFrame : Art(GlyphBitmap, 2, 13 * StatePressed + 2));
    ReleaseCapture();  // (letting the mouse go makes the control paint itself again)
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    test::Dab(w, 0, y0, Own, 3, 3);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_NE(test::ReadWindow(w).at(2, y0 + 2), Own);
  }
  for (HWND focus : {check, option}) {
    for (HWND w : {check, option}) WriteProp(w, PropOldState, StateHover);
    SetFocus(focus);
    EXPECT_EQ(Prop(check, PropOldState) * 10 + Prop(option, PropOldState), StateHover * 10 + StateNormal);
  }
  for (HWND released : {button, form()}) {
    for (HWND w : {check, option, inner}) WriteProp(w, PropOldState, StateHover);
    SendMessageW(released, WM_LBUTTONUP, 0, At(5, 5));
    for (HWND w : {check, option, inner}) EXPECT_EQ(Prop(w, PropOldState), StateNormal) << released;
  }
}

}  // namespace
