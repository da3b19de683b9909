// Command buttons: four faces rendered ahead, shown whole by a paint and blended in by the
// fade, which advances here by WM_TIMER sent by the test.
#include "skin/interaction/fade.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;

class CommandButton : public test::SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    button_ = AddButton(10, 10);
    other_ = AddButton(10, 50);
  }
  // Pixel (10, 1) of the 75 x 23 button on screen, and that pixel of face `state` shown whole.
  COLORREF Shown() const { return ReadWindow(button_).at(10, 1); }
  static COLORREF Face(int state) { return Art(ButtonBitmap, 3, 21 * state + 1); }
  static Pixels FaceOf(HWND button, int n) { return ReadDc(FaceDc(button, n), 0, 0, 75, 23); }
  HWND button_ = nullptr, other_ = nullptr;
};

// Spots whose source in the 7 x 21 face is unambiguous: edges, the first inner row, corners.
TEST_F(CommandButton, APaintShowsTheFaceOfItsStateWholeAndEndsTheFade) {
  Skin();
  const int spots[][4] = {{10, 0, 3, 0}, {1, 1, 1, 1}, {0, 11, 0, 10}, {74, 11, 6, 10}, {10, 22, 3, 20},
                          {73, 21, 5, 19}};
  for (int state = StateNormal; state <= StateDisabled; ++state) {
    WriteProp(button_, PropOldState, state);
    WriteProp(button_, PropAlphaLevel, 30);
    ASSERT_EQ(StartTimer(button_), FadeTimerId);
    EXPECT_EQ(StartTimer(button_), 0u);  // never a second timer
    Repaint(button_);
    EXPECT_EQ(LookOf(button_), Look(state, 255, false));
    const Pixels shown = ReadWindow(button_);
    for (const auto& s : spots)
      EXPECT_EQ(shown.at(s[0], s[1]), Art(ButtonBitmap, s[2], 21 * state + s[3])) << state << s[0];
  }
  WriteProp(button_, PropOldState, StateNormal);
  EnableWindow(button_, FALSE);
  EXPECT_EQ(Prop(button_, PropOldState), StateDisabled);
  WriteProp(button_, PropOldState, StateHover);
  PaintButtonBlend(button_, nullptr);
  EXPECT_EQ(Prop(button_, PropOldState), StateDisabled);
  EnableWindow(button_, TRUE);
  EXPECT_EQ(Prop(button_, PropOldState), StateNormal);
}

// A font drawn without smoothing gives the caption's pixels the text colour alone.
TEST_F(CommandButton, FacesCarryTheCaptionInItsColourAndTheFocusRectangle) {
  LOGFONTW crisp{};
  crisp.lfHeight = -14;
  crisp.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyW(crisp.lfFaceName, L"Tahoma");
  GdiObject<HFONT> font(CreateFontIndirectW(&crisp));
  SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  Skin();
  auto faces = [&](const wchar_t* text, HWND focus) {
    SetWindowTextW(button_, text);
    SetFocus(focus);
    RenderButtonFaces(button_);
    std::vector<Pixels> all;
    for (int n = 0; n < FaceCount; ++n) all.push_back(FaceOf(button_, n));
    return all;
  };
  const auto bare = faces(L"", other_), captioned = faces(L"Hg", other_), focused = faces(L"", button_);
  for (int n = 0; n < FaceCount; ++n) {
    SCOPED_TRACE(testing::Message() << "face " << n);
    const COLORREF ink = n == StateDisabled ? DisabledCaption : Black;
    EXPECT_EQ(captioned[n].Differences(bare[n]), captioned[n].Count(ink) - bare[n].Count(ink));
    EXPECT_GT(captioned[n].Differences(bare[n]), 10);
    const int dots = focused[n].Crop(2, 2, 71, 19).Differences(bare[n].Crop(2, 2, 71, 19));
    EXPECT_EQ(focused[n].Differences(bare[n]), dots) << "outside the outline";
    EXPECT_GT(dots, 40);
    EXPECT_EQ(focused[n].Crop(3, 3, 69, 17).Differences(bare[n].Crop(3, 3, 69, 17)), 0) << "inside it";
    // Without the focus the outline's top row is the face's stretched middle column.
    EXPECT_EQ(bare[n].Count(Art(ButtonBitmap, 3, 21 * n + 2), 3, 2, 69, 1), 69);
    EXPECT_EQ(GetCurrentObject(FaceDc(button_, n), OBJ_FONT), GetStockObject(SYSTEM_FONT));
  }
}

