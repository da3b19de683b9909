// Command buttons: four faces rendered ahead, shown whole by a paint and blended in by the
// fade, following the mouse, the space bar, the focus, the enabled state and the size.
// Fades advance by WM_TIMER sent here.
#include "skin/interaction/fade.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/window_services.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::At;
using test::Look;
using test::LookOf;
using test::Prop;
using test::RunFade;

class CommandButton : public test::SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    button_ = AddButton(10, 10);
    other_ = AddButton(10, 50);
  }
  // Pixel (10, 1) of the 75 x 23 button on screen, and that pixel of face `state` shown whole.
  COLORREF Shown() const { return test::ReadWindow(button_).at(10, 1); }
  static COLORREF Face(int state) { return test::Art(ButtonBitmap, 3, 21 * state + 1); }
  static test::Pixels FaceOf(HWND button, int n) { return test::ReadDc(FaceDc(button, n), 0, 0, 75, 23); }
  HWND button_ = nullptr, other_ = nullptr;
};

// A paint shows the face of OLDSTATE whole and ends a fade: spots whose source in the 7 x 21
// face is unambiguous (edges, the first inner row, corners). Check-box and radio styles paint
// themselves.
TEST_F(CommandButton, APaintShowsTheFaceOfItsStateWholeAndEndsTheFade) {
  HWND check = Add(L"Button", BS_AUTOCHECKBOX, 10, 90, 100, 20, L"Check");
  HWND radio = Add(L"Button", BS_AUTORADIOBUTTON, 10, 120, 100, 20, L"Radio");
  for (HWND b : {button_, check, radio}) test::InstallRecordingSubclass(b);
  Skin();
  const int spots[][4] = {{10, 0, 3, 0}, {10, 1, 3, 1}, {1, 1, 1, 1}, {0, 11, 0, 10},
                          {74, 11, 6, 10}, {10, 22, 3, 20}, {73, 21, 5, 19}};
  for (int state = StateNormal; state <= StateDisabled; ++state) {
    WriteProp(button_, PropOldState, state);
    WriteProp(button_, PropAlphaLevel, 30);
    ASSERT_NE(StartTimer(button_), 0u);
    Repaint(button_);
    EXPECT_EQ(LookOf(button_), Look(state, 255, false));
    const test::Pixels shown = test::ReadWindow(button_);
    for (const auto& s : spots)
      EXPECT_EQ(shown.at(s[0], s[1]), test::Art(ButtonBitmap, s[2], 21 * state + s[3]))
          << state << ", " << s[0];
  }
  test::Recorder::Clear();
  for (HWND b : {button_, check, radio}) Repaint(b);
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, button_), 0);
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, check) + test::Recorder::Count(WM_PAINT, radio), 2);
}

// Every pixel a caption adds to a face is black, the disabled grey on the disabled face (in a
// font drawn without smoothing its pixels take the text colour alone); the focus adds its
// dotted rectangle to every face, on the outline 2 pixels in, and nothing else. The caption's
// font does not stay selected.
TEST_F(CommandButton, FacesCarryTheCaptionInItsColourAndTheFocusRectangle) {
  LOGFONTW crisp{};
  crisp.lfHeight = -14;
  crisp.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyW(crisp.lfFaceName, L"Tahoma");
  GdiObject<HFONT> font(CreateFontIndirectW(&crisp));
  SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  Skin();
  SetFocus(other_);
  auto faces = [&] {
    RenderButtonFaces(button_);
    std::vector<test::Pixels> all;
    for (int n = 0; n < FaceCount; ++n) all.push_back(FaceOf(button_, n));
    return all;
  };
  const std::vector<test::Pixels> bare = faces();
  SetWindowTextW(button_, L"Hg");
  const std::vector<test::Pixels> captioned = faces();
  SetWindowTextW(button_, L"");
  SetFocus(button_);
  const std::vector<test::Pixels> focused = faces();
  for (int n = 0; n < FaceCount; ++n) {
    const COLORREF ink = n == StateDisabled ? test::DisabledCaption : Black;
    int inked = 0, otherInk = 0, outline = 0, elsewhere = 0, unfocusedOutline = 0;
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < 75; ++x) {
        if (captioned[n].at(x, y) != bare[n].at(x, y)) ++(captioned[n].at(x, y) == ink ? inked : otherInk);
        const bool onOutline =
            (x == 2 || x == 72 || y == 2 || y == 20) && x >= 2 && x <= 72 && y >= 2 && y <= 20;
        if (focused[n].at(x, y) != bare[n].at(x, y)) ++(onOutline ? outline : elsewhere);
        // Without the focus, the outline's top row is the face's stretched middle column alone.
        unfocusedOutline +=
            y == 2 && x >= 3 && x <= 71 && bare[n].at(x, y) != test::Art(ButtonBitmap, 3, 21 * n + 2);
      }
    }
    EXPECT_TRUE(inked > 10 && otherInk == 0)
        << "face " << n << ": " << inked << " in its colour, " << otherInk;
    EXPECT_TRUE(outline > 40 && elsewhere == 0 && unfocusedOutline == 0)
        << "face " << n << ": " << outline << " on the outline, " << elsewhere << " elsewhere, "
        << unfocusedOutline << " without the focus";
    EXPECT_EQ(GetCurrentObject(FaceDc(button_, n), OBJ_FONT), GetStockObject(SYSTEM_FONT)) << "face " << n;
  }
}

