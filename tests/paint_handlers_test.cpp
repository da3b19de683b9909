// WM_PAINT, WM_NCPAINT and WM_SIZE of skinned windows, read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <memory>

#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/painters.h"
#include "skin/render/skin_colors.h"
#include "skin/render/visual_state.h"
#include "app/gallery/kind_classes.h"
#include "tests/support/pixels.h"
#include "tests/support/recorder.h"
#include "tests/support/skin_form.h"

namespace {

using namespace skin;

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

class PaintHandlers : public ::testing::Test {
 protected:
  void SetUp() override { test::Recorder::Clear(); }
  void TearDown() override {
    test::Recorder::SetHook({});
    form_.reset();
    EXPECT_EQ(SkinnedWindowCount, 0);
  }
  test::SkinForm& form() {
    if (!form_) form_ = std::make_unique<test::SkinForm>();
    return *form_;
  }
  static int PaintsReaching(HWND hwnd) {
    int n = 0;
    for (const test::Recorded& r : test::Recorder::Log()) n += r.hwnd == hwnd && r.message == WM_PAINT;
    return n;
  }
  std::unique_ptr<test::SkinForm> form_;
};

// ---- Progress bars ----

class ProgressBars : public PaintHandlers {
 protected:
  // A bar with a one-pixel border around a client area of w x h.
  HWND AddBar(int w, int h, DWORD style, int position) {
    HWND bar = form().Add(gallery::ProgressBarClass, style | WS_BORDER, 10, 10 + 60 * count_++, w + 2,
                          h + 2);
    SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
    SendMessageW(bar, PBM_SETPOS, position, 0);
    return bar;
  }
  int count_ = 0;
};

TEST_F(ProgressBars, AHorizontalBarFillsFromTheLeftOnTheSkinsFullScale) {
  const int positions[] = {0, 15000, 30000};
  const int fills[] = {0, 50, 101};  // round(50.5) = 50: ties to even
  HWND bars[3];
  for (int i = 0; i < 3; ++i) bars[i] = AddBar(101, 12, 0, positions[i]);
  form().Skin();
  for (int i = 0; i < 3; ++i) {
    test::SkinForm::Repaint(bars[i]);
    test::Pixels shown = test::ReadWindow(bars[i]);
    // The frame: outer ring in the frame colour (also when disabled would be the same).
    EXPECT_EQ(shown.at(0, 0), SkinFrameColor);
    EXPECT_EQ(shown.at(102, 13), SkinFrameColor);
    const int y = 1 + 6;
    EXPECT_EQ(shown.Count(ProgressFillColor, 1, y, 101, 1), fills[i]) << "position " << positions[i];
    if (fills[i] > 0) {
      EXPECT_EQ(shown.at(1, y), ProgressFillColor);
    }
    if (fills[i] < 101) {
      EXPECT_EQ(shown.at(1 + fills[i], y), White);
    }
  }
}

TEST_F(ProgressBars, AVerticalBarGrowsFromTheBottom) {
  HWND bar = AddBar(30, 20, PBS_VERTICAL, 10000);
  form().Skin();
  test::SkinForm::Repaint(bar);
  test::Pixels shown = test::ReadWindow(bar);
  // f = 1/3: fill 7 high from y 13 of the 20-pixel client area.
  for (int y = 0; y < 20; ++y) {
    COLORREF expected = y >= 13 ? ProgressFillColor : White;
    EXPECT_EQ(shown.at(1 + 15, 1 + y), expected) << "row " << y;
  }
}

TEST_F(ProgressBars, TheFrameIsSkinColouredAndTheBarOneSolidBlock) {
  HWND bar = AddBar(101, 12, PBS_SMOOTH, 20000);
  HWND disabled = AddBar(101, 12, 0, 20000);
  EnableWindow(disabled, FALSE);
  form().Skin();
  for (HWND b : {bar, disabled}) {
    test::SkinForm::Repaint(b);
    test::Pixels shown = test::ReadWindow(b);
    EXPECT_EQ(shown.Count(SkinFrameColor, 0, 0, 103, 1), 103);
    EXPECT_EQ(shown.Count(ProgressFillColor, 1, 1, 101, 12), Round(101 * (20000 / 30000.0)) * 12);
  }
}

// ---- Headers ----

class Headers : public PaintHandlers {
 protected:
  HWND AddHeader(int items) {
    HWND header = form().Add(WC_HEADERW, HDS_BUTTONS, 10, 10, 300, 20);
    for (int i = 0; i < items; ++i) {
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.cxy = 80;
      wchar_t text[] = L"Name";
      item.pszText = text;
      SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    return header;
  }
  static COLORREF Art(int x, int y) { return GetPixel(HeaderBitmap, x, y); }
};

TEST_F(Headers, PressedWinsOverHoverAndTheRestAreNormal) {
  HWND header = AddHeader(3);
  test::InstallRecordingSubclass(header);
  form().Skin();
  test::Recorder::Clear();
  WriteProp(header, PropHdIndex, 1);
  WriteProp(header, PropHmIndex, 1);
  test::SkinForm::Repaint(header);
  EXPECT_EQ(PaintsReaching(header), 0);  // painted whole by the skin
  test::Pixels shown = test::ReadWindow(header);
  EXPECT_EQ(shown.at(0, 10), Art(0, 10));
  EXPECT_EQ(shown.at(80, 10), Art(6, 10));
  EXPECT_EQ(shown.at(160, 10), Art(0, 10));

  WriteProp(header, PropHdIndex, -1);
  WriteProp(header, PropHmIndex, 2);
  test::SkinForm::Repaint(header);
  shown = test::ReadWindow(header);
  EXPECT_EQ(shown.at(80, 10), Art(0, 10));
  EXPECT_EQ(shown.at(160, 10), Art(3, 10));
  // Right of the last item the background column shows.
  EXPECT_EQ(shown.at(260, 10), Art(1, 10));
  // The item texts are drawn: the middle of an item is not all background.
  int ink = 0;
  for (int x = 2; x < 78; ++x)
    for (int y = 2; y < 18; ++y) ink += shown.at(x, y) != Art(1, y);
  EXPECT_GT(ink, 10);
}

TEST_F(Headers, WithoutItemsOnlyTheBackgroundShows) {
  HWND header = AddHeader(0);
  form().Skin();
  test::SkinForm::Repaint(header);
  test::Pixels shown = test::ReadWindow(header);
  for (int y = 0; y < 20; ++y) EXPECT_EQ(shown.Count(Art(1, y), 0, y, 300, 1), 300) << "row " << y;
}

// ---- Frames ----

TEST_F(PaintHandlers, ASunkenEditGetsAFlatEdgeOfFrameAndBackgroundRings) {
  HWND edit = form().Add(L"Edit", 0, 10, 10, 120, 24, L"text", WS_EX_CLIENTEDGE);
  HWND disabled = form().Add(L"Edit", WS_DISABLED, 10, 50, 120, 24, L"text", WS_EX_CLIENTEDGE);
  form().Skin();
  for (HWND box : {edit, disabled}) {
    test::SkinForm::Repaint(box);
    test::Pixels shown = test::ReadWindow(box);
    COLORREF frame = box == edit ? SkinFrameColor : SkinFrameDisabledColor;
    EXPECT_EQ(shown.Count(frame, 0, 0, 120, 1), 120);
    EXPECT_EQ(shown.Count(frame, 0, 0, 1, 24), 24);
    HDC client = GetDC(box);
    COLORREF background = GetBkColor(client);
    ReleaseDC(box, client);
    // Ring 2 lies on the client area's outer ring, which a disabled edit paints grey
    // afterwards itself.
    const int rings = box == edit ? 2 : 1;
    for (int ring = 1; ring <= rings; ++ring) {
      EXPECT_EQ(shown.at(ring, 12), background) << "ring " << ring;
      EXPECT_EQ(shown.at(60, ring), background) << "ring " << ring;
      EXPECT_EQ(shown.at(119 - ring, 12), background) << "ring " << ring;
    }
  }
}

TEST_F(PaintHandlers, AGridIsFramedOnlyWithABorder) {
  HWND bordered = form().Add(gallery::GridClass, WS_BORDER, 10, 10, 100, 40);
  HWND plain = form().Add(gallery::GridClass, 0, 10, 60, 100, 40);
  form().Skin();
  test::SkinForm::Repaint(bordered);
  test::SkinForm::Repaint(plain);
  test::Pixels framed = test::ReadWindow(bordered);
  EXPECT_EQ(framed.Count(SkinFrameColor, 0, 0, 100, 1), 100);
  EXPECT_EQ(framed.at(1, 1), White);  // the inner ring is the grid's own
  test::Pixels unframed = test::ReadWindow(plain);
  EXPECT_EQ(unframed.Count(SkinFrameColor), 0);
}

TEST_F(PaintHandlers, DropDownListsAndComboListsGetTheFlatDoubleFrame) {
  HWND list = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 200);
  HWND data = form().Add(gallery::DataListClass, 0, 10, 60, 150, 80);
  test::InstallRecordingSubclass(list);
  form().Skin();
  test::Recorder::Clear();
  test::SkinForm::Repaint(list);
  test::SkinForm::Repaint(data);
  EXPECT_EQ(PaintsReaching(list), 1);  // a drop-down list paints itself first
  for (HWND w : {list, data}) {
    test::Pixels shown = test::ReadWindow(w);
    EXPECT_EQ(shown.at(20, 0), SkinFrameColor);
    EXPECT_EQ(shown.at(20, 1), White);
    EXPECT_EQ(shown.at(0, shown.height() / 2), SkinFrameColor);
  }
}

TEST_F(PaintHandlers, AnEditableComboIsPaintedWholeWithoutItsOwnProcedure) {
  HWND combo = form().Add(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 10, 10, 150, 200);
  test::InstallRecordingSubclass(combo);
  form().Skin();
  test::Recorder::Clear();
  test::SkinForm::Repaint(combo);
  EXPECT_EQ(PaintsReaching(combo), 0);
  test::Pixels shown = test::ReadWindow(combo);
  EXPECT_EQ(shown.at(0, 5), SkinFrameColor);
  EXPECT_EQ(shown.at(20, 0), SkinFrameColor);
}

TEST_F(PaintHandlers, ACheckBoxOrOptionPaintShowsItNormal) {
  HWND check = form().Add(gallery::CheckBoxClass, BS_AUTOCHECKBOX, 10, 10, 100, 21, L"c");
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 40, 100, 21, L"o");
  form().Skin();
  for (HWND w : {check, option}) {
    WriteProp(w, PropOldState, StateHover);
    test::SkinForm::Repaint(w);
    EXPECT_EQ(ReadIntProp(w, PropOldState), StateNormal);
  }
  const int y0 = Round((21 - GetSystemMetrics(SM_CYMENUCHECK)) / 2.0);
  EXPECT_EQ(test::ReadWindow(check).at(0, y0), SkinFrameColor);
}

