// The control face painters on real windows, read back from the screen.
#include "skin/render/painters.h"

#include <vector>

#include "tests/support/skin_surfaces.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using gallery::CheckBoxClass;
using gallery::OptionButtonClass;
using test::Art;
using test::Centre;
using Painters = test::SkinTest;

int GlyphWidth() { return GetSystemMetrics(SM_CXMENUCHECK); }
int GlyphHeight() { return GetSystemMetrics(SM_CYMENUCHECK); }

// ---- Command buttons ----

TEST_F(Painters, APushButtonShowsEachFaceWholeAndButtonStyledGlyphsPaintThemselves) {
  HWND push = AddButton(10, 10, L"OK");
  HWND check = form().Add(L"Button", BS_AUTOCHECKBOX, 10, 50, 100, 20, L"Check");
  HWND radio = form().Add(L"Button", BS_AUTORADIOBUTTON, 10, 80, 100, 20, L"Radio");
  for (HWND b : {push, check, radio}) test::InstallRecordingSubclass(b);
  form().Skin();
  // {x, y, source x, source y}: spots of a 75 x 23 button whose source in the 7 x 21 face is
  // unambiguous: edges, the first inner row, corners.
  const int spots[][4] = {{10, 0, 3, 0},   {10, 1, 3, 1},   {1, 1, 1, 1},   {0, 11, 0, 10},
                          {74, 11, 6, 10}, {10, 22, 3, 20}, {73, 21, 5, 19}};
  for (int state = StateNormal; state <= StateDisabled; ++state) {
    WriteProp(push, PropOldState, state);
    test::SkinForm::Repaint(push);
    EXPECT_EQ(test::Prop(push, PropAlphaLevel), 255);
    test::Pixels shown = test::ReadWindow(push);
    for (const auto& s : spots)
      EXPECT_EQ(shown.at(s[0], s[1]), Art(ButtonBitmap, s[2], 21 * state + s[3]))
          << "state " << state << " at " << s[0] << "," << s[1];
  }
  test::Recorder::Clear();
  for (HWND b : {push, check, radio}) test::SkinForm::Repaint(b);
  EXPECT_EQ(test::Received(push, WM_PAINT), 0);
  EXPECT_EQ(test::Received(check, WM_PAINT), 1);
  EXPECT_EQ(test::Received(radio, WM_PAINT), 1);
}

TEST_F(Painters, AFocusedButtonShowsTheFocusRectangleOnEveryFaceAndNothingElse) {
  HWND button = AddButton();
  HWND other = AddButton(10, 50);
  form().Skin();
  auto faces = [&](HWND focus) {
    SetFocus(focus);
    RenderButtonFaces(button);
    std::vector<test::Pixels> read;
    for (int n = 0; n < FaceCount; ++n)
      read.push_back(test::ReadDc(FaceDc(button, n), 0, 0, 75, 23));
    return read;
  };
  const std::vector<test::Pixels> plain = faces(other), focused = faces(button);
  for (int n = 0; n < FaceCount; ++n) {
    int onOutline = 0, elsewhere = 0;
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < 75; ++x) {
        if (focused[n].at(x, y) == plain[n].at(x, y)) continue;
        const bool outline =
            (x == 2 || x == 72 || y == 2 || y == 20) && x >= 2 && x <= 72 && y >= 2 && y <= 20;
        ++(outline ? onOutline : elsewhere);
      }
    }
    EXPECT_GT(onOutline, 40) << "face " << n;
    EXPECT_EQ(elsewhere, 0) << "face " << n;
  }
}

// Every pixel a caption adds to a face is black, or the disabled grey on the disabled face.
// The caption's font is drawn without smoothing, so its pixels take the text colour alone.
TEST_F(Painters, CaptionsAreBlackAndDisabledGreyOnTheDisabledFace) {
  HWND button = AddButton();
  LOGFONTW crisp{};
  crisp.lfHeight = -14;
  crisp.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyW(crisp.lfFaceName, L"Tahoma");
  skin::GdiObject<HFONT> font(CreateFontIndirectW(&crisp));
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  form().Skin();
  auto faces = [&](const wchar_t* caption) {
    SetWindowTextW(button, caption);
    RenderButtonFaces(button);
    std::vector<test::Pixels> read;
    for (int n = 0; n < FaceCount; ++n)
      read.push_back(test::ReadDc(FaceDc(button, n), 0, 0, 75, 23));
    return read;
  };
  const std::vector<test::Pixels> bare = faces(L""), captioned = faces(L"Hg");
  for (int n = 0; n < FaceCount; ++n) {
    const COLORREF ink = n == StateDisabled ? DisabledCaptionColor : Black;
    int inked = 0, other = 0;
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 75; ++x)
        if (captioned[n].at(x, y) != bare[n].at(x, y)) ++(captioned[n].at(x, y) == ink ? inked : other);
    EXPECT_GT(inked, 10) << "face " << n;
    EXPECT_EQ(other, 0) << "face " << n;
  }
}

