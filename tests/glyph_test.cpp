// Check boxes and option buttons: the glyph the skin draws over their own painting, in each
// state, enabled and disabled, and how it follows the mouse, the space bar and the focus.
#include <cmath>
#include <utility>

#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using gallery::CheckBoxClass;
using gallery::OptionButtonClass;
using test::Art;
using test::At;
using test::Centre;
using test::Prop;
using Glyph = test::SkinTest;

constexpr COLORREF Own = RGB(0x12, 0x34, 0x56);  // painted where the control's own look shows
// OLDSTATE holds this when the skin painted nothing: no paint writes it.
constexpr int Untouched = 7;

// Frame and fill by state (none while disabled, which stores the state all the same); the
// same state again is skipped unless forced.
TEST_F(Glyph, TheCheckBoxFrameAndFillFollowTheStateAndTheSameStateIsSkipped) {
  HWND box = AddGlyph(CheckBoxClass, 10);
  Skin();
  const SIZE glyph = test::GlyphBox();
  const int y0 = test::GlyphTop(21);
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 1);
  test::Dab(box, 0, y0, Own);
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 0);
  EXPECT_EQ(test::ReadWindow(box).at(0, y0), Own);
  const struct {
    int state;
    bool enabled;
    COLORREF frame, inside;  // inside: at (1, y0 + 1)
  } cases[] = {
      {StateHover, true, test::FrameBlue, Art(GlyphBitmap, 1, 17)},  // forced over the dab
      {StateNormal, true, test::FrameBlue, White},
      {StatePressed, true, test::PressedFrame, Art(GlyphBitmap, 1, 30)},
      {StatePressed, false, test::PaleFrame, White},
  };
  for (const auto& c : cases) {
    EnableWindow(box, c.enabled);
    EXPECT_EQ(PaintCheckBox(box, c.state, true), 1);
    const test::Pixels shown = test::ReadWindow(box);
    SCOPED_TRACE(testing::Message() << "state " << c.state << (c.enabled ? "" : " disabled"));
    EXPECT_EQ(shown.at(0, y0), c.frame);
    EXPECT_EQ(shown.at(glyph.cx - 1, y0 + glyph.cy - 1), c.frame);
    EXPECT_EQ(shown.at(1, y0 + 1), c.inside);
    EXPECT_EQ(Prop(box, PropOldState), c.state);
  }
}

// The glyph and its marks centred with halves rounded to even (20 and 18 pixels high round
// 3.5 and 2.5 with a 13-pixel box), enabled and disabled, the key leaving the box showing.
TEST_F(Glyph, TheCheckBoxAndItsMarksAreCentredWithHalvesRoundedToEven) {
  const int heights[] = {21, 20, 18};
  HWND checked[3];
  for (int i = 0; i < 3; ++i) checked[i] = AddGlyph(CheckBoxClass, 10 + 30 * i, heights[i]);
  HWND disabled = AddGlyph(CheckBoxClass, 100);
  HWND third = AddGlyph(CheckBoxClass, 130), disabledThird = AddGlyph(CheckBoxClass, 160);
  for (HWND w : {checked[0], checked[1], checked[2], disabled}) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  for (HWND w : {disabled, disabledThird}) EnableWindow(w, FALSE);
  ReportCheck({third, disabledThird}, BST_INDETERMINATE);
  Skin();
  const SIZE glyph = test::GlyphBox();
  const int mx = Centre(glyph.cx - 9), my = Centre(glyph.cy - 8);  // the 9 x 8 tick
  for (int i = 0; i < 3; ++i) {
    PaintCheckBox(checked[i], StateNormal, true);
    const int y0 = test::GlyphTop(heights[i]);
    const test::Pixels shown = test::ReadWindow(checked[i]);
    SCOPED_TRACE(testing::Message() << "height " << heights[i]);
    EXPECT_EQ(shown.at(0, y0), test::FrameBlue);
    EXPECT_NE(shown.at(0, y0 - 1), test::FrameBlue);
    EXPECT_EQ(shown.at(mx + 8, y0 + my), Art(CheckBitmap, 8, 0));      // tip of the tick
    EXPECT_EQ(shown.at(mx, y0 + my + 3), Art(CheckBitmap, 0, 3));      // its left end
    EXPECT_EQ(shown.at(mx + 3, y0 + my + 7), Art(CheckBitmap, 3, 7));  // its bottom
    EXPECT_EQ(shown.at(mx, y0 + my), White);
  }
  const int y0 = test::GlyphTop(21);
  PaintCheckBox(disabled, StateNormal, true);
  EXPECT_EQ(test::ReadWindow(disabled).at(mx + 8, y0 + my), Art(CheckBitmap, 9 + 8, 0));
  const int sx = Centre(glyph.cx - 7), sy = y0 + Centre(glyph.cy - 7);  // the 7 x 7 square
  for (HWND w : {third, disabledThird}) {
    PaintCheckBox(w, StateNormal, true);
    const int left = w == third ? 1 : 10;
    const test::Pixels square = test::ReadWindow(w);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x)
        EXPECT_EQ(square.at(sx + x, sy + y), Art(CheckBitmap, left + x, 9 + y)) << x << "," << y;
  }
}