// ---- Command buttons ----

TEST_F(PaintHandlers, APaintDuringAFadeShowsTheFaceWholeAndStopsTheFade) {
  HWND button = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"OK");
  form().Skin();
  WriteProp(button, PropOldState, StatePressed);
  WriteProp(button, PropAlphaLevel, 30);
  ASSERT_NE(StartTimer(button), 0u);
  test::SkinForm::Repaint(button);
  EXPECT_EQ(ReadIntProp(button, PropTimerId), 0);
  EXPECT_EQ(ReadIntProp(button, PropAlphaLevel), 255);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 42 + 1));
}

TEST_F(PaintHandlers, AResizedButtonGetsNewFacesAndANewRegionOnce) {
  HWND button = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"OK");
  test::InstallRecordingSubclass(button);
  form().Skin();
  HGDIOBJ oldBitmaps[FaceCount];
  HDC faces[FaceCount];
  for (int n = 0; n < FaceCount; ++n) {
    oldBitmaps[n] = reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n)));
    faces[n] = FaceDc(button, n);
  }
  test::Recorder::Clear();
  SetWindowPos(button, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  test::SkinForm::Settle();
  int sizes = 0;
  for (const test::Recorded& r : test::Recorder::Log()) sizes += r.hwnd == button && r.message == WM_SIZE;
  EXPECT_EQ(sizes, 1);
  for (int n = 0; n < FaceCount; ++n) {
    EXPECT_EQ(FaceDc(button, n), faces[n]) << "the face buffer itself stays";
    auto bitmap = reinterpret_cast<HBITMAP>(ReadProp(button, FaceBitmapPropName(n)));
    EXPECT_EQ(GetCurrentObject(faces[n], OBJ_BITMAP), bitmap);
    BITMAP info{};
    ASSERT_NE(GetObjectW(bitmap, sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 80);
    EXPECT_EQ(info.bmHeight, 24);
    EXPECT_EQ(GetObjectType(oldBitmaps[n]), 0u) << "old face bitmap " << n << " not freed";
  }
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  HRGN expected = CreateRoundRectRgn(0, 0, 81, 25, 3, 3);
  ASSERT_NE(GetWindowRgn(button, actual), ERROR);
  EXPECT_TRUE(EqualRgn(actual, expected));
  DeleteObject(actual);
  DeleteObject(expected);
}

TEST_F(PaintHandlers, AResizeAnsweredWithAnotherSizeMessageDoesNotRecurse) {
  HWND button = form().Add(L"Button", BS_PUSHBUTTON, 10, 10, 75, 23, L"OK");
  test::InstallRecordingSubclass(button);
  form().Skin();
  // A platform whose window manager answers every move, the region's included, with a
  // WM_SIZE of the current size.
  int depth = 0;
  int deepest = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd != button || message != WM_WINDOWPOSCHANGED || depth > 10) return false;
    RECT r{};
    GetClientRect(hwnd, &r);
    ++depth;
    deepest = depth > deepest ? depth : deepest;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
    --depth;
    return false;
  });
  SetWindowPos(button, nullptr, 0, 0, 90, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  test::SkinForm::Settle();
  test::Recorder::SetHook({});
  EXPECT_LE(deepest, 2);
  BITMAP info{};
  GetObjectW(reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(0))), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 90);
  EXPECT_EQ(info.bmHeight, 26);
}

}  // namespace
