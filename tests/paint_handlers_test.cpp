// WM_PAINT, WM_NCPAINT and WM_SIZE of skinned windows, read back from the screen.
#include "skin/interaction/fade.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "skin/core/attach.h"
#include "skin/core/detach.h"

#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::Art;
using PaintHandlers = test::SkinTest;

TEST_F(PaintHandlers, AProgressBarIsOneSolidBlockOnTheSkinsScaleInASkinFrame) {
  const struct {
    int w, h;  // client area, inside a one-pixel border
    DWORD style;
    int range, position, fill;  // the bar's own range does not matter
  } bars[] = {
      {101, 12, 0, 30000, 0, 0},
      {101, 12, 0, 30000, 15000, 50},  // 50.5 rounds to even
      {101, 12, 0, 30000, 30000, 101},
      {101, 12, PBS_SMOOTH, 30000, 20000, 67},
      {101, 12, WS_DISABLED, 30000, 20000, 67},
      {30, 20, PBS_VERTICAL, 30000, 10000, 7},  // from the bottom: rows 13 to 19
      {101, 12, 0, 100, 100, 0},                 // 100 / 30000 of 101 pixels
      {101, 12, 0, 60000, 45000, 101},           // beyond the end, clipped
  };
  constexpr int Bars = static_cast<int>(std::size(bars));
  HWND hwnds[Bars];
  for (int i = 0; i < Bars; ++i) {
    const auto& b = bars[i];
    hwnds[i] = form().Add(gallery::ProgressBarClass, b.style | WS_BORDER, 10, 10 + 30 * i, b.w + 2,
                          b.h + 2);
    SendMessageW(hwnds[i], PBM_SETRANGE32, 0, b.range);
    SendMessageW(hwnds[i], PBM_SETPOS, b.position, 0);
  }
  form().Skin();
  for (int i = 0; i < Bars; ++i) {
    const auto& b = bars[i];
    test::SkinForm::Repaint(hwnds[i]);
    test::Pixels shown = test::ReadWindow(hwnds[i]);
    EXPECT_EQ(shown.Count(SkinFrameColor, 0, 0, b.w + 2, 1), b.w + 2) << "bar " << i;
    EXPECT_EQ(shown.at(b.w + 1, b.h + 1), SkinFrameColor) << "bar " << i;
    int wrong = 0;
    for (int y = 0; y < b.h; ++y) {
      for (int x = 0; x < b.w; ++x) {
        const bool filled = b.style & PBS_VERTICAL ? y >= b.h - b.fill : x < b.fill;
        wrong += shown.at(1 + x, 1 + y) != (filled ? ProgressFillColor : White);
      }
    }
    EXPECT_EQ(wrong, 0) << "bar " << i;
  }
}

TEST_F(PaintHandlers, ASunkenEditGetsAFlatEdgeOfFrameAndBackgroundRings) {
  HWND edit = form().Add(L"Edit", 0, 10, 10, 120, 24, L"text", WS_EX_CLIENTEDGE);
  HWND disabled = form().Add(L"Edit", WS_DISABLED, 10, 50, 120, 24, L"text", WS_EX_CLIENTEDGE);
  form().Skin();
  for (HWND box : {edit, disabled}) {
    test::SkinForm::Repaint(box);
    test::Pixels shown = test::ReadWindow(box);
    const COLORREF frame = box == edit ? SkinFrameColor : SkinFrameDisabledColor;
    EXPECT_EQ(shown.Count(frame, 0, 0, 120, 1), 120);
    EXPECT_EQ(shown.Count(frame, 0, 0, 1, 24), 24);
    HDC client = GetDC(box);
    const COLORREF background = GetBkColor(client);
    ReleaseDC(box, client);
    // A disabled edit paints its client area's outer ring (ring 2) grey itself afterwards.
    for (int ring = 1; ring <= (box == edit ? 2 : 1); ++ring) {
      EXPECT_EQ(shown.at(ring, 12), background) << "ring " << ring;
      EXPECT_EQ(shown.at(60, ring), background) << "ring " << ring;
      EXPECT_EQ(shown.at(119 - ring, 12), background) << "ring " << ring;
    }
  }
}

// A drive list paints itself first, like a drop-down list, then gets the frame and its
// drop button in the state it last showed.
TEST_F(PaintHandlers, ListsCombosAndDriveListsGetTheFlatDoubleFrameAndGridsOnlyWithABorder) {
  const struct {
    const wchar_t* cls;
    DWORD style;
    bool ownPaint, innerRing;  // own paint first; the second ring white
  } frames[] = {
      {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, true, true},
      {L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, false, false},  // painted whole
      {gallery::DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, true, true},
      {gallery::DataListClass, 0, true, true},
      {gallery::GridClass, WS_BORDER, true, false},  // the inner ring is the grid's own
  };
  std::vector<HWND> windows;
  for (const auto& f : frames) {
    for (DWORD disabled : {0ul, static_cast<DWORD>(WS_DISABLED)}) {
      windows.push_back(form().Add(f.cls, f.style | disabled, 10 + 160 * (disabled != 0),
                                   10 + 50 * static_cast<int>(windows.size() / 2), 150, 200));
      test::InstallRecordingSubclass(windows.back());
    }
  }
  HWND plain = form().Add(gallery::GridClass, 0, 400, 10, 100, 40);
  form().Skin();
  HWND drive = windows[4];
  WriteProp(drive, PropOldState, StateHover);
  test::Recorder::Clear();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& f = frames[i / 2];
    HWND w = windows[i];
    test::SkinForm::Repaint(w);
    test::Pixels shown = test::ReadWindow(w);
    const COLORREF frame = i % 2 ? SkinFrameDisabledColor : SkinFrameColor;
    SCOPED_TRACE(testing::Message() << "frame " << i / 2 << (i % 2 ? ", disabled" : ""));
    EXPECT_EQ(test::Received(w, WM_PAINT), f.ownPaint ? 1 : 0);
    EXPECT_EQ(shown.Count(frame, 0, 0, shown.width(), 1), shown.width());
    EXPECT_EQ(shown.Count(frame, 0, 0, 1, shown.height()), shown.height());
    if (f.innerRing) {
      EXPECT_EQ(shown.at(20, 1), White);
    }
  }
  const int buttonLeft = test::WindowSize(drive).cx - GetSystemMetrics(SM_CXVSCROLL) - 2;
  EXPECT_EQ(test::ReadWindow(drive).at(buttonLeft, 5), test::Art(ComboBitmap, 0, 5));
  EXPECT_EQ(test::ReadWindow(plain).Count(SkinFrameColor), 0);
}

