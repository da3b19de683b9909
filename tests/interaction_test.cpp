// Hover, fade, the mouse and keyboard state machine, activation, focus, enable and
// position, driven with real messages on real windows. Fades advance by WM_TIMER sent here.
#include "skin/interaction/fade.h"

#include <tuple>
#include <vector>

#include "skin/core/skin_kind.h"
#include "skin/interaction/hit_tests.h"
#include "skin/render/painters.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pump.h"
#include "tests/support/skin_surfaces.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::FaceSpot;
using test::PointAt;
using test::PointAway;
using test::Prop;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// OLDSTATE, ALPHALEVEL and whether a fade timer runs.
using Look = std::tuple<int, int, bool>;
Look LookOf(HWND w) {
  return {Prop(w, PropOldState), Prop(w, PropAlphaLevel), Prop(w, PropTimerId) != 0};
}

// Pixel (10, 1) of a command button on screen, to compare with test::FaceSpot.
COLORREF Shown(HWND button) { return test::ReadWindow(button).at(10, 1); }

class Interaction : public test::SkinTest {
 protected:
  // Sends WM_TIMER until the fade stops; returns the number of steps (blends) it took.
  static int RunFade(HWND w, UINT_PTR id = FadeTimerId) {
    int steps = 0;
    for (; Prop(w, PropTimerId) != 0 && steps < 1000; ++steps) SendMessageW(w, WM_TIMER, id, 0);
    return steps;
  }
};

// ---- The fade ----

TEST_F(Interaction, AFadeTakes86StepsFromZeroAnd66From60OnOneTimerWhateverItsId) {
  HWND button = AddButton();
  HWND radio = form().Add(L"Button", BS_AUTORADIOBUTTON, 10, 50, 100, 20, L"r");
  form().Skin();
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

  // A button that paints itself is never blended over, and its timer still ends.
  WriteProp(radio, PropAlphaLevel, 250);
  StartTimer(radio);
  test::Pixels before = test::ReadWindow(radio);
  EXPECT_EQ(RunFade(radio, 77), 2);
  EXPECT_EQ(Prop(radio, PropAlphaLevel), 0);
  EXPECT_EQ(test::CountDifferences(test::ReadWindow(radio), before), 0);
}

TEST_F(Interaction, TheFadeAccumulatesTheNewFaceByItsWeightFormula) {
  HWND button = AddButton();
  form().Skin();
  test::DibSurface target(75, 23, RGB(0, 0, 0));
  WriteProp(button, PropOldState, StateHover);
  double remaining = 1.0;  // weight of the old picture
  for (int level : {60, 63, 66, 69}) {
    WriteProp(button, PropAlphaLevel, level);
    PaintButtonBlend(button, target.dc());
    remaining *= 1.0 - level / 255.0;
  }
  // The middle of the face's top inner row, which the caption cannot reach.
  const COLORREF face = GetPixel(FaceDc(button, StateHover), 37, 1);
  const COLORREF shown = target.at(37, 1);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(shown >> shift & 0xFF, (face >> shift & 0xFF) * (1.0 - remaining), 4.0)
        << "bits " << shift;
}

// ---- Command buttons ----