// A fade steps by 3 on every WM_TIMER whatever its id, 86 blends from 0 and 66 from 60, on one
// timer, and ends at rest. A button that paints itself is never blended over, and its timer
// still ends.
TEST_F(CommandButton, AFadeTakes86BlendsFrom0And66From60OnOneTimer) {
  HWND radio = Add(L"Button", BS_AUTORADIOBUTTON, 10, 90, 100, 20, L"r");
  Skin();
  static int timersSet = 0;  // each of id 1, every 15 ms, without a callback
  platform::Services().setTimer = [](HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) -> UINT_PTR {
    timersSet += id == 1 && ms == 15 && !proc;
    return SetTimer(hwnd, id, ms, proc);
  };
  for (const auto& [from, steps, id] : {std::tuple(0, 86, FadeTimerId), std::tuple(60, 66, UINT_PTR{77})}) {
    WriteProp(button_, PropAlphaLevel, from);
    EXPECT_EQ(StartTimer(button_), FadeTimerId);
    EXPECT_EQ(StartTimer(button_), 0u);  // never a second timer
    EXPECT_EQ(RunFade(button_, id), steps);
    EXPECT_EQ(LookOf(button_), Look(StateNormal, 0, false));
  }
  EXPECT_EQ(timersSet, 2);
  WriteProp(radio, PropAlphaLevel, 250);
  StartTimer(radio);
  const test::Pixels before = test::ReadWindow(radio);
  EXPECT_EQ(RunFade(radio, 77), 2);
  EXPECT_EQ(LookOf(radio), Look(StateNormal, 0, false));
  EXPECT_EQ(test::ReadWindow(radio).Differences(before), 0);
}