// The circle of each state drawn in place, its 24 key corners keeping the control's own look
// ((2, 2) lies in its unscaled corner, inside the ring, for any glyph box); the dot when
// selected; the disabled circle and dot whatever the state; no dot for a check value of 2.
TEST_F(Glyph, TheOptionCircleFollowsTheStateKeepsItsCornersAndCarriesTheDot) {
  HWND checked = AddGlyph(OptionButtonClass, 10), disabled = AddGlyph(OptionButtonClass, 40);
  HWND two = AddGlyph(OptionButtonClass, 70);
  for (HWND w : {checked, disabled}) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(disabled, FALSE);
  ReportCheck({two}, BST_INDETERMINATE);
  Skin();
  const SIZE glyph = test::GlyphBox();
  const int y0 = test::GlyphTop(21);
  const int dx = Centre(glyph.cx - 5), dy = static_cast<int>(std::nearbyint(y0 + (glyph.cy - 5) / 2.0));
  for (int state = StateNormal; state <= StatePressed; ++state) {
    test::Dab(checked, 0, y0, Own, glyph.cx, glyph.cy);
    PaintOptionButton(checked, state, true);
    const test::Pixels shown = test::ReadWindow(checked);
    SCOPED_TRACE(testing::Message() << "state " << state);
    EXPECT_EQ(shown.at(2, y0 + 2), Art(GlyphBitmap, 2, 13 * state + 2));
    EXPECT_EQ(shown.Count(Own, 0, y0, glyph.cx, glyph.cy), 24);
    EXPECT_EQ(shown.at(0, y0), Own);
    EXPECT_EQ(shown.at(glyph.cx - 1, y0 + glyph.cy - 1), Own);
    EXPECT_EQ(shown.at(dx + 2, dy + 2), Art(CheckBitmap, 2 + 2, 18 + 2));
    EXPECT_EQ(shown.at(dx + 1, dy), Art(CheckBitmap, 2 + 1, 18));
  }
  PaintOptionButton(two, StateNormal, true);
  PaintOptionButton(disabled, StatePressed, true);
  EXPECT_EQ(test::ReadWindow(disabled).at(2, y0 + 2), Art(GlyphBitmap, 2, 13 * 3 + 2));
  EXPECT_EQ(test::ReadWindow(disabled).at(dx + 2, dy + 2), Art(CheckBitmap, 11 + 2, 18 + 2));
  EXPECT_NE(test::ReadWindow(two).at(dx + 2, dy + 2), Art(CheckBitmap, 2 + 2, 18 + 2));
}