TEST_F(Interaction, AClickPressesAtOnceALeaveBlendsHoverOnceAndDraggingOffStaysPressed) {
  HWND button = AddButton();
  form().Skin();
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 1);
  EXPECT_EQ(LookOf(button), Look(StateHover, 0, true));
  // A press, and a double click alike, shows the pressed face at once.
  for (UINT press : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}) {
    WriteProp(button, PropOldState, StateHover);
    StartTimer(button);
    SendMessageW(button, press, MK_LBUTTON, At(20, 10));
    EXPECT_EQ(LookOf(button), Look(StatePressed, 0, false)) << "message " << press;
    EXPECT_EQ(Shown(button), FaceSpot(StatePressed)) << "message " << press;
  }
  SendMessageW(button, WM_LBUTTONUP, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button), Look(StateNormal, 60, true));
  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(21, 10));  // the next move fades hover from 0
  EXPECT_EQ(LookOf(button), Look(StateHover, 0, true));
  EXPECT_EQ(RunFade(button), 86);
  EXPECT_EQ(Shown(button), FaceSpot(StateHover));

  // Leaving blends hover once at 140 (over a dab, so that it shows), then fades normal from 0.
  const COLORREF hover = GetPixel(FaceDc(button, StateHover), 37, 1);
  test::Dab(button, 37, 1, RGB(0, 0, 0));
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_NEAR(GetBValue(test::ReadWindow(button).at(37, 1)), GetBValue(hover) * 140 / 255.0, 2.0);
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(LookOf(button), Look(StateNormal, 0, true));

  // Dragged off while pressed, it stops a fade (as a focus change may start one meanwhile) and
  // stays pressed whole; released off, it fades normal from 60.
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  StartTimer(button);
  PointAway();
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
  EXPECT_EQ(LookOf(button), Look(StatePressed, 255, false));
  EXPECT_EQ(Shown(button), FaceSpot(StatePressed));
  SendMessageW(button, WM_LBUTTONUP, 0, At(-300, 400));
  EXPECT_EQ(LookOf(button), Look(StateNormal, 60, true));
}

