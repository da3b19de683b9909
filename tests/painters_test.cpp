// The control face painters on real windows, read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <memory>

#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/render/painters.h"
#include "skin/render/skin_colors.h"
#include "skin/render/visual_state.h"
#include "app/gallery/kind_classes.h"
#include "tests/support/pixels.h"
#include "tests/support/recorder.h"
#include "tests/support/skin_form.h"

namespace {

using namespace skin;

// Centring as the skin does it, computed independently: nearest, ties to even.
int Centre(double space) { return static_cast<int>(std::nearbyint(space / 2.0)); }

COLORREF Pixel(HDC surface, int x, int y) { return GetPixel(surface, x, y); }

int GlyphWidth() { return GetSystemMetrics(SM_CXMENUCHECK); }
int GlyphHeight() { return GetSystemMetrics(SM_CYMENUCHECK); }

class Painters : public ::testing::Test {
 protected:
  void TearDown() override {
    form_.reset();
    EXPECT_EQ(SkinnedWindowCount, 0);
  }
  test::SkinForm& form() {
    if (!form_) form_ = std::make_unique<test::SkinForm>();
    return *form_;
  }
  std::unique_ptr<test::SkinForm> form_;
};

// ---- Command buttons ----

TEST_F(Painters, EveryButtonFaceShowsItsArtworkAtFullOpacity) {
  HWND button = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"OK");
  form().Skin();
  // Spots whose source pixel in the 7 x 21 face is unambiguous at 75 x 23: top edge,
  // first inner row, a corner pixel, both sides, bottom edge and the bottom-right corner.
  struct Spot {
    int x, y, sx, sy;
  };
  const Spot spots[] = {{10, 0, 3, 0}, {10, 1, 3, 1}, {1, 1, 1, 1},   {0, 11, 0, 10},
                        {74, 11, 6, 10}, {10, 22, 3, 20}, {73, 21, 5, 19}};
  for (int state = StateNormal; state <= StateDisabled; ++state) {
    WriteProp(button, PropOldState, state);
    test::SkinForm::Repaint(button);
    EXPECT_EQ(ReadIntProp(button, PropAlphaLevel), 255);
    test::Pixels shown = test::ReadWindow(button);
    for (const Spot& s : spots) {
      EXPECT_EQ(shown.at(s.x, s.y), Pixel(ButtonBitmap, s.sx, 21 * state + s.sy))
          << "state " << state << " at (" << s.x << "," << s.y << ")";
    }
  }
}

TEST_F(Painters, AFocusedButtonShowsTheFocusRectangleOnEveryFace) {
  HWND button = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"");
  HWND other = form().Add(L"Button", BS_PUSHBUTTON, 10, 50, 75, 23, L"");
  form().Skin();
  SetFocus(other);
  RenderButtonFaces(button);
  test::Pixels plain[4];
  for (int n = 0; n < 4; ++n) plain[n] = test::ReadDc(FaceDc(button, n), 0, 0, 75, 23);
  SetFocus(button);
  RenderButtonFaces(button);
  for (int n = 0; n < 4; ++n) {
    test::Pixels focused = test::ReadDc(FaceDc(button, n), 0, 0, 75, 23);
    int changed = 0;
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < 75; ++x) {
        if (focused.at(x, y) == plain[n].at(x, y)) continue;
        ++changed;
        bool onOutline = (x == 2 || x == 72 || y == 2 || y == 20) && x >= 2 && x <= 72 &&
                         y >= 2 && y <= 20;
        EXPECT_TRUE(onOutline) << "face " << n << " changed off the focus outline at " << x
                               << "," << y;
      }
    }
    EXPECT_GT(changed, 40) << "face " << n << " has no focus rectangle";
  }
}