// WM_NCPAINT sent by the attachment paints the flat frame at once, and the one sent by the
// removal brings the control's own frame back, neither waiting for a repaint.
TEST_F(PaintHandlers, TheFrameIsPaintedAtAttachmentAndRestoredAtRemovalWithoutARepaint) {
  HWND edit = form().Add(L"Edit", 0, 10, 10, 120, 24, L"text", WS_EX_CLIENTEDGE);
  test::SkinForm::Settle();
  const COLORREF own = test::ReadWindow(edit).at(0, 12);
  ASSERT_NE(own, SkinFrameColor);
  skin::SkinWindow(form().hwnd());
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), SkinFrameColor);
  skin::DetachSkin(edit);
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), own);
}

TEST_F(PaintHandlers, APaintShowsGlyphsNormalAndAButtonFaceWholeStoppingItsFade) {
  HWND check = AddGlyph(gallery::CheckBoxClass, 10);
  HWND option = AddGlyph(gallery::OptionButtonClass, 40);
  HWND button = AddButton(10, 70);
  form().Skin();
  for (HWND w : {check, option}) {
    WriteProp(w, PropOldState, StateHover);
    test::SkinForm::Repaint(w);
    EXPECT_EQ(test::Prop(w, PropOldState), StateNormal);
  }
  const int y0 = test::Centre(21 - GetSystemMetrics(SM_CYMENUCHECK));
  EXPECT_EQ(test::ReadWindow(check).at(0, y0), SkinFrameColor);
  WriteProp(button, PropOldState, StatePressed);
  WriteProp(button, PropAlphaLevel, 30);
  ASSERT_NE(StartTimer(button), 0u);
  test::SkinForm::Repaint(button);
  EXPECT_EQ(test::Prop(button, PropTimerId), 0);
  EXPECT_EQ(test::Prop(button, PropAlphaLevel), 255);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), test::FaceSpot(StatePressed));
}

TEST_F(PaintHandlers, AResizedButtonGetsNewFacesAndANewRegionOnceWithoutRecursing) {
  HWND button = AddButton();
  test::InstallRecordingSubclass(button);
  form().Skin();
  auto resize = [&](int w, int h) {
    SetWindowPos(button, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    test::SkinForm::Settle();
  };
  auto bitmap = [&](int n) {
    return reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n)));
  };
  auto faceSize = [&](int n) {
    BITMAP info{};
    GetObjectW(bitmap(n), sizeof(info), &info);
    return std::make_pair(info.bmWidth, info.bmHeight);
  };
  HGDIOBJ oldBitmaps[FaceCount];
  HDC faces[FaceCount];
  for (int n = 0; n < FaceCount; ++n) {
    oldBitmaps[n] = bitmap(n);
    faces[n] = FaceDc(button, n);
  }
  test::Recorder::Clear();
  resize(80, 24);
  EXPECT_EQ(test::Received(button, WM_SIZE), 1);
  for (int n = 0; n < FaceCount; ++n) {
    EXPECT_EQ(FaceDc(button, n), faces[n]) << "the face buffer itself stays";
    EXPECT_EQ(GetCurrentObject(faces[n], OBJ_BITMAP), bitmap(n));
    EXPECT_EQ(faceSize(n), std::make_pair(80L, 24L)) << "face " << n;
    EXPECT_EQ(GetObjectType(oldBitmaps[n]), 0u) << "old face bitmap " << n << " not freed";
  }
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  HRGN expected = CreateRoundRectRgn(0, 0, 81, 25, 3, 3);
  ASSERT_NE(GetWindowRgn(button, actual), ERROR);
  EXPECT_TRUE(EqualRgn(actual, expected));
  DeleteObject(actual);
  DeleteObject(expected);

  // A window manager that answers every move, the region's included, with a WM_SIZE.
  int depth = 0, deepest = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd != button || message != WM_WINDOWPOSCHANGED || depth > 10) return false;
    RECT r{};
    GetClientRect(hwnd, &r);
    deepest = std::max(deepest, ++depth);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
    --depth;
    return false;
  });
  resize(90, 26);
  test::Recorder::SetHook({});
  EXPECT_LE(deepest, 2);
  EXPECT_EQ(faceSize(0), std::make_pair(90L, 26L));
}

}  // namespace
