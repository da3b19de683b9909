// Check boxes and option buttons: the glyph the skin draws over their own painting, in each
// state, enabled and disabled, and how it follows the mouse, the space bar and the focus.
#include <cmath>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using gallery::CheckBoxClass;
using gallery::OptionButtonClass;
using test::Art;
using test::At;
using test::Centre;
using test::Own;
using test::Prop;
using Glyph = test::SkinTest;

// Each look at spots of the glyph box (its top left at 0, 0): the check box's frame and fill by
// state, pale when disabled, its 9 x 8 tick and 7 x 7 square centred with halves rounded to
// even (20 and 18 pixels high round 3.5 and 2.5 with a 13-pixel box), the disabled ones grey;
// the option circle of each state, the disabled one whatever the state, and its dot, none for
// a check value of 2. Painted over a dab in the control's own colour, so that a spot the
// skin leaves alone shows it.
TEST_F(Glyph, EachStateAndCheckValueHasItsLookCentredInTheGlyphBox) {
  Skin();  // the artwork first: the cases read it; the controls are attached one by one
  const SIZE box = test::GlyphBox();
  const int tx = Centre(box.cx - 9), ty = Centre(box.cy - 8);  // the 9 x 8 tick
  const int sx = Centre(box.cx - 7), sy = Centre(box.cy - 7);  // the 7 x 7 square
  const int dx = Centre(box.cx - 5), top21 = test::GlyphTop(21);
  const int dy = static_cast<int>(std::nearbyint(top21 + (box.cy - 5) / 2.0)) - top21;
  struct Spot {
    int x, y;
    COLORREF colour;
  };
  const struct {
    const wchar_t* cls;
    int height;
    LRESULT check;
    bool enabled;
    int state;
    std::vector<Spot> spots;
  } cases[] = {
      {CheckBoxClass, 21, BST_UNCHECKED, true, StateNormal,
       {{0, 0, test::FrameBlue}, {box.cx - 1, box.cy - 1, test::FrameBlue}, {1, 1, White}, {0, -1, Own}}},
      {CheckBoxClass, 21, BST_UNCHECKED, true, StateHover,
       {{0, 0, test::FrameBlue}, {1, 1, Art(GlyphBitmap, 1, 17)}}},
      {CheckBoxClass, 21, BST_UNCHECKED, true, StatePressed,
       {{box.cx - 1, box.cy - 1, test::PressedFrame}, {1, 1, Art(GlyphBitmap, 1, 30)}}},
      {CheckBoxClass, 21, BST_UNCHECKED, false, StatePressed, {{0, 0, test::PaleFrame}, {1, 1, White}}},
      {CheckBoxClass, 21, BST_CHECKED, true, StateNormal,
       {{tx + 8, ty, Art(CheckBitmap, 8, 0)}, {tx, ty + 3, Art(CheckBitmap, 0, 3)}, {tx, ty, White}}},
      {CheckBoxClass, 20, BST_CHECKED, true, StateNormal,
       {{0, 0, test::FrameBlue}, {tx + 3, ty + 7, Art(CheckBitmap, 3, 7)}, {0, -1, Own}}},
      {CheckBoxClass, 18, BST_CHECKED, true, StateNormal,
       {{0, 0, test::FrameBlue}, {tx + 3, ty + 7, Art(CheckBitmap, 3, 7)}, {0, -1, Own}}},
      {CheckBoxClass, 21, BST_CHECKED, false, StateNormal, {{tx + 8, ty, Art(CheckBitmap, 9 + 8, 0)}}},
      {CheckBoxClass, 21, BST_INDETERMINATE, true, StateNormal,
       {{sx, sy, Art(CheckBitmap, 1, 9)}, {sx + 6, sy + 6, Art(CheckBitmap, 7, 15)},
        {sx + 3, sy - 1, White}}},
      {CheckBoxClass, 21, BST_INDETERMINATE, false, StateNormal,
       {{sx, sy, Art(CheckBitmap, 10, 9)}, {sx + 6, sy + 6, Art(CheckBitmap, 16, 15)}}},
      {OptionButtonClass, 21, BST_UNCHECKED, true, StateNormal,
       {{2, 2, Art(GlyphBitmap, 2, 2)}, {0, 0, Own}}},
      {OptionButtonClass, 21, BST_CHECKED, true, StateHover,
       {{2, 2, Art(GlyphBitmap, 2, 15)}, {dx + 2, dy + 2, Art(CheckBitmap, 4, 20)},
        {dx + 1, dy, Art(CheckBitmap, 3, 18)}}},
      {OptionButtonClass, 21, BST_CHECKED, true, StatePressed,
       {{2, 2, Art(GlyphBitmap, 2, 28)}, {box.cx - 1, box.cy - 1, Own}}},
      {OptionButtonClass, 21, BST_CHECKED, false, StatePressed,
       {{2, 2, Art(GlyphBitmap, 2, 41)}, {dx + 2, dy + 2, Art(CheckBitmap, 13, 20)}}},
      {OptionButtonClass, 21, BST_INDETERMINATE, true, StateNormal,
       {{dx + 2, dy + 2, Art(GlyphBitmap, dx + 2, dy + 2)}}},
  };
  std::vector<HWND> windows;
  for (const auto& c : cases) {
    windows.push_back(AddGlyph(c.cls, 5 + 25 * static_cast<int>(windows.size()), c.height));
    EnableWindow(windows.back(), c.enabled);
    test::InstallRecordingSubclass(windows.back());  // it answers BM_GETCHECK as the case says
    AttachSkin(windows.back());
  }
  Settle();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& c = cases[i];
    HWND w = windows[i];
    test::Recorder::SetHook([w, check = c.check](HWND to, UINT message, WPARAM, LPARAM, LRESULT& result) {
      result = check;
      return to == w && message == BM_GETCHECK;
    });
    const int top = test::GlyphTop(c.height);
    test::Dab(w, 0, top - 1, Own, box.cx, box.cy + 1);
    const auto paint = c.cls == CheckBoxClass ? PaintCheckBox : PaintOptionButton;
    EXPECT_EQ(paint(w, c.state, true), 1);
    EXPECT_EQ(Prop(w, PropOldState), c.state);
    const test::Pixels shown = test::ReadWindow(w);
    for (const Spot& s : c.spots)
      EXPECT_EQ(shown.at(s.x, top + s.y), s.colour) << "case " << i << " at " << s.x << ", " << s.y;
    if (c.cls == OptionButtonClass) {
      EXPECT_EQ(shown.Count(Own, 0, top, box.cx, box.cy), 24) << "case " << i << ": the key corners";
    }
  }
  EXPECT_EQ(PaintCheckBox(windows[0], StateNormal, false), 0);  // the same state again is skipped
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
               {WM_KEYDOWN, VK_RETURN, test::Untouched}, {WM_LBUTTONDBLCLK, MK_LBUTTON, test::Untouched},
               {WM_LBUTTONDOWN, MK_LBUTTON, StatePressed}, {WM_LBUTTONUP, 0, StateNormal},
               {WM_MOUSELEAVE, 0, StateNormal},       {WM_PAINT, 0, StateNormal}};
  for (HWND w : {check, option}) {
    test::PointAt(w, 5, 5);
    SetFocus(w);  // as a press would, which repaints an option button
    Settle();     // the move the cursor made
    for (const auto& s : steps) {
      WriteProp(w, PropOldState, test::Untouched);
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