TEST_F(Painters, APushButtonIsPaintedFromItsFacesACheckBoxStyledButtonByItself) {
  HWND push = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"Push");
  HWND check = form().Add(L"Button", BS_AUTOCHECKBOX, 10, 50, 100, 20, L"Check");
  HWND radio = form().Add(L"Button", BS_AUTORADIOBUTTON, 10, 80, 100, 20, L"Radio");
  for (HWND b : {push, check, radio}) test::InstallRecordingSubclass(b);
  form().Skin();
  for (HWND b : {push, check, radio}) {
    test::Recorder::Clear();
    test::SkinForm::Repaint(b);
    int paints = 0;
    for (const test::Recorded& r : test::Recorder::Log())
      if (r.hwnd == b && r.message == WM_PAINT) ++paints;
    EXPECT_EQ(paints, b == push ? 0 : 1);
  }
}

// ---- Check boxes ----

class CheckBoxes : public Painters {
 protected:
  HWND AddCheckBox(int height, DWORD extra = 0) {
    return form().Add(gallery::CheckBoxClass, BS_AUTOCHECKBOX | extra, 10, 10 + 30 * count_++, 120,
                      height, L"Check");
  }
  int count_ = 0;
};

TEST_F(CheckBoxes, FrameAndFillFollowTheStateAndTheEnabledState) {
  HWND box = AddCheckBox(21);
  form().Skin();
  const int cx = GlyphWidth();
  const int cy = GlyphHeight();
  const int y0 = Centre(21 - cy);
  struct Expect {
    int state;
    COLORREF frame;
    COLORREF inside;  // at (1, y0 + 1)
  };
  const Expect expects[] = {
      {StateNormal, SkinFrameColor, White},
      {StateHover, SkinFrameColor, Pixel(GlyphBitmap, 1, 17)},
      {StatePressed, CheckFramePressedColor, Pixel(GlyphBitmap, 1, 30)},
  };
  for (const Expect& e : expects) {
    EXPECT_EQ(PaintCheckBox(box, e.state, true), 1);
    test::Pixels shown = test::ReadWindow(box);
    EXPECT_EQ(shown.at(0, y0), e.frame) << "state " << e.state;
    EXPECT_EQ(shown.at(cx - 1, y0 + cy - 1), e.frame) << "state " << e.state;
    EXPECT_EQ(shown.at(1, y0 + 1), e.inside) << "state " << e.state;
    EXPECT_EQ(ReadIntProp(box, PropOldState), e.state);
  }
  EnableWindow(box, FALSE);
  EXPECT_EQ(PaintCheckBox(box, StatePressed, true), 1);
  test::Pixels disabled = test::ReadWindow(box);
  EXPECT_EQ(disabled.at(0, y0), SkinFrameDisabledColor);
  EXPECT_EQ(disabled.at(1, y0 + 1), White);  // no band while disabled
  EXPECT_EQ(ReadIntProp(box, PropOldState), StatePressed);
}

TEST_F(CheckBoxes, MarksAreCentredInTheGlyphBox) {
  HWND box = AddCheckBox(21);
  form().Skin();
  const int cx = GlyphWidth();
  const int cy = GlyphHeight();
  const int y0 = Centre(21 - cy);
  const int mx = Centre(cx - 9);  // (2, 2) in a 13 x 13 box, (1, 2) in an 11 x 11 one
  const int my = Centre(cy - 8);
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  PaintCheckBox(box, StateNormal, true);
  test::Pixels shown = test::ReadWindow(box);
  EXPECT_EQ(shown.at(mx + 8, y0 + my), Pixel(CheckBitmap, 8, 0));      // tip of the tick
  EXPECT_EQ(shown.at(mx, y0 + my + 3), Pixel(CheckBitmap, 0, 3));      // its left end
  EXPECT_EQ(shown.at(mx + 3, y0 + my + 7), Pixel(CheckBitmap, 3, 7));  // its bottom
  EXPECT_EQ(shown.at(mx, y0 + my), White);  // the key left the white box showing

  // A disabled checked box shows the pale mark at the same place.
  EnableWindow(box, FALSE);
  PaintCheckBox(box, StateNormal, true);
  shown = test::ReadWindow(box);
  EXPECT_EQ(shown.at(mx + 8, y0 + my), Pixel(CheckBitmap, 9 + 8, 0));

  // The third state shows the square instead.
  EnableWindow(box, TRUE);
  HWND three = AddCheckBox(21, BS_AUTO3STATE);
  SetWindowLongPtrW(three, GWL_STYLE, GetWindowLongPtrW(three, GWL_STYLE) | BS_AUTO3STATE);
  test::InstallRecordingSubclass(three);
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (hwnd != three || message != BM_GETCHECK) return false;
    result = BST_INDETERMINATE;
    return true;
  });
  skin::AttachSkin(three);
  PaintCheckBox(three, StateNormal, true);
  const int sx = Centre(cx - 7);
  const int sy = Centre(cy - 7);
  test::Pixels square = test::ReadWindow(three);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      EXPECT_EQ(square.at(sx + x, y0 + sy + y), Pixel(CheckBitmap, 1 + x, 9 + y));
  test::Recorder::SetHook({});
}