// What each event makes of the glyph, for both kinds, each message passed on once; a press
// shows it pressed, every move repaints it, and the focus repaints an option button only.
TEST_F(Glyph, TheGlyphFollowsTheMouseTheSpaceBarPaintsAndTheFocus) {
  HWND check = AddGlyph(CheckBoxClass, 10), option = AddGlyph(OptionButtonClass, 40);
  for (HWND w : {check, option}) test::InstallRecordingSubclass(w);
  Skin();
  const int y0 = test::GlyphTop(21);
  const struct {
    UINT message;
    WPARAM wParam;
    int state;
  } steps[] = {{WM_MOUSEMOVE, 0, StateHover},         {WM_MOUSEMOVE, MK_LBUTTON, StatePressed},
               {WM_KEYUP, VK_SPACE, StateNormal},     {WM_KEYDOWN, VK_SPACE, StatePressed},
               {WM_KEYDOWN, VK_RETURN, Untouched},    {WM_LBUTTONDBLCLK, MK_LBUTTON, Untouched},
               {WM_LBUTTONDOWN, MK_LBUTTON, StatePressed}, {WM_LBUTTONUP, 0, StateNormal},
               {WM_MOUSELEAVE, 0, StateNormal},       {WM_PAINT, 0, StateNormal}};
  for (HWND w : {check, option}) {
    test::PointAt(w, 5, 5);
    SetFocus(w);  // as a press would, which repaints an option button
    Settle();     // the move the cursor made
    for (const auto& s : steps) {
      WriteProp(w, PropOldState, Untouched);
      test::Recorder::Clear();
      if (s.message == WM_PAINT) {
        Repaint(w);
      } else {
        SendMessageW(w, s.message, s.wParam, At(5, 5));
      }
      ReleaseCapture();
      EXPECT_EQ(Prop(w, PropOldState), s.state) << "message " << s.message << " key " << s.wParam;
      EXPECT_EQ(Prop(w, PropMouseFlag), s.message == WM_MOUSELEAVE || s.message == WM_PAINT ? 0 : 1);
      EXPECT_EQ(test::Recorder::Count(s.message, w), 1) << "message " << s.message;
    }
    // (Letting the mouse go makes the control paint itself again.)
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(test::ReadWindow(w).at(w == check ? 0 : 2, y0 + (w == check ? 0 : 2)),
              w == check ? test::PressedFrame : Art(GlyphBitmap, 2, 13 * StatePressed + 2));
    ReleaseCapture();
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    test::Dab(w, 0, y0, Own, 3, 3);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_NE(test::ReadWindow(w).at(2, y0 + 2), Own);
  }
  for (HWND focus : {check, option}) {
    WriteProp(check, PropOldState, StateHover);
    WriteProp(option, PropOldState, StateHover);
    SetFocus(focus);
    EXPECT_EQ(Prop(check, PropOldState), StateHover);
    EXPECT_EQ(Prop(option, PropOldState), StateNormal);
  }
}

// A release repaints every glyph beside the window and below, or inside a window without a
// parent, normal.
TEST_F(Glyph, AReleaseRepaintsEveryGlyphBesideTheWindow) {
  HWND button = AddButton();
  HWND panel = test::CreateRecordingWindow(L"TintoraTestPanel", form(), 0, 200, 10, 150, 100);
  const HWND glyphs[] = {
      AddGlyph(CheckBoxClass, 40), AddGlyph(OptionButtonClass, 70),
      CreateWindowExW(0, OptionButtonClass, L"n", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 5, 100, 21,
                      panel, nullptr, nullptr, nullptr)};
  Skin();
  for (HWND released : {button, form()}) {
    for (HWND w : glyphs) WriteProp(w, PropOldState, StateHover);
    SendMessageW(released, WM_LBUTTONUP, 0, At(5, 5));
    for (HWND w : glyphs) EXPECT_EQ(Prop(w, PropOldState), StateNormal) << "released on " << released;
  }
}

}  // namespace