// ---- Check boxes ----

TEST_F(Painters, CheckBoxFrameAndBandFollowTheStateAndASameStatePaintIsSkipped) {
  HWND box = AddGlyph(CheckBoxClass, 10);
  form().Skin();
  const int cx = GlyphWidth(), cy = GlyphHeight(), y0 = Centre(21 - cy);
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 1);
  test::Dab(box, 0, y0, RGB(1, 2, 3));
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 0);
  EXPECT_EQ(test::ReadWindow(box).at(0, y0), RGB(1, 2, 3));
  const struct {
    int state;
    bool enabled;
    COLORREF frame, inside;  // inside: at (1, y0 + 1)
  } cases[] = {
      {StateHover, true, SkinFrameColor, Art(GlyphBitmap, 1, 17)},  // forced over the dab
      {StateNormal, true, SkinFrameColor, White},
      {StatePressed, true, CheckFramePressedColor, Art(GlyphBitmap, 1, 30)},
      {StatePressed, false, SkinFrameDisabledColor, White},  // no band while disabled
  };
  for (const auto& c : cases) {
    EnableWindow(box, c.enabled);
    EXPECT_EQ(PaintCheckBox(box, c.state, true), 1);
    test::Pixels shown = test::ReadWindow(box);
    SCOPED_TRACE(testing::Message() << "state " << c.state << (c.enabled ? "" : " disabled"));
    EXPECT_EQ(shown.at(0, y0), c.frame);
    EXPECT_EQ(shown.at(cx - 1, y0 + cy - 1), c.frame);
    EXPECT_EQ(shown.at(1, y0 + 1), c.inside);
    EXPECT_EQ(test::Prop(box, PropOldState), c.state);
  }
}

TEST_F(Painters, TheCheckGlyphAndItsMarksAreCentredWithHalvesRoundedToEven) {
  const int heights[] = {21, 20, 18};  // 20 and 18 round a half (4.5 and 3.5 with 11 pixels)
  HWND checked[3];
  for (int i = 0; i < 3; ++i) checked[i] = AddGlyph(CheckBoxClass, 10 + 30 * i, heights[i]);
  HWND disabled = AddGlyph(CheckBoxClass, 100);
  HWND third = AddGlyph(CheckBoxClass, 130);
  HWND disabledThird = AddGlyph(CheckBoxClass, 160);
  EnableWindow(disabledThird, FALSE);
  for (HWND w : {checked[0], checked[1], checked[2], disabled})
    SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(disabled, FALSE);
  ReportCheck({third, disabledThird}, BST_INDETERMINATE);
  form().Skin();
  const int cx = GlyphWidth(), cy = GlyphHeight();
  const int mx = Centre(cx - 9), my = Centre(cy - 8);  // the 9 x 8 tick
  for (int i = 0; i < 3; ++i) {
    PaintCheckBox(checked[i], StateNormal, true);
    const int y0 = Centre(heights[i] - cy);
    test::Pixels shown = test::ReadWindow(checked[i]);
    SCOPED_TRACE(testing::Message() << "height " << heights[i]);
    EXPECT_EQ(shown.at(0, y0), SkinFrameColor);
    if (y0 > 0) {
      EXPECT_NE(shown.at(0, y0 - 1), SkinFrameColor);
    }
    EXPECT_EQ(shown.at(mx + 8, y0 + my), Art(CheckBitmap, 8, 0));      // tip of the tick
    EXPECT_EQ(shown.at(mx, y0 + my + 3), Art(CheckBitmap, 0, 3));      // its left end
    EXPECT_EQ(shown.at(mx + 3, y0 + my + 7), Art(CheckBitmap, 3, 7));  // its bottom
    EXPECT_EQ(shown.at(mx, y0 + my), White);  // the key left the white box showing
  }
  const int y0 = Centre(21 - cy);
  PaintCheckBox(disabled, StateNormal, true);
  EXPECT_EQ(test::ReadWindow(disabled).at(mx + 8, y0 + my), Art(CheckBitmap, 9 + 8, 0));
  const int sx = Centre(cx - 7), sy = y0 + Centre(cy - 7);  // the 7 x 7 square
  for (HWND w : {third, disabledThird}) {
    PaintCheckBox(w, StateNormal, true);
    const int left = w == third ? 1 : 10;  // enabled and disabled square
    test::Pixels square = test::ReadWindow(w);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x)
        EXPECT_EQ(square.at(sx + x, sy + y), Art(CheckBitmap, left + x, 9 + y)) << x << "," << y;
  }
}

// ---- Option buttons ----