TEST_F(CheckBoxes, TheGlyphIsCentredVertically) {
  const int heights[] = {21, 20, 18};
  HWND boxes[3];
  for (int i = 0; i < 3; ++i) boxes[i] = AddCheckBox(heights[i]);
  form().Skin();
  for (int i = 0; i < 3; ++i) {
    PaintCheckBox(boxes[i], StateNormal, true);
    const int y0 = Centre(heights[i] - GlyphHeight());
    test::Pixels shown = test::ReadWindow(boxes[i]);
    EXPECT_EQ(shown.at(0, y0), SkinFrameColor) << "height " << heights[i];
    if (y0 > 0) {
      EXPECT_NE(shown.at(0, y0 - 1), SkinFrameColor) << "height " << heights[i];
    }
  }
  // 21 -> 5 (or 4 with a 13-pixel box), 20 -> round(4.5) = 4, 18 -> round(3.5) = 4 for 11.
  EXPECT_EQ(Centre(20 - 11), 4);
  EXPECT_EQ(Centre(18 - 11), 4);
  EXPECT_EQ(Centre(18 - 13), 2);
}

TEST_F(CheckBoxes, TheSameStateIsSkippedUnlessForced) {
  HWND box = AddCheckBox(21);
  form().Skin();
  const int y0 = Centre(21 - GlyphHeight());
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 1);
  auto overpaint = [&] {
    HDC dc = GetWindowDC(box);
    SetPixel(dc, 0, y0, RGB(1, 2, 3));
    ReleaseDC(box, dc);
  };
  overpaint();
  EXPECT_EQ(PaintCheckBox(box, StateHover, false), 0);
  EXPECT_EQ(test::ReadWindow(box).at(0, y0), RGB(1, 2, 3));
  EXPECT_EQ(PaintCheckBox(box, StateHover, true), 1);
  EXPECT_EQ(test::ReadWindow(box).at(0, y0), SkinFrameColor);
}

// ---- Option buttons ----

TEST_F(Painters, OptionDotSitsInTheCircleAndOnlyWhenChecked) {
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 10, 120, 21, L"One");
  form().Skin();
  const int cx = GlyphWidth();
  const int cy = GlyphHeight();
  const int y0 = Centre(21 - cy);
  const int dx = Centre(cx - 5);
  const int dy = static_cast<int>(std::nearbyint(y0 + (cy - 5) / 2.0));
  SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
  PaintOptionButton(option, StateNormal, true);
  test::Pixels shown = test::ReadWindow(option);
  EXPECT_EQ(shown.at(dx + 2, dy + 2), Pixel(CheckBitmap, 2 + 2, 18 + 2));
  EXPECT_EQ(shown.at(dx + 1, dy), Pixel(CheckBitmap, 2 + 1, 18));

  EnableWindow(option, FALSE);
  PaintOptionButton(option, StateNormal, true);
  shown = test::ReadWindow(option);
  EXPECT_EQ(shown.at(dx + 2, dy + 2), Pixel(CheckBitmap, 11 + 2, 18 + 2));
  EnableWindow(option, TRUE);

  // Radio buttons clamp their check to 1; a control reporting 2 shows no dot.
  test::InstallRecordingSubclass(option);
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (hwnd != option || message != BM_GETCHECK) return false;
    result = BST_INDETERMINATE;
    return true;
  });
  SendMessageW(option, BM_SETCHECK, BST_UNCHECKED, 0);
  PaintOptionButton(option, StateNormal, true);
  test::Pixels noDot = test::ReadWindow(option);
  EXPECT_NE(noDot.at(dx + 2, dy + 2), Pixel(CheckBitmap, 4, 20));
  test::Recorder::SetHook({});
}