// A leave's blend at 140 is measured over a dab, so that it shows.
TEST_F(CommandButton, EachPressShowsAtOnceEachReleaseFadesAndDraggingOffStaysPressed) {
  Skin();
  // Message, wParam, cursor away, the look and MOUSEFLAG afterwards.
  const std::tuple<UINT, WPARAM, bool, Look, int> steps[] = {
      {WM_MOUSEMOVE, 0, false, {StateHover, 0, true}, 1},
      {WM_KEYDOWN, VK_RETURN, false, {StateHover, 0, true}, 1},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, false, {StatePressed, 0, false}, 1},
      {WM_LBUTTONUP, 0, false, {StateNormal, 60, true}, 0},
      {WM_MOUSEMOVE, 0, false, {StateHover, 0, true}, 1},
      {WM_LBUTTONDOWN, MK_LBUTTON, false, {StatePressed, 0, false}, 1},
      {WM_TIMER, 0, false, {StatePressed, 3, true}, 1},  // a fade running when dragged off
      {WM_MOUSEMOVE, MK_LBUTTON, true, {StatePressed, 255, false}, 1},
      {WM_LBUTTONUP, 0, true, {StateNormal, 60, true}, 0},
      {WM_MOUSEMOVE, 0, false, {StateHover, 0, true}, 1},
      {WM_KEYDOWN, VK_SPACE, false, {StatePressed, 0, false}, 1},
      {WM_KEYUP, VK_SPACE, false, {StateNormal, 0, true}, 0}};
  for (const auto& [message, wParam, away, look, mouseFlag] : steps) {
    away ? PointAway() : PointAt(button_, 20, 10);
    if (message == WM_TIMER) {
      WriteProp(button_, PropAlphaLevel, 0);
      StartTimer(button_);
    }
    SendMessageW(button_, message, wParam, away ? At(-300, 400) : At(20, 10));
    SCOPED_TRACE(testing::Message() << "message " << message << ", " << wParam);
    EXPECT_EQ(LookOf(button_), look);
    EXPECT_EQ(Prop(button_, PropMouseFlag), mouseFlag);
    if (std::get<0>(look) == StatePressed && message != WM_TIMER) {
      EXPECT_EQ(Shown(), Face(StatePressed));
    }
  }
  SendMessageW(button_, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(RunFade(button_, 77), 86);  // whatever the timer's id
  const COLORREF hover = GetPixel(FaceDc(button_, StateHover), 37, 1);
  Dab(button_, 37, 1, Black);
  SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
  EXPECT_NEAR(GetBValue(ReadWindow(button_).at(37, 1)), GetBValue(hover) * 140 / 255.0, 2.0);
  EXPECT_EQ(Prop(button_, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button_), Look(StateNormal, 0, true));
}

TEST_F(CommandButton, TheFocusRendersTheFacesAndAPressEndsWithTheFocus) {
  Skin();
  SetFocus(other_);
  const Pixels before = FaceOf(button_, StateNormal);
  SetFocus(button_);
  EXPECT_GT(FaceOf(button_, StateNormal).Differences(before), 40) << "no focus rectangle";
  for (const auto& [message, key] : {std::pair(WM_KEYDOWN, VK_SPACE), std::pair(WM_LBUTTONDOWN, 0)}) {
    SetFocus(button_);
    SendMessageW(button_, message, key, At(20, 10));
    ASSERT_EQ(Prop(button_, PropOldState), StatePressed);
    SetFocus(other_);
    Repaint(button_);
    EXPECT_EQ(Shown(), Face(StateNormal)) << "pressed by message " << message;
  }
}

// Every move of the window (the region's included) comes back as another WM_SIZE here.
TEST_F(CommandButton, AResizeMakesNewFacesAndANewRegionOnceWithoutRecursing) {
  InstallRecordingSubclass(button_);
  Skin();
  std::vector<HGDIOBJ> old;
  for (int n = 0; n < FaceCount; ++n) old.push_back(GetCurrentObject(FaceDc(button_, n), OBJ_BITMAP));
  int depth = 0, deepest = 0;
  Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd != button_ || message != WM_WINDOWPOSCHANGED || depth > 10) return false;
    RECT r{};
    GetClientRect(hwnd, &r);
    deepest = std::max(deepest, ++depth);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
    --depth;
    return false;
  });
  SetWindowPos(button_, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_LE(deepest, 2);
  for (int n = 0; n < FaceCount; ++n) {
    const HGDIOBJ bitmap = GetCurrentObject(FaceDc(button_, n), OBJ_BITMAP);
    EXPECT_EQ(BitmapSize(bitmap), 8024) << "face " << n;
    EXPECT_EQ(GetObjectType(old[n]), 0u) << "face " << n << ": the old bitmap lives on";
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(ReadProp(button_, FaceBitmapPropName(n))), bitmap) << "face " << n;
    EXPECT_EQ(GetPixel(FaceDc(button_, n), 10, 1), Face(n)) << "face " << n << " not rendered anew";
  }
  EXPECT_TRUE(HasRoundedRegion(button_, 80, 24));
}

}  // namespace
