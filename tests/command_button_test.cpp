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
using test::Prop;

// OLDSTATE, ALPHALEVEL and whether a fade timer runs.
using Look = std::tuple<int, int, bool>;
Look LookOf(HWND w) { return {Prop(w, PropOldState), Prop(w, PropAlphaLevel), Prop(w, PropTimerId) != 0}; }

class CommandButton : public test::SkinTest {
 protected:
  // Sends WM_TIMER until the fade stops; the number of steps (blends) it took.
  static int RunFade(HWND w, UINT_PTR id = FadeTimerId) {
    int steps = 0;
    for (; Prop(w, PropTimerId) != 0 && steps < 1000; ++steps) SendMessageW(w, WM_TIMER, id, 0);
    return steps;
  }
  // Pixel (10, 1) of a 75 x 23 button on screen, and that pixel of face `state` shown whole.
  static COLORREF Shown(HWND button) { return test::ReadWindow(button).at(10, 1); }
  static COLORREF Face(int state) { return test::Art(ButtonBitmap, 3, 21 * state + 1); }
  static std::vector<test::Pixels> Faces(HWND button) {
    RenderButtonFaces(button);
    std::vector<test::Pixels> faces;
    for (int n = 0; n < FaceCount; ++n) faces.push_back(test::ReadDc(FaceDc(button, n), 0, 0, 75, 23));
    return faces;
  }
};

// A paint shows the face of OLDSTATE whole, stopping a fade; spots whose source in the 7 x 21
// face is unambiguous: edges, the first inner row, corners. Buttons of the check-box and
// radio styles paint themselves.
TEST_F(CommandButton, APaintShowsTheFaceOfItsStateWholeAndEndsTheFade) {
  HWND push = AddButton(10, 10, L"OK");
  HWND check = Add(L"Button", BS_AUTOCHECKBOX, 10, 50, 100, 20, L"Check");
  HWND radio = Add(L"Button", BS_AUTORADIOBUTTON, 10, 80, 100, 20, L"Radio");
  for (HWND b : {push, check, radio}) test::InstallRecordingSubclass(b);
  Skin();
  const int spots[][4] = {{10, 0, 3, 0},   {10, 1, 3, 1},   {1, 1, 1, 1},   {0, 11, 0, 10},
                          {74, 11, 6, 10}, {10, 22, 3, 20}, {73, 21, 5, 19}};
  for (int state = StateNormal; state <= StateDisabled; ++state) {
    WriteProp(push, PropOldState, state);
    WriteProp(push, PropAlphaLevel, 30);
    ASSERT_NE(StartTimer(push), 0u);
    Repaint(push);
    EXPECT_EQ(LookOf(push), Look(state, 255, false));
    test::Pixels shown = test::ReadWindow(push);
    for (const auto& s : spots)
      EXPECT_EQ(shown.at(s[0], s[1]), test::Art(ButtonBitmap, s[2], 21 * state + s[3]))
          << "state " << state << " at " << s[0] << "," << s[1];
  }
  test::Recorder::Clear();
  for (HWND b : {push, check, radio}) Repaint(b);
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, push), 0);
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, check), 1);
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, radio), 1);
}

// Every pixel a caption adds to a face is black, the disabled grey on the disabled face (in
// a font drawn without smoothing, its pixels take the text colour alone); the focus adds its
// dotted rectangle to every face, along the outline 2 pixels in, and nothing else.
TEST_F(CommandButton, FacesCarryTheCaptionInItsColourAndTheFocusRectangle) {
  HWND button = AddButton();
  HWND other = AddButton(10, 50);
  LOGFONTW crisp{};
  crisp.lfHeight = -14;
  crisp.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyW(crisp.lfFaceName, L"Tahoma");
  GdiObject<HFONT> font(CreateFontIndirectW(&crisp));
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  Skin();
  SetFocus(other);
  const std::vector<test::Pixels> bare = Faces(button);
  SetWindowTextW(button, L"Hg");
  const std::vector<test::Pixels> captioned = Faces(button);
  SetWindowTextW(button, L"");
  SetFocus(button);
  const std::vector<test::Pixels> focused = Faces(button);
  for (int n = 0; n < FaceCount; ++n) {
    const COLORREF ink = n == StateDisabled ? DisabledCaptionColor : Black;
    int inked = 0, otherInk = 0, outline = 0, elsewhere = 0;
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < 75; ++x) {
        if (captioned[n].at(x, y) != bare[n].at(x, y)) ++(captioned[n].at(x, y) == ink ? inked : otherInk);
        const bool onOutline = (x == 2 || x == 72 || y == 2 || y == 20) && x >= 2 && x <= 72 && y >= 2 && y <= 20;
        if (focused[n].at(x, y) != bare[n].at(x, y)) ++(onOutline ? outline : elsewhere);
      }
    }
    EXPECT_GT(inked, 10) << "face " << n;
    EXPECT_EQ(otherInk, 0) << "face " << n;
    EXPECT_GT(outline, 40) << "face " << n;
    EXPECT_EQ(elsewhere, 0) << "face " << n;
  }
}