TEST_F(Painters, OptionCircleCornersKeepTheControlsOwnPainting) {
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 10, 120, 21, L"One");
  form().Skin();
  const int cx = GlyphWidth();
  const int cy = GlyphHeight();
  const int y0 = Centre(21 - cy);
  const COLORREF own = RGB(0x12, 0x34, 0x56);
  for (int state = StateNormal; state <= StatePressed; ++state) {
    HDC dc = GetWindowDC(option);
    HBRUSH brush = CreateSolidBrush(own);
    RECT glyph{0, y0, cx, y0 + cy};
    FillRect(dc, &glyph, brush);
    DeleteObject(brush);
    ReleaseDC(option, dc);
    PaintOptionButton(option, state, true);
    test::Pixels shown = test::ReadWindow(option);
    EXPECT_EQ(shown.Count(own, 0, y0, cx, cy), 24) << "state " << state;
    EXPECT_EQ(shown.at(0, y0), own);
    EXPECT_EQ(shown.at(cx - 1, y0 + cy - 1), own);
    EXPECT_NE(shown.at(cx / 2, y0 + cy / 2), own);
  }
}

// ---- Combo boxes ----

class Combos : public Painters {
 protected:
  // A drop-down-list combo whose window is exactly `height` pixels high.
  HWND AddCombo(int height, DWORD style = CBS_DROPDOWNLIST) {
    HWND combo = form().Add(L"ComboBox", style | WS_VSCROLL, 10, 10 + 40 * count_++, 150, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    for (int itemHeight = height; itemHeight > 1; --itemHeight) {
      SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
      RECT r{};
      GetWindowRect(combo, &r);
      if (r.bottom - r.top <= height) break;
    }
    return combo;
  }
  static int Height(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
  }
  int count_ = 0;
};

TEST_F(Combos, TheDropButtonIsPlacedAndItsArrowCentred) {
  HWND combos[2] = {AddCombo(21), AddCombo(23)};
  form().Skin();
  const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1;
  for (HWND combo : combos) {
    const int h = Height(combo);
    ASSERT_TRUE(h == 21 || h == 23) << "combo is " << h << " high";
    RECT r{};
    GetWindowRect(combo, &r);
    const int w = r.right - r.left;
    int state = StateHover;
    PaintComboButton(combo, nullptr, state, true);
    test::Pixels shown = test::ReadWindow(combo);
    const int left = w - GetSystemMetrics(SM_CXVSCROLL) - 2;
    // The hover strip's border column starts the button; a margin of one pixel around it.
    EXPECT_EQ(shown.at(left, 5), Pixel(ComboBitmap, 0, 5)) << "height " << h;
    EXPECT_NE(shown.at(left - 1, 5), Pixel(ComboBitmap, 0, 5));
    EXPECT_EQ(shown.at(left + bw - 1, 1), Pixel(ComboBitmap, 3, 0));  // top-right corner piece
    // Arrow: the full top row of 7 at (round((w - 7) / 2), round((H - 6) / 2)) in the button.
    const int ax = left + Centre(bw - 7);
    const int ay = 1 + Centre(h - 6);
    for (int x = 0; x < 7; ++x) EXPECT_EQ(shown.at(ax + x, ay), Pixel(ComboBitmap, 8 + x, 0));
    EXPECT_EQ(shown.at(ax + 3, ay + 3), Pixel(ComboBitmap, 11, 3));
    EXPECT_NE(shown.at(ax, ay + 3), Pixel(ComboBitmap, 8, 3));  // magenta left out

    state = StateNormal;
    PaintComboButton(combo, nullptr, state, true);
    shown = test::ReadWindow(combo);
    EXPECT_EQ(shown.at(left, 5), White);
    EXPECT_EQ(shown.at(left + 2, 2), White);
  }
  EXPECT_EQ(Centre(18 - 7), 6);  // with SM_CXVSCROLL = 17
  EXPECT_EQ(Centre(21 - 6), 8);
  EXPECT_EQ(Centre(23 - 6), 8);
}

TEST_F(Combos, AnOpenListPaintsPressedAndTellsTheCaller) {
  HWND combo = AddCombo(21);
  form().Skin();
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  test::SkinForm::Settle();
  int state = StateHover;
  PaintComboButton(combo, nullptr, state, false);
  EXPECT_EQ(state, StatePressed);
  EXPECT_EQ(ReadIntProp(combo, PropOldState), StatePressed);
  RECT r{};
  GetWindowRect(combo, &r);
  const int left = (r.right - r.left) - GetSystemMetrics(SM_CXVSCROLL) - 2;
  test::Pixels shown = test::ReadWindow(combo);
  EXPECT_EQ(shown.at(left + 2, 2), Pixel(ComboBitmap, 6, 1));  // pressed middle column
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  test::SkinForm::Settle();
}

TEST_F(Combos, ASimpleComboHasNoDropButton) {
  HWND simple = form().Add(L"ComboBox", CBS_SIMPLE, 10, 10, 150, 100);
  form().Skin();
  WriteProp(simple, PropOldState, StateNormal);
  test::Pixels before = test::ReadWindow(simple);
  int state = StatePressed;
  PaintComboButton(simple, nullptr, state, true);
  EXPECT_EQ(ReadIntProp(simple, PropOldState), StateNormal);
  test::Pixels after = test::ReadWindow(simple);
  int differing = 0;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x) differing += after.at(x, y) != before.at(x, y);
  EXPECT_EQ(differing, 0);
}