TEST_F(Interaction, FocusRerendersBothButtonsThenSpacePressesAndReleasesAndEnterDoesNothing) {
  HWND first = AddButton(10, 10);
  HWND second = AddButton(10, 50);
  form().Skin();
  SetFocus(first);
  RunFade(first);
  RunFade(second);
  test::Pixels firstBefore = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  SetFocus(second);
  for (HWND b : {first, second}) EXPECT_EQ(LookOf(b), Look(StateNormal, 0, true));
  test::Pixels firstAfter = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  test::Pixels secondAfter = test::ReadDc(FaceDc(second, StateNormal), 0, 0, 75, 23);
  int lost = 0, gained = 0;  // along the top of the focus outline
  for (int x = 2; x <= 72; ++x) {
    lost += firstBefore.at(x, 2) != firstAfter.at(x, 2);
    gained += secondAfter.at(x, 2) != test::Art(ButtonBitmap, 3, 2);
  }
  EXPECT_GT(lost, 10);
  EXPECT_GT(gained, 10);
  EXPECT_EQ(firstAfter.at(10, 1), FaceSpot(StateNormal));

  SendMessageW(second, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(Prop(second, PropOldState), StatePressed);
  EXPECT_EQ(Shown(second), FaceSpot(StatePressed));
  SendMessageW(second, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(LookOf(second), Look(StateNormal, 0, true));
  EXPECT_EQ(Prop(second, PropMouseFlag), 0);
  EXPECT_EQ(RunFade(second), 86);
  WriteProp(second, PropOldState, StateHover);
  SendMessageW(second, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  SendMessageW(second, WM_KEYUP, VK_RETURN, 0xC01C0001);
  EXPECT_EQ(LookOf(second), Look(StateHover, 0, false));
}

// Pressed by the space bar or the mouse, then the focus goes elsewhere: the release will
// not come here, so the pressed look must not outlive the focus.
TEST_F(Interaction, APressedLookEndsWithTheFocus) {
  HWND button = AddButton();
  HWND other = AddButton(10, 50);
  form().Skin();
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } presses[] = {{WM_KEYDOWN, VK_SPACE, 0x00390001}, {WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10)}};
  for (const auto& p : presses) {
    SetFocus(button);
    SendMessageW(button, p.message, p.wParam, p.lParam);
    ASSERT_EQ(Prop(button, PropOldState), StatePressed);
    SetFocus(other);
    test::SkinForm::Repaint(button);
    EXPECT_EQ(Shown(button), FaceSpot(StateNormal)) << "pressed by message " << p.message;
  }
}

TEST_F(Interaction, DisablingAtRestShowsNothingUntilThePaintAndEnablingGoesBackToNormal) {
  HWND button = AddButton();
  form().Skin();
  StartTimer(button);  // at rest after a finished fade: level 0 (a paint alone leaves 255)
  RunFade(button);
  const COLORREF normal = Shown(button);
  EnableWindow(button, FALSE);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EXPECT_EQ(Shown(button), normal);
  test::SkinForm::Repaint(button);
  EXPECT_EQ(Shown(button), FaceSpot(StateDisabled));
  // A blend while disabled shows the disabled face, whatever the state was.
  WriteProp(button, PropOldState, StateHover);
  WriteProp(button, PropAlphaLevel, 255);
  PaintButtonBlend(button, nullptr);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EnableWindow(button, TRUE);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
}

// ---- Combo boxes ----

// What each event makes of a combo box's drop button and of a drive list's. The drive list
// is styled as an editable combo here, so that only its kind makes all of it the button.
// A state of Untouched means the skin painted nothing (OLDSTATE keeps a value no paint
// writes).
constexpr int Untouched = 7;

TEST_F(Interaction, CombosAndDriveListsFollowTheirDropButtonTheCursorAndTheirMoves) {
  HWND combo = form().Add(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 10, 10, 150, 200);
  HWND drive = form().Add(gallery::DriveListClass, CBS_DROPDOWN | WS_VSCROLL, 10, 60, 150, 200);
  form().Skin();
  const int w = test::WindowSize(combo).cx, h = test::WindowSize(combo).cy, mid = h / 2;
  const int b = GetSystemMetrics(SM_CXVSCROLL);
  // Each edge of the drop button: the last point on it, the first off it.
  const POINT edges[][2] = {{{w - b - 2, mid}, {w - b - 3, mid}},
                            {{w - 2, mid}, {w - 1, mid}},
                            {{w - 5, 2}, {w - 5, 1}},
                            {{w - 5, h - 2}, {w - 5, h - 1}}};
  for (const auto& e : edges) {
    EXPECT_TRUE(IsOnDropButton(combo, e[0].x, e[0].y)) << e[0].x << "," << e[0].y;
    EXPECT_FALSE(IsOnDropButton(combo, e[1].x, e[1].y)) << e[1].x << "," << e[1].y;
  }
  const int on = w - 5, off = 10;
  const struct {
    UINT message;  // 0: the window is moved
    WPARAM wParam;
    int x;
    bool cursorOver;
    int combo, drive;  // OLDSTATE afterwards
  } steps[] = {
      {WM_MOUSEMOVE, 0, off, true, StateNormal, StateHover},
      {WM_MOUSEMOVE, 0, on, true, StateHover, StateHover},
      {WM_MOUSEMOVE, MK_LBUTTON, on, true, StatePressed, StatePressed},
      {WM_MOUSEMOVE, MK_LBUTTON, off, true, StateNormal, StatePressed},
      {WM_LBUTTONDOWN, MK_LBUTTON, off, true, Untouched, StatePressed},
      {WM_LBUTTONDOWN, MK_LBUTTON, on, true, StatePressed, StatePressed},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, on, true, Untouched, Untouched},
      {WM_KEYDOWN, VK_SPACE, 0, true, Untouched, Untouched},
      {WM_LBUTTONUP, 0, on, true, StateHover, StateHover},
      {WM_LBUTTONUP, 0, on, false, StateNormal, StateNormal},
      {WM_MOUSELEAVE, 0, 0, true, StateNormal, StateNormal},
      {0, 0, 0, false, StateNormal, StateNormal},
  };
  for (HWND c : {combo, drive}) {
    for (const auto& s : steps) {
      WriteProp(c, PropOldState, Untouched);
      if (s.cursorOver) {
        PointAt(c, on, mid);
      } else {
        PointAway();
      }
      if (s.message) {
        SendMessageW(c, s.message, s.wParam, At(s.x, mid));
      } else {
        SetWindowPos(c, nullptr, 0, 0, 150, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      }
      EXPECT_EQ(Prop(c, PropOldState), c == combo ? s.combo : s.drive)
          << (c == combo ? "combo" : "drive list") << ", message " << s.message << " at " << s.x
          << (s.cursorOver ? "" : ", cursor away");
      EXPECT_EQ(Prop(c, PropMouseFlag), s.message == WM_MOUSELEAVE || !s.message ? 0 : 1);
      // A press on the drop button drops the list, which would hold the button pressed.
      SendMessageW(c, CB_SHOWDROPDOWN, FALSE, 0);
      ReleaseCapture();
    }
  }
  // Moved with its list open, the button shows pressed.
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  SetWindowPos(combo, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Prop(combo, PropOldState), StatePressed);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// ---- Check boxes and option buttons ----

TEST_F(Interaction, GlyphsFollowTheMouseTheSpaceBarAndPressesAndOptionsTheFocus) {
  HWND check = AddGlyph(gallery::CheckBoxClass, 10);
  HWND option = AddGlyph(gallery::OptionButtonClass, 40);
  form().Skin();
  const int y0 = test::Centre(21 - GetSystemMetrics(SM_CYMENUCHECK));
  const struct {
    UINT message;
    WPARAM wParam;
    int state;
  } steps[] = {{WM_MOUSEMOVE, 0, StateHover},         {WM_MOUSEMOVE, MK_LBUTTON, StatePressed},
               {WM_KEYUP, VK_SPACE, StateNormal},     {WM_KEYDOWN, VK_SPACE, StatePressed},
               {WM_KEYDOWN, VK_RETURN, Untouched},    {WM_LBUTTONDBLCLK, MK_LBUTTON, Untouched},
               {WM_LBUTTONDOWN, MK_LBUTTON, StatePressed}, {WM_LBUTTONUP, 0, StateNormal},
               {WM_MOUSELEAVE, 0, StateNormal}};
  for (HWND w : {check, option}) {
    PointAt(w, 5, 5);
    SetFocus(w);  // as a press would, which would repaint an option button
    for (const auto& s : steps) {
      WriteProp(w, PropOldState, Untouched);
      SendMessageW(w, s.message, s.wParam, At(5, 5));
      ReleaseCapture();
      EXPECT_EQ(Prop(w, PropOldState), s.state) << "message " << s.message << " key " << s.wParam;
      EXPECT_EQ(Prop(w, PropMouseFlag), s.message == WM_MOUSELEAVE ? 0 : 1);
    }
    // A press shows the pressed look: the pressed frame, the pressed circle. (Letting the
    // mouse go makes the control paint itself again.)
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(test::ReadWindow(w).at(w == check ? 0 : 2, y0 + (w == check ? 0 : 2)),
              w == check ? CheckFramePressedColor : test::Art(GlyphBitmap, 2, 13 * StatePressed + 2));
    ReleaseCapture();
    // Every move repaints, also in the state shown already.
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    test::Dab(w, 0, y0, RGB(1, 2, 3), 3, 3);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_NE(test::ReadWindow(w).at(2, y0 + 2), RGB(1, 2, 3));
  }
  // Gaining or losing the focus repaints an option button, not a check box.
  for (HWND focus : {check, option}) {
    WriteProp(check, PropOldState, StateHover);
    WriteProp(option, PropOldState, StateHover);
    SetFocus(focus);
    EXPECT_EQ(Prop(check, PropOldState), StateHover);
    EXPECT_EQ(Prop(option, PropOldState), StateNormal);
  }
}

TEST_F(Interaction, AReleaseRepaintsEveryCheckBoxAndOptionBesideTheWindow) {
  HWND button = AddButton();
  HWND inner =
      test::CreateRecordingWindow(L"TintoraTestPanel", form().hwnd(), 0, 200, 10, 150, 100);
  const HWND glyphs[] = {AddGlyph(gallery::CheckBoxClass, 40),
                         AddGlyph(gallery::OptionButtonClass, 70),
                         CreateWindowExW(0, gallery::OptionButtonClass, L"n",
                                         WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 5, 100, 21,
                                         inner, nullptr, nullptr, nullptr)};
  form().Skin();
  // Released on a child, and on a window without a parent (its own descendants).
  for (HWND released : {button, form().hwnd()}) {
    for (HWND w : glyphs) WriteProp(w, PropOldState, StateHover);
    SendMessageW(released, WM_LBUTTONUP, 0, At(5, 5));
    for (HWND w : glyphs)
      EXPECT_EQ(Prop(w, PropOldState), StateNormal) << "released on " << released;
  }
}

// ---- Headers ----

class HeaderInput : public Interaction {
 protected:
  void SetUp() override {
    Interaction::SetUp();
    header_ = AddHeader({L"", L"", L""});
    form().Skin();
    PointAt(header_, 5, 5);
  }
  // The strip each item shows (0 normal, 3 hover, 6 pressed), told apart by the stretched
  // middle column, which differs in all three.
  using Row = std::vector<int>;
  Row Strips() {
    test::Pixels shown = test::ReadWindow(header_);
    Row strips;
    for (int item = 0; item < 3; ++item) {
      strips.push_back(-1);
      for (int strip : {0, 3, 6})
        if (shown.at(item * 80 + 40, 10) == test::Art(HeaderBitmap, strip + 1, 10))
          strips.back() = strip;
    }
    return strips;
  }
  void Send(UINT message, int x, WPARAM keys = 0) {
    SendMessageW(header_, message, keys, At(x, 10));
  }
  HWND header_ = nullptr;
};

TEST_F(HeaderInput, HoverMovesItemByItemAndALeaveRepaintsOnlyTheHoveredItem) {
  Send(WM_MOUSEMOVE, 40);
  EXPECT_EQ(Prop(header_, PropHmIndex), 0);
  EXPECT_EQ(Strips(), (Row{3, 0, 0}));
  Send(WM_MOUSEMOVE, 120);
  EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  EXPECT_EQ(Strips(), (Row{0, 3, 0}));
  EXPECT_EQ(HeaderItemAt(header_, 80), 0);  // a shared edge belongs to the lower item
  EXPECT_EQ(HeaderItemAt(header_, 81), 1);
  EXPECT_EQ(HeaderItemAt(header_, 290), -1);
  Send(WM_MOUSEMOVE, 80);
  EXPECT_EQ(Prop(header_, PropHmIndex), 0);
  EXPECT_EQ(Strips(), (Row{3, 0, 0}));
  // A press outside the items paints nothing, and a leave repaints the hovered item but not
  // a pressed one: the dab on item 2 stays.
  test::Dab(header_, 210, 10, RGB(1, 2, 3));
  Send(WM_LBUTTONDOWN, 290, MK_LBUTTON);
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(Strips(), (Row{3, 0, 0}));
  Send(WM_LBUTTONUP, 290);
  WriteProp(header_, PropHdIndex, 2);
  SendMessageW(header_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(Prop(header_, PropHmIndex), -1);
  EXPECT_EQ(Prop(header_, PropMouseFlag), 0);
  EXPECT_EQ(Strips(), (Row{0, 0, 0}));
  EXPECT_EQ(test::ReadWindow(header_).at(210, 10), RGB(1, 2, 3));
}

TEST_F(HeaderInput, HoldingKeepsOnlyThePressedItemAndReleaseHoversItOnlyUnderTheCursor) {
  Send(WM_MOUSEMOVE, 120);
  Send(WM_LBUTTONDBLCLK, 120, MK_LBUTTON);  // a double click presses as a press does
  EXPECT_EQ(Prop(header_, PropHdIndex), 1);
  for (int x : {120, 200, 40, 130}) {
    if (x != 120) Send(WM_MOUSEMOVE, x, MK_LBUTTON);
    EXPECT_EQ(Strips(), (Row{0, 6, 0})) << "held at " << x;
    EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  }
  Send(WM_LBUTTONUP, 130);
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(Strips(), (Row{0, 3, 0}));
  Send(WM_LBUTTONDOWN, 120, MK_LBUTTON);
  PointAway();
  Send(WM_LBUTTONUP, 600);
  EXPECT_EQ(Strips(), (Row{0, 0, 0}));
  EXPECT_EQ(Prop(header_, PropHmIndex), 1);  // unchanged by press and release
}

// ---- Forms, activation and leave ----

TEST_F(Interaction, FormsOnlyPassInputOnAndSkinAnOwnedMessageBoxWhenItBecomesActive) {
  HWND button = AddButton();
  form().Skin();
  test::Recorder::Clear();
  for (UINT message : {WM_MOUSELEAVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYDOWN})
    SendMessageW(form().hwnd(), message, 0, 0);
  EXPECT_EQ(test::Recorder::Log().size(), 4u);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
  SetForegroundWindow(form().hwnd());
  SetActiveWindow(form().hwnd());
  test::MessageBoxWatcher watcher;
  const LONG before = SkinnedWindowCount;
  MessageBoxW(form().hwnd(), L"text", L"title", MB_OKCANCEL);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_TRUE(watcher.seen()[0].skinnedWhenSeen);
  EXPECT_EQ(SkinnedWindowCount, before);  // its skin came off with it
}

TEST_F(Interaction, ActivationSkinsOwnedWindowsAndOurFormsBeforeTheFormSeesItButNoStrangers) {
  form().Skin();
  HWND stranger = test::CreateRecordingWindow(L"TintoraTestStranger", nullptr,
                                              WS_POPUP | WS_VISIBLE, 500, 500, 50, 50);
  HWND owned =
      test::CreateRecordingWindow(L"TintoraTestOwned", form().hwnd(), WS_POPUP, 0, 0, 50, 50);
  HWND ours = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP, 0, 0, 50, 50);
  bool skinnedWhenSeen = false;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (hwnd == form().hwnd() && message == WM_ACTIVATE && lParam)
      skinnedWhenSeen = IsSkinned(reinterpret_cast<HWND>(lParam));
    return false;
  });
  for (HWND other : {owned, ours, stranger}) {
    skinnedWhenSeen = false;
    SendMessageW(form().hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(skinnedWhenSeen, other != stranger);
    EXPECT_EQ(IsSkinned(other), other != stranger);
  }
  // lParam 0 is only passed on, once. (DefWindowProc's SetFocus may activate the form for
  // real, with another window in lParam.)
  const LONG before = SkinnedWindowCount;
  test::Recorder::Clear();
  SendMessageW(form().hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  int activations = 0;
  for (const test::Recorded& r : test::Recorder::Of(WM_ACTIVATE))
    activations += r.hwnd == form().hwnd() && r.lParam == 0;
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(SkinnedWindowCount, before);
  for (HWND w : {ours, owned, stranger}) DestroyWindow(w);
}

// A control holding the mouse gets moves with the cursor elsewhere. Counted as an entry,
// such a move asks for a leave that Wine never sends, and the next real hover asks for
// none: the control then stays hovered. (A header asks for leaves of its own.)
TEST_F(Interaction, AMoveWithTheCursorElsewhereIsNoEntrySoTheNextHoverEndsInALeave) {
  const HWND controls[] = {
      AddGlyph(gallery::CheckBoxClass, 10), AddGlyph(gallery::OptionButtonClass, 40),
      form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 70, 150, 200)};
  form().Skin();
  for (HWND w : controls) {
    PointAway();
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
    PointAt(w, 5, 5);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    PointAway();
    EXPECT_TRUE(test::PumpUntil(3000, [&] { return Prop(w, PropMouseFlag) == 0; }))
        << "no leave came to " << skin::WindowClassName(w).c_str();
  }
}

TEST_F(Interaction, LeaveRequestsAreWellFormedAndTheCommonControlsPathDeliversTheLeave) {
  HWND button = AddButton();
  form().Skin();
  static TRACKMOUSEEVENT seen{};
  static int calls;
  calls = 0;
  platform::Services().commonTrackMouseEvent = [](LPTRACKMOUSEEVENT request) -> BOOL {
    seen = *request;
    ++calls;
    return platform::DefaultServices().commonTrackMouseEvent(request);
  };
  HasTrackMouseEvent = false;
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen.cbSize, sizeof(TRACKMOUSEEVENT));
  EXPECT_EQ(seen.dwFlags, static_cast<DWORD>(TME_LEAVE));
  EXPECT_EQ(seen.hwndTrack, button);
  EXPECT_EQ(seen.dwHoverTime, 0u);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(21, 10));
  EXPECT_EQ(calls, 1);  // one request per entry
  PointAway();
  EXPECT_TRUE(test::PumpUntil(3000, [&] { return Prop(button, PropMouseFlag) == 0; }))
      << "no WM_MOUSELEAVE came";
  HasTrackMouseEvent = true;
}

}  // namespace