TEST_F(Painters, TheOptionDotSitsInTheCircleWhoseCornersKeepTheControlsOwnPainting) {
  HWND checked = AddGlyph(OptionButtonClass, 10);
  HWND disabled = AddGlyph(OptionButtonClass, 40);
  HWND two = AddGlyph(OptionButtonClass, 70);
  for (HWND w : {checked, disabled}) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(disabled, FALSE);
  ReportCheck({two}, BST_INDETERMINATE);  // options clamp their check to 1: 2 shows no dot
  form().Skin();
  const int cx = GlyphWidth(), cy = GlyphHeight(), y0 = Centre(21 - cy);
  const int dx = Centre(cx - 5), dy = test::Round(y0 + (cy - 5) / 2.0);
  const COLORREF own = RGB(0x12, 0x34, 0x56);
  // (2, 2) of the circle lies in its unscaled corner, inside the ring, for any glyph box.
  for (int state = StateNormal; state <= StatePressed; ++state) {
    test::Dab(checked, 0, y0, own, cx, cy);
    PaintOptionButton(checked, state, true);
    test::Pixels shown = test::ReadWindow(checked);
    SCOPED_TRACE(testing::Message() << "state " << state);
    EXPECT_EQ(shown.at(2, y0 + 2), Art(GlyphBitmap, 2, 13 * state + 2));
    EXPECT_EQ(shown.Count(own, 0, y0, cx, cy), 24);
    EXPECT_EQ(shown.at(0, y0), own);
    EXPECT_EQ(shown.at(cx - 1, y0 + cy - 1), own);
    EXPECT_EQ(shown.at(dx + 2, dy + 2), Art(CheckBitmap, 2 + 2, 18 + 2));
    EXPECT_EQ(shown.at(dx + 1, dy), Art(CheckBitmap, 2 + 1, 18));
  }
  PaintOptionButton(two, StateNormal, true);
  PaintOptionButton(disabled, StatePressed, true);  // the disabled circle, whatever the state
  EXPECT_EQ(test::ReadWindow(disabled).at(2, y0 + 2), Art(GlyphBitmap, 2, 13 * 3 + 2));
  EXPECT_EQ(test::ReadWindow(disabled).at(dx + 2, dy + 2), Art(CheckBitmap, 11 + 2, 18 + 2));
  EXPECT_NE(test::ReadWindow(two).at(dx + 2, dy + 2), Art(CheckBitmap, 2 + 2, 18 + 2));
}

// ---- Combo boxes ----

