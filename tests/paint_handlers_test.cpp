// WM_PAINT, WM_NCPAINT and WM_SIZE of skinned windows, read back from the screen.
#include "skin/interaction/fade.h"

#include <algorithm>
#include <utility>

#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::Art;
using PaintHandlers = test::SkinTest;

TEST_F(PaintHandlers, AProgressBarIsOneSolidBlockOnTheSkinsScaleInASkinFrame) {
  const struct {
    int w, h;  // client area, inside a one-pixel border
    DWORD style;
    int position, fill;
  } bars[] = {
      {101, 12, 0, 0, 0},
      {101, 12, 0, 15000, 50},  // 50.5 rounds to even
      {101, 12, 0, 30000, 101},
      {101, 12, PBS_SMOOTH, 20000, 67},
      {101, 12, WS_DISABLED, 20000, 67},
      {30, 20, PBS_VERTICAL, 10000, 7},  // from the bottom: rows 13 to 19
  };
  HWND hwnds[6];
  for (int i = 0; i < 6; ++i) {
    const auto& b = bars[i];
    hwnds[i] = form().Add(gallery::ProgressBarClass, b.style | WS_BORDER, 10, 10 + 30 * i, b.w + 2,
                          b.h + 2);
    SendMessageW(hwnds[i], PBM_SETRANGE32, 0, 30000);
    SendMessageW(hwnds[i], PBM_SETPOS, b.position, 0);
  }
  form().Skin();
  for (int i = 0; i < 6; ++i) {
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

TEST_F(PaintHandlers, ListsAndCombosGetTheFlatDoubleFrameAndGridsOnlyWithABorder) {
  HWND list = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 200);
  HWND editable = form().Add(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 200, 10, 150, 200);
  HWND data = form().Add(gallery::DataListClass, 0, 10, 60, 150, 80);
  HWND bordered = form().Add(gallery::GridClass, WS_BORDER, 10, 160, 100, 40);
  HWND plain = form().Add(gallery::GridClass, 0, 200, 160, 100, 40);
  for (HWND w : {list, editable}) test::InstallRecordingSubclass(w);
  form().Skin();
  test::Recorder::Clear();
  for (HWND w : {list, editable, data, bordered, plain}) test::SkinForm::Repaint(w);
  EXPECT_EQ(test::Received(list, WM_PAINT), 1);      // a drop-down list paints itself first
  EXPECT_EQ(test::Received(editable, WM_PAINT), 0);  // an editable combo is painted whole
  for (HWND w : {list, data, editable}) {
    test::Pixels shown = test::ReadWindow(w);
    EXPECT_EQ(shown.at(20, 0), SkinFrameColor);
    EXPECT_EQ(shown.at(0, shown.height() / 2), SkinFrameColor);
    if (w != editable) {
      EXPECT_EQ(shown.at(20, 1), White);
    }
  }
  test::Pixels framed = test::ReadWindow(bordered);
  EXPECT_EQ(framed.Count(SkinFrameColor, 0, 0, 100, 1), 100);
  EXPECT_EQ(framed.at(1, 1), White);  // the inner ring is the grid's own
  EXPECT_EQ(test::ReadWindow(plain).Count(SkinFrameColor), 0);
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