// A fade steps by 3 on every WM_TIMER whatever its id, 86 blends from 0 and 66 from 60, on
// one timer, and ends at rest. Blends at levels a1..ak leave the new face with the weight
// 1 - (1 - a1/255)...(1 - ak/255). A button that paints itself is never blended over, and its
// timer still ends.
TEST_F(CommandButton, AFadeTakes86BlendsFrom0And66From60OnOneTimerAndAccumulatesTheFace) {
  HWND button = AddButton();
  HWND radio = Add(L"Button", BS_AUTORADIOBUTTON, 10, 50, 100, 20, L"r");
  Skin();
  static int timersSet;
  timersSet = 0;
  platform::Services().setTimer = [](HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) -> UINT_PTR {
    ++timersSet;
    return SetTimer(hwnd, id, ms, proc);
  };
  const struct {
    int from, steps;
    UINT_PTR id;
  } fades[] = {{0, 86, FadeTimerId}, {60, 66, 77}};
  for (const auto& f : fades) {
    WriteProp(button, PropAlphaLevel, f.from);
    EXPECT_EQ(StartTimer(button), FadeTimerId);
    EXPECT_EQ(StartTimer(button), 0u);  // never a second timer
    EXPECT_EQ(RunFade(button, f.id), f.steps);
    EXPECT_EQ(LookOf(button), Look(StateNormal, 0, false));
  }
  EXPECT_EQ(timersSet, 2);

  test::DibSurface target(75, 23, Black);
  WriteProp(button, PropOldState, StateHover);
  double remaining = 1.0;  // the weight of the picture before
  for (int level : {60, 63, 66, 69}) {
    WriteProp(button, PropAlphaLevel, level);
    PaintButtonBlend(button, target.dc());
    remaining *= 1.0 - level / 255.0;
  }
  // The middle of the face's top inner row, which the caption cannot reach.
  const COLORREF face = GetPixel(FaceDc(button, StateHover), 37, 1), shown = target.at(37, 1);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(shown >> shift & 0xFF, (face >> shift & 0xFF) * (1.0 - remaining), 4.0) << "bits " << shift;

  WriteProp(radio, PropAlphaLevel, 250);
  StartTimer(radio);
  const test::Pixels before = test::ReadWindow(radio);
  EXPECT_EQ(RunFade(radio, 77), 2);
  EXPECT_EQ(Prop(radio, PropAlphaLevel), 0);
  EXPECT_EQ(test::ReadWindow(radio).Differences(before), 0);
}

TEST_F(CommandButton, AClickPressesAtOnceALeaveBlendsHoverOnceAndDraggingOffStaysPressed) {
  HWND button = AddButton();
  Skin();
  test::PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 1);
  EXPECT_EQ(LookOf(button), Look(StateHover, 0, true));
  // A press, and a double click alike, shows the pressed face at once, stopping a fade.
  for (UINT press : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}) {
    WriteProp(button, PropOldState, StateHover);
    StartTimer(button);
    SendMessageW(button, press, MK_LBUTTON, At(20, 10));
    EXPECT_EQ(LookOf(button), Look(StatePressed, 0, false)) << "message " << press;
    EXPECT_EQ(Shown(button), Face(StatePressed)) << "message " << press;
  }
  SendMessageW(button, WM_LBUTTONUP, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button), Look(StateNormal, 60, true));
  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(21, 10));  // the next move fades hover in from 0
  EXPECT_EQ(LookOf(button), Look(StateHover, 0, true));
  EXPECT_EQ(RunFade(button), 86);
  EXPECT_EQ(Shown(button), Face(StateHover));

  // Leaving blends hover once at 140 (over a dab, so that it shows), then fades normal from 0.
  const COLORREF hover = GetPixel(FaceDc(button, StateHover), 37, 1);
  test::Dab(button, 37, 1, Black);
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_NEAR(GetBValue(test::ReadWindow(button).at(37, 1)), GetBValue(hover) * 140 / 255.0, 2.0);
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button), Look(StateNormal, 0, true));

  // Dragged off while pressed, it stops a fade (a focus change may start one meanwhile) and
  // stays pressed whole; released off, it fades normal from 60.
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  StartTimer(button);
  test::PointAway();
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
  EXPECT_EQ(LookOf(button), Look(StatePressed, 255, false));
  EXPECT_EQ(Shown(button), Face(StatePressed));
  SendMessageW(button, WM_LBUTTONUP, 0, At(-300, 400));
  EXPECT_EQ(LookOf(button), Look(StateNormal, 60, true));
}