// What the mouse and the keys make of the button, step by step, the cursor over it unless
// away: an entry fades hover in from 0; Enter changes nothing; a press (a double click too) or
// Space shows the pressed face at once, ending a fade; a release fades normal in from 60,
// Space's from 0, and the next move is an entry again; dragged off while pressed it stays
// pressed whole, ending a fade again.
TEST_F(CommandButton, EachPressShowsAtOnceEachReleaseFadesAndDraggingOffStaysPressed) {
  Skin();
  const struct {
    UINT message;
    WPARAM wParam;
    bool away;
    Look look;
    int mouseFlag;
  } steps[] = {{WM_MOUSEMOVE, 0, false, {StateHover, 0, true}, 1},
               {WM_KEYDOWN, VK_RETURN, false, {StateHover, 0, true}, 1},
               {WM_KEYUP, VK_RETURN, false, {StateHover, 0, true}, 1},
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
  for (const auto& s : steps) {
    if (s.away) {
      test::PointAway();
    } else {
      test::PointAt(button_, 20, 10);
    }
    if (s.message == WM_TIMER) {
      WriteProp(button_, PropAlphaLevel, 0);
      StartTimer(button_);
    }
    SendMessageW(button_, s.message, s.wParam, s.away ? At(-300, 400) : At(20, 10));
    SCOPED_TRACE(testing::Message() << "message " << s.message << ", " << s.wParam);
    EXPECT_EQ(LookOf(button_), s.look);
    EXPECT_EQ(Prop(button_, PropMouseFlag), s.mouseFlag);
    if (std::get<0>(s.look) == StatePressed && s.message != WM_TIMER) {
      EXPECT_EQ(Shown(), Face(StatePressed));
    }
  }
}

// A leave blends the hover face once at 140 (over a dab, so that it shows) and fades normal in
// from 0 (86 steps).
TEST_F(CommandButton, ALeaveBlendsHoverOnceAndFadesNormalIn) {
  Skin();
  test::PointAt(button_, 20, 10);
  SendMessageW(button_, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(RunFade(button_), 86);
  EXPECT_EQ(Shown(), Face(StateHover));
  const COLORREF hover = GetPixel(FaceDc(button_, StateHover), 37, 1);
  test::Dab(button_, 37, 1, Black);
  SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
  EXPECT_NEAR(GetBValue(test::ReadWindow(button_).at(37, 1)), GetBValue(hover) * 140 / 255.0, 2.0);
  EXPECT_EQ(Prop(button_, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button_), Look(StateNormal, 0, true));
  EXPECT_EQ(RunFade(button_), 86);
}

// The focus moving between two buttons renders both anew (one loses its focus rectangle, one
// gains it) and fades their faces in from 0. A press, by the space bar or the mouse, ends when
// the focus goes, also through later paints.
TEST_F(CommandButton, TheFocusRendersTheFacesAndAPressEndsWithTheFocus) {
  Skin();
  SetFocus(other_);
  const test::Pixels before[] = {FaceOf(button_, StateNormal), FaceOf(other_, StateNormal)};
  SetFocus(button_);
  for (HWND b : {button_, other_}) {
    EXPECT_EQ(LookOf(b), Look(StateNormal, 0, true));
    EXPECT_GT(FaceOf(b, StateNormal).Differences(before[b == other_]), 40)
        << "no focus rectangle drawn or taken";
  }
  for (const auto& [message, wParam] :
       {std::pair(WM_KEYDOWN, WPARAM{VK_SPACE}), std::pair(WM_LBUTTONDOWN, WPARAM{MK_LBUTTON})}) {
    SetFocus(button_);
    SendMessageW(button_, message, wParam, At(20, 10));
    ASSERT_EQ(Prop(button_, PropOldState), StatePressed);
    SetFocus(other_);
    Repaint(button_);
    EXPECT_EQ(Shown(), Face(StateNormal)) << "pressed by message " << message;
  }
}

// Disabling at rest shows only from the next paint; a blend of a disabled button shows the
// disabled face whatever its state; enabling comes back to normal. Without a timer no fade
// runs, and the next paint shows the face of the state the button is in.
TEST_F(CommandButton, TheDisabledFaceAndAButtonWithoutATimerShowFromTheNextPaint) {
  Skin();
  StartTimer(button_);  // at rest after a finished fade: level 0 (a paint alone leaves 255)
  RunFade(button_);
  const COLORREF normal = Shown();
  EnableWindow(button_, FALSE);
  EXPECT_EQ(Prop(button_, PropOldState), StateDisabled);
  EXPECT_EQ(Shown(), normal);
  Repaint(button_);
  EXPECT_EQ(Shown(), Face(StateDisabled));
  WriteProp(button_, PropOldState, StateHover);
  WriteProp(button_, PropAlphaLevel, 255);
  PaintButtonBlend(button_, nullptr);
  EXPECT_EQ(Prop(button_, PropOldState), StateDisabled);
  EnableWindow(button_, TRUE);
  EXPECT_EQ(Prop(button_, PropOldState), StateNormal);

  platform::Services().setTimer = [](HWND, UINT_PTR, UINT, TIMERPROC) -> UINT_PTR { return 0; };
  test::PointAt(button_, 20, 10);
  for (const auto& [message, state, level] :
       {std::tuple(WM_MOUSEMOVE, StateHover, 0), std::tuple(WM_LBUTTONUP, StateNormal, 60)}) {
    SendMessageW(button_, message, 0, At(20, 10));
    EXPECT_EQ(LookOf(button_), Look(state, level, false));
    Repaint(button_);
    EXPECT_EQ(Shown(), Face(state));
  }
}

// A resize gives the face buffers new bitmaps of the new size (freeing the old) and the button
// a new rounded region, once, even when every move of the window (the region's included)
// comes back as another WM_SIZE.
TEST_F(CommandButton, AResizeMakesNewFacesAndANewRegionOnceWithoutRecursing) {
  test::InstallRecordingSubclass(button_);
  Skin();
  auto resize = [&](int w, int h) {
    SetWindowPos(button_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
  };
  auto bitmap = [&](int n) { return reinterpret_cast<HGDIOBJ>(ReadProp(button_, FaceBitmapPropName(n))); };
  std::vector<std::pair<HDC, HGDIOBJ>> faces;
  for (int n = 0; n < FaceCount; ++n) faces.emplace_back(FaceDc(button_, n), bitmap(n));
  test::Recorder::Clear();
  resize(80, 24);
  EXPECT_EQ(test::Recorder::Count(WM_SIZE, button_), 1);
  for (int n = 0; n < FaceCount; ++n) {
    SCOPED_TRACE(testing::Message() << "face " << n);
    EXPECT_EQ(FaceDc(button_, n), faces[n].first) << "the face buffer itself stays";
    EXPECT_EQ(GetCurrentObject(faces[n].first, OBJ_BITMAP), bitmap(n));
    EXPECT_EQ(test::BitmapSize(bitmap(n)), 8024);
    EXPECT_EQ(GetPixel(faces[n].first, 10, 1), Face(n)) << "rendered anew";
    EXPECT_EQ(GetObjectType(faces[n].second), 0u) << "the old bitmap not freed";
  }
  EXPECT_TRUE(test::HasRoundedRegion(button_, 80, 24));
  int depth = 0, deepest = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd != button_ || message != WM_WINDOWPOSCHANGED || depth > 10) return false;
    RECT r{};
    GetClientRect(hwnd, &r);
    deepest = std::max(deepest, ++depth);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
    --depth;
    return false;
  });
  resize(90, 26);
  EXPECT_LE(deepest, 2);
  EXPECT_EQ(test::BitmapSize(bitmap(0)), 9026);
}

}  // namespace