// ---- Header items ----

TEST_F(Painters, AHeaderItemIsDrawnInItsStateWithItsText) {
  HWND header = form().Add(WC_HEADERW, HDS_BUTTONS, 10, 10, 300, 20);
  for (int i = 0; i < 3; ++i) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 80;
    wchar_t text[] = L"Item";
    item.pszText = i == 2 ? const_cast<wchar_t*>(L"") : text;
    SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  form().Skin();
  const int strips[3] = {0, 3, 6};
  for (int state = StateNormal; state <= StatePressed; ++state) {
    PaintHeaderItem(header, nullptr, 0, state);
    test::Pixels shown = test::ReadWindow(header);
    EXPECT_EQ(shown.at(0, 10), Pixel(HeaderBitmap, strips[state], 10)) << "state " << state;
    EXPECT_EQ(shown.at(79, 10), Pixel(HeaderBitmap, strips[state] + 2, 10)) << "state " << state;
  }
  // An item with text differs from its bare strip; the one without text is the strip alone.
  PaintHeaderItem(header, nullptr, 1, StateNormal);
  PaintHeaderItem(header, nullptr, 2, StateNormal);
  test::Pixels shown = test::ReadWindow(header);
  int textPixels = 0;
  int emptyItemOff = 0;
  for (int y = 1; y < 19; ++y) {
    for (int x = 82; x < 158; ++x) textPixels += shown.at(x, y) != Pixel(HeaderBitmap, 1, y);
    for (int x = 162; x < 238; ++x) emptyItemOff += shown.at(x, y) != Pixel(HeaderBitmap, 1, y);
  }
  EXPECT_GT(textPixels, 10);
  EXPECT_EQ(emptyItemOff, 0);
  // A negative index draws nothing.
  test::Pixels before = test::ReadWindow(header);
  PaintHeaderItem(header, nullptr, -1, StatePressed);
  test::Pixels after = test::ReadWindow(header);
  EXPECT_EQ(after.Count(Pixel(HeaderBitmap, 6, 10)), before.Count(Pixel(HeaderBitmap, 6, 10)));
}

}  // namespace