// The focus moving from one button to another renders both anew (one loses its focus
// rectangle, one gains it) and fades their faces in from 0. Space presses and releases (the
// release fading from 0), Enter does nothing, and a press, by the space bar or the mouse,
// ends when the focus goes: its release will not come here.
TEST_F(CommandButton, TheFocusRendersTheFacesTheSpaceBarPressesAndAPressEndsWithTheFocus) {
  HWND first = AddButton(10, 10), second = AddButton(10, 50);
  Skin();
  SetFocus(first);
  RunFade(first);
  RunFade(second);
  const test::Pixels firstBefore = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  SetFocus(second);
  for (HWND b : {first, second}) EXPECT_EQ(LookOf(b), Look(StateNormal, 0, true));
  const test::Pixels firstAfter = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  const test::Pixels secondAfter = test::ReadDc(FaceDc(second, StateNormal), 0, 0, 75, 23);
  int lost = 0, gained = 0;  // along the top of the focus outline
  for (int x = 2; x <= 72; ++x) {
    lost += firstBefore.at(x, 2) != firstAfter.at(x, 2);
    gained += secondAfter.at(x, 2) != test::Art(ButtonBitmap, 3, 2);
  }
  EXPECT_GT(lost, 10);
  EXPECT_GT(gained, 10);

  SendMessageW(second, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(LookOf(second), Look(StatePressed, 0, false));
  EXPECT_EQ(Shown(second), Face(StatePressed));
  SendMessageW(second, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(LookOf(second), Look(StateNormal, 0, true));
  EXPECT_EQ(Prop(second, PropMouseFlag), 0);
  EXPECT_EQ(RunFade(second), 86);
  WriteProp(second, PropOldState, StateHover);
  SendMessageW(second, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  SendMessageW(second, WM_KEYUP, VK_RETURN, 0xC01C0001);
  EXPECT_EQ(LookOf(second), Look(StateHover, 0, false));

  const std::pair<UINT, WPARAM> presses[] = {{WM_KEYDOWN, VK_SPACE}, {WM_LBUTTONDOWN, MK_LBUTTON}};
  for (const auto& [message, wParam] : presses) {
    SetFocus(second);
    SendMessageW(second, message, wParam, At(20, 10));
    ASSERT_EQ(Prop(second, PropOldState), StatePressed);
    SetFocus(first);
    Repaint(second);
    EXPECT_EQ(Shown(second), Face(StateNormal)) << "pressed by message " << message;
  }
}

// Disabling at rest changes the state but shows only at the next paint; a blend of a
// disabled button shows the disabled face whatever its state; enabling goes back to normal.
TEST_F(CommandButton, DisablingShowsTheDisabledFaceFromTheNextPaintAndEnablingComesBack) {
  HWND button = AddButton();
  Skin();
  StartTimer(button);  // at rest after a finished fade: level 0 (a paint alone leaves 255)
  RunFade(button);
  const COLORREF normal = Shown(button);
  EnableWindow(button, FALSE);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EXPECT_EQ(Shown(button), normal);
  Repaint(button);
  EXPECT_EQ(Shown(button), Face(StateDisabled));
  WriteProp(button, PropOldState, StateHover);
  WriteProp(button, PropAlphaLevel, 255);
  PaintButtonBlend(button, nullptr);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EnableWindow(button, TRUE);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
}

// A timer that cannot be set: no fade runs, and the next paint shows the face of the state
// the button is in.
TEST_F(CommandButton, WithoutATimerThePaintStillShowsTheRightFace) {
  HWND button = AddButton();
  Skin();
  platform::Services().setTimer = [](HWND, UINT_PTR, UINT, TIMERPROC) -> UINT_PTR { return 0; };
  test::PointAt(button, 20, 10);
  const std::pair<UINT, int> steps[] = {{WM_MOUSEMOVE, StateHover}, {WM_LBUTTONUP, StateNormal}};
  for (const auto& [message, state] : steps) {
    SendMessageW(button, message, 0, At(20, 10));
    EXPECT_EQ(LookOf(button), Look(state, message == WM_LBUTTONUP ? 60 : 0, false));
    Repaint(button);
    EXPECT_EQ(Shown(button), Face(state));
  }
}

// A resize gives the face buffers new bitmaps of the new size (the old ones freed) and the
// button a new rounded region, once, even when every move of the window, the region's
// included, comes back as another WM_SIZE.
TEST_F(CommandButton, AResizeMakesNewFacesAndANewRegionOnceWithoutRecursing) {
  HWND button = AddButton();
  test::InstallRecordingSubclass(button);
  Skin();
  auto resize = [&](int w, int h) {
    SetWindowPos(button, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
  };
  auto bitmap = [&](int n) { return reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n))); };
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
  EXPECT_EQ(test::Recorder::Count(WM_SIZE, button), 1);
  for (int n = 0; n < FaceCount; ++n) {
    EXPECT_EQ(FaceDc(button, n), faces[n]) << "the face buffer itself stays";
    EXPECT_EQ(GetCurrentObject(faces[n], OBJ_BITMAP), bitmap(n));
    EXPECT_EQ(faceSize(n), std::make_pair(80L, 24L)) << "face " << n;
    EXPECT_EQ(GetObjectType(oldBitmaps[n]), 0u) << "old face bitmap " << n << " not freed";
  }
  GdiObject<HRGN> actual(CreateRectRgn(0, 0, 0, 0)), expected(CreateRoundRectRgn(0, 0, 81, 25, 3, 3));
  ASSERT_NE(GetWindowRgn(button, actual), ERROR);
  EXPECT_TRUE(EqualRgn(actual, expected));

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