TEST_F(Painters, TheComboDropButtonIsPlacedWithItsArrowCentredAndPressedWhileOpen) {
  const int heights[] = {21, 23};
  HWND combos[2];
  for (int i = 0; i < 2; ++i) {
    combos[i] = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 200, 10 + 40 * i, 150, 200);
    SendMessageW(combos[i], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    for (int item = heights[i]; item > 1 && test::WindowSize(combos[i]).cy != heights[i]; --item)
      SendMessageW(combos[i], CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
  HWND simple = form().Add(L"ComboBox", CBS_SIMPLE, 10, 10, 150, 100);
  HWND disabled = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_DISABLED, 200, 100,
                             150, 200);
  form().Skin();
  const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1;
  auto buttonLeft = [](HWND combo) {
    return test::WindowSize(combo).cx - GetSystemMetrics(SM_CXVSCROLL) - 2;
  };
  for (int i = 0; i < 2; ++i) {
    const int h = heights[i], left = buttonLeft(combos[i]);
    ASSERT_EQ(test::WindowSize(combos[i]).cy, h);
    SCOPED_TRACE(testing::Message() << "height " << h);
    int state = StateHover;
    PaintComboButton(combos[i], nullptr, state, true);
    test::Pixels shown = test::ReadWindow(combos[i]);
    // The hover strip's border column starts the button, with a one-pixel margin around.
    EXPECT_EQ(shown.at(left, 5), Art(ComboBitmap, 0, 5));
    EXPECT_NE(shown.at(left - 1, 5), Art(ComboBitmap, 0, 5));
    EXPECT_EQ(shown.at(left + bw - 1, 1), Art(ComboBitmap, 3, 0));  // top-right corner piece
    // The arrow's full top row of 7, centred in the button; its magenta left out.
    const int ax = left + Centre(bw - 7), ay = 1 + Centre(h - 6);
    for (int x = 0; x < 7; ++x) EXPECT_EQ(shown.at(ax + x, ay), Art(ComboBitmap, 8 + x, 0));
    EXPECT_EQ(shown.at(ax + 3, ay + 3), Art(ComboBitmap, 11, 3));
    EXPECT_NE(shown.at(ax, ay + 3), Art(ComboBitmap, 8, 3));
    state = StateNormal;
    PaintComboButton(combos[i], nullptr, state, true);
    shown = test::ReadWindow(combos[i]);
    EXPECT_EQ(shown.at(left, 5), White);
    EXPECT_EQ(shown.at(left + 2, 2), White);
  }
  // A disabled combo's arrow is the grey one.
  int state = StateHover;
  PaintComboButton(disabled, nullptr, state, true);
  const int dh = test::WindowSize(disabled).cy, ax = buttonLeft(disabled) + Centre(bw - 7);
  test::Pixels grey = test::ReadWindow(disabled);
  for (int x = 0; x < 7; ++x)
    EXPECT_EQ(grey.at(ax + x, 1 + Centre(dh - 6)), Art(ComboBitmap, 8 + x, 4)) << x;
  // While the list is open the button is pressed, and the caller is told.
  SendMessageW(combos[0], CB_SHOWDROPDOWN, TRUE, 0);
  test::SkinForm::Settle();
  state = StateHover;
  PaintComboButton(combos[0], nullptr, state, false);
  EXPECT_EQ(state, StatePressed);
  EXPECT_EQ(test::Prop(combos[0], PropOldState), StatePressed);
  EXPECT_EQ(test::ReadWindow(combos[0]).at(buttonLeft(combos[0]) + 2, 2), Art(ComboBitmap, 6, 1));
  SendMessageW(combos[0], CB_SHOWDROPDOWN, FALSE, 0);
  test::SkinForm::Settle();
  // A simple combo has no drop button: nothing is painted, OLDSTATE stays.
  WriteProp(simple, PropOldState, StateNormal);
  test::Pixels before = test::ReadWindow(simple);
  state = StatePressed;
  PaintComboButton(simple, nullptr, state, true);
  EXPECT_EQ(test::Prop(simple, PropOldState), StateNormal);
  EXPECT_EQ(test::CountDifferences(test::ReadWindow(simple), before), 0);
}

// ---- Headers ----

TEST_F(Painters, AHeaderIsPaintedWholeAndItemByItemInTheirStatesWithTheirTexts) {
  HWND header = AddHeader({L"Item", L"Item", L""});
  HWND empty = AddHeader({}, 50);
  test::InstallRecordingSubclass(header);
  form().Skin();
  // Pixels of an item that differ from the bare normal strip.
  auto ink = [](const test::Pixels& shown, int item) {
    int n = 0;
    for (int y = 1; y < 19; ++y)
      for (int x = 80 * item + 2; x < 80 * item + 78; ++x)
        n += shown.at(x, y) != Art(HeaderBitmap, 1, y);
    return n;
  };
  for (int state = StateNormal; state <= StatePressed; ++state) {
    PaintHeaderItem(header, nullptr, 0, state);
    test::Pixels shown = test::ReadWindow(header);
    EXPECT_EQ(shown.at(0, 10), Art(HeaderBitmap, 3 * state, 10)) << "state " << state;
    EXPECT_EQ(shown.at(79, 10), Art(HeaderBitmap, 3 * state + 2, 10)) << "state " << state;
  }
  PaintHeaderItem(header, nullptr, 1, StateNormal);
  PaintHeaderItem(header, nullptr, 2, StateNormal);
  test::Pixels shown = test::ReadWindow(header);
  EXPECT_GT(ink(shown, 1), 10);                        // the text
  EXPECT_EQ(ink(shown, 2), 0);                         // no text: the strip alone
  PaintHeaderItem(header, nullptr, -1, StatePressed);  // draws nothing
  EXPECT_EQ(test::CountDifferences(test::ReadWindow(header), shown), 0);

  // Painted whole, by the skin alone: pressed wins over hovered, the background shows right of
  // the items, and only the background without items.
  test::Recorder::Clear();
  const struct {
    int pressed, hovered, strips[3];
  } cases[] = {{1, 1, {0, 6, 0}}, {-1, 2, {0, 0, 3}}};
  for (const auto& c : cases) {
    WriteProp(header, PropHdIndex, c.pressed);
    WriteProp(header, PropHmIndex, c.hovered);
    test::SkinForm::Repaint(header);
    shown = test::ReadWindow(header);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(shown.at(80 * i, 10), Art(HeaderBitmap, c.strips[i], 10))
          << "item " << i << " hovered " << c.hovered;
  }
  EXPECT_EQ(test::Received(header, WM_PAINT), 0);
  EXPECT_GT(ink(shown, 0), 10);
  EXPECT_EQ(shown.at(260, 10), Art(HeaderBitmap, 1, 10));
  test::SkinForm::Repaint(empty);
  shown = test::ReadWindow(empty);
  for (int y = 0; y < 20; ++y)
    EXPECT_EQ(shown.Count(Art(HeaderBitmap, 1, y), 0, y, 300, 1), 300) << "row " << y;
}

}  // namespace
