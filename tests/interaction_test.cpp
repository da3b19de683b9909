// Hover, fade, the mouse and keyboard state machine, activation, focus, enable and
// position, driven with real messages on real windows. Fade steps are counted by sending
// WM_TIMER, never by waiting.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <memory>

#include "platform/window_services.h"
#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/interaction/hit_tests.h"
#include "skin/render/painters.h"
#include "skin/render/skin_colors.h"
#include "skin/render/visual_state.h"
#include "app/gallery/kind_classes.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/pixels.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"
#include "tests/support/skin_form.h"

namespace {

using namespace skin;

int Prop(HWND hwnd, const wchar_t* name) { return ReadIntProp(hwnd, name); }

// Puts the cursor over a point of a window (client coordinates).
void PointAt(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  SetCursorPos(p.x, p.y);
}

void PointAway() { SetCursorPos(1200, 1000); }

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class Interaction : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Recorder::Clear();
    platform::Services() = platform::DefaultServices();
    PointAway();
  }
  void TearDown() override {
    test::Recorder::SetHook({});
    form_.reset();
    platform::Services() = platform::DefaultServices();
    EXPECT_EQ(SkinnedWindowCount, 0);
  }
  test::SkinForm& form() {
    if (!form_) form_ = std::make_unique<test::SkinForm>();
    return *form_;
  }
  HWND AddButton(int x = 10, int y = 10) {
    return form().Add(L"Button", BS_PUSHBUTTON, x, y, 75, 23, L"");
  }
  // Sends WM_TIMER until the fade stops; returns the number of steps (blends) it took.
  static int RunFade(HWND button) {
    int steps = 0;
    while (Prop(button, PropTimerId) != 0 && steps < 1000) {
      SendMessageW(button, WM_TIMER, FadeTimerId, 0);
      ++steps;
    }
    return steps;
  }
  std::unique_ptr<test::SkinForm> form_;
};

// ---- The fade ----

TEST_F(Interaction, AFadeFromZeroTakes86BlendsAndFrom60Takes66) {
  HWND button = AddButton();
  form().Skin();
  int timersSet = 0;
  platform::Services().setTimer = [](HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) -> UINT_PTR {
    ++*reinterpret_cast<int*>(GetPropW(hwnd, L"TestTimerCount"));
    return SetTimer(hwnd, id, ms, proc);
  };
  SetPropW(button, L"TestTimerCount", &timersSet);

  WriteProp(button, PropAlphaLevel, 0);
  EXPECT_EQ(StartTimer(button), FadeTimerId);
  EXPECT_EQ(StartTimer(button), 0u);  // never a second timer
  EXPECT_EQ(timersSet, 1);
  EXPECT_EQ(RunFade(button), 86);
  EXPECT_EQ(Prop(button, PropTimerId), 0);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);

  WriteProp(button, PropAlphaLevel, 60);
  StartTimer(button);
  EXPECT_EQ(RunFade(button), 66);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_EQ(timersSet, 2);
  RemovePropW(button, L"TestTimerCount");
}

TEST_F(Interaction, TheFadeAccumulatesTheNewFaceByItsWeightFormula) {
  HWND button = AddButton();
  form().Skin();
  const COLORREF background = RGB(0, 0, 0);
  test::DibSurface target(75, 23, background);
  WriteProp(button, PropOldState, StateHover);
  const int levels[] = {60, 63, 66, 69};
  double remaining = 1.0;  // weight of the old picture
  for (int level : levels) {
    WriteProp(button, PropAlphaLevel, level);
    PaintButtonBlend(button, target.dc());
    remaining *= 1.0 - level / 255.0;
  }
  // A spot of the face that the caption cannot reach: the middle of its top inner row.
  const COLORREF face = GetPixel(FaceDc(button, StateHover), 37, 1);
  const double weight = 1.0 - remaining;
  const COLORREF shown = target.at(37, 1);
  EXPECT_NEAR(GetRValue(shown), GetRValue(face) * weight, 4.0);
  EXPECT_NEAR(GetGValue(shown), GetGValue(face) * weight, 4.0);
  EXPECT_NEAR(GetBValue(shown), GetBValue(face) * weight, 4.0);
  EXPECT_LT(GetBValue(shown), GetBValue(face));  // not yet the whole face
}

TEST_F(Interaction, AnyTimerMessageIsOneStepAndAButtonThatPaintsItselfIsNeverBlended) {
  HWND radio = form().Add(L"Button", BS_AUTORADIOBUTTON, 10, 10, 100, 20, L"r");
  form().Skin();
  WriteProp(radio, PropAlphaLevel, 250);
  StartTimer(radio);
  test::Pixels before = test::ReadWindow(radio);
  SendMessageW(radio, WM_TIMER, 77, 0);  // any id
  EXPECT_EQ(Prop(radio, PropAlphaLevel), 253);
  SendMessageW(radio, WM_TIMER, 77, 0);
  EXPECT_EQ(Prop(radio, PropTimerId), 0);
  EXPECT_EQ(Prop(radio, PropAlphaLevel), 0);
  test::Pixels after = test::ReadWindow(radio);
  EXPECT_EQ(after.Count(before.at(1, 1)), before.Count(before.at(1, 1)));
}

// ---- Command button state machine ----

TEST_F(Interaction, AClickShowsPressedAtOnceFadesNormalFrom60AndHoverFrom0OnTheNextMove) {
  HWND button = AddButton();
  form().Skin();
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 1);
  EXPECT_EQ(Prop(button, PropOldState), StateHover);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_NE(Prop(button, PropTimerId), 0);

  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  EXPECT_EQ(Prop(button, PropOldState), StatePressed);
  EXPECT_EQ(Prop(button, PropTimerId), 0);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 42 + 1));

  SendMessageW(button, WM_LBUTTONUP, 0, At(20, 10));
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 60);
  EXPECT_NE(Prop(button, PropTimerId), 0);

  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(21, 10));
  EXPECT_EQ(Prop(button, PropOldState), StateHover);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_EQ(RunFade(button), 86);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 21 + 1));
}

TEST_F(Interaction, SpaceIsAPressAndReleaseThatFadesFromZeroAndEnterDoesNothing) {
  HWND button = AddButton();
  form().Skin();
  SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(Prop(button, PropOldState), StatePressed);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 42 + 1));
  SendMessageW(button, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(RunFade(button), 86);

  WriteProp(button, PropOldState, StateHover);
  SendMessageW(button, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  SendMessageW(button, WM_KEYUP, VK_RETURN, 0xC01C0001);
  EXPECT_EQ(Prop(button, PropOldState), StateHover);
  EXPECT_EQ(Prop(button, PropTimerId), 0);
}

TEST_F(Interaction, DraggingOffAPressedButtonKeepsItPressedWithoutAFade) {
  HWND button = AddButton();
  form().Skin();
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  StartTimer(button);  // as if a focus change had started a fade meanwhile
  PointAway();
  SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
  EXPECT_EQ(Prop(button, PropTimerId), 0);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 255);
  EXPECT_EQ(Prop(button, PropOldState), StatePressed);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 42 + 1));
  SendMessageW(button, WM_LBUTTONUP, 0, At(-300, 400));
  EXPECT_EQ(Prop(button, PropAlphaLevel), 60);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
}

TEST_F(Interaction, LeavingAButtonBlendsHoverOnceThenFadesNormalFromZero) {
  HWND button = AddButton();
  form().Skin();
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  RunFade(button);
  const COLORREF hover = GetPixel(FaceDc(button, StateHover), 37, 1);
  const COLORREF before = test::ReadWindow(button).at(37, 1);
  ASSERT_EQ(before, hover);
  // Paint something else there, so the 140 blend is visible.
  HDC dc = GetWindowDC(button);
  SetPixel(dc, 37, 1, RGB(0, 0, 0));
  ReleaseDC(button, dc);
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  const COLORREF blended = test::ReadWindow(button).at(37, 1);
  EXPECT_NEAR(GetBValue(blended), GetBValue(hover) * 140 / 255.0, 2.0);
  EXPECT_EQ(Prop(button, PropMouseFlag), 0);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
  EXPECT_EQ(Prop(button, PropAlphaLevel), 0);
  EXPECT_NE(Prop(button, PropTimerId), 0);
}

TEST_F(Interaction, DisablingAtRestShowsNothingUntilThePaintAndEnablingGoesBackToNormal) {
  HWND button = AddButton();
  form().Skin();
  // At rest: a finished fade leaves the level at 0 (a paint alone leaves it at 255).
  StartTimer(button);
  RunFade(button);
  const COLORREF normal = test::ReadWindow(button).at(10, 1);
  EnableWindow(button, FALSE);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), normal);
  test::SkinForm::Repaint(button);
  EXPECT_EQ(test::ReadWindow(button).at(10, 1), GetPixel(ButtonBitmap, 3, 63 + 1));
  // A blend while disabled shows the disabled face, whatever the state was.
  WriteProp(button, PropOldState, StateHover);
  WriteProp(button, PropAlphaLevel, 255);
  PaintButtonBlend(button, nullptr);
  EXPECT_EQ(Prop(button, PropOldState), StateDisabled);
  EnableWindow(button, TRUE);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
}

// ---- Combo boxes ----

TEST_F(Interaction, TheDropButtonAreaHasInclusiveBounds) {
  HWND editable = form().Add(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 10, 10, 150, 200);
  HWND list = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 60, 150, 200);
  form().Skin();
  RECT r{};
  GetWindowRect(editable, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int b = GetSystemMetrics(SM_CXVSCROLL);
  const int mid = h / 2;
  EXPECT_TRUE(IsOnDropButton(editable, w - b - 2, mid));
  EXPECT_FALSE(IsOnDropButton(editable, w - b - 3, mid));
  EXPECT_TRUE(IsOnDropButton(editable, w - 2, mid));
  EXPECT_FALSE(IsOnDropButton(editable, w - 1, mid));
  EXPECT_TRUE(IsOnDropButton(editable, w - 5, 2));
  EXPECT_FALSE(IsOnDropButton(editable, w - 5, 1));
  EXPECT_TRUE(IsOnDropButton(editable, w - 5, h - 2));
  EXPECT_FALSE(IsOnDropButton(editable, w - 5, h - 1));
  EXPECT_TRUE(IsOnDropButton(list, 3, 3));  // a drop-down list lights anywhere

  PointAt(editable, 10, mid);
  SendMessageW(editable, WM_MOUSEMOVE, 0, At(w - 5, mid));
  EXPECT_EQ(Prop(editable, PropOldState), StateHover);
  EXPECT_EQ(Prop(editable, PropMouseFlag), 1);
  SendMessageW(editable, WM_MOUSEMOVE, MK_LBUTTON, At(w - 5, mid));
  EXPECT_EQ(Prop(editable, PropOldState), StatePressed);
  SendMessageW(editable, WM_MOUSEMOVE, 0, At(10, mid));
  EXPECT_EQ(Prop(editable, PropOldState), StateNormal);
  SendMessageW(list, WM_MOUSEMOVE, 0, At(10, mid));
  EXPECT_EQ(Prop(list, PropOldState), StateHover);
  SendMessageW(list, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Prop(list, PropOldState), StateNormal);
  EXPECT_EQ(Prop(list, PropMouseFlag), 0);
}

TEST_F(Interaction, AMovedComboRepaintsNormalOrPressedWhileOpen) {
  HWND combo = form().Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 200);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  form().Skin();
  int state = StateHover;
  PaintComboButton(combo, nullptr, state, true);
  SetWindowPos(combo, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Prop(combo, PropOldState), StateNormal);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  SetWindowPos(combo, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Prop(combo, PropOldState), StatePressed);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// ---- Check boxes and option buttons ----

TEST_F(Interaction, GlyphsFollowTheMouseAndTheSpaceBar) {
  HWND check = form().Add(gallery::CheckBoxClass, BS_AUTOCHECKBOX, 10, 10, 100, 21, L"c");
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 40, 100, 21, L"o");
  form().Skin();
  for (HWND w : {check, option}) {
    PointAt(w, 5, 5);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(Prop(w, PropOldState), StateHover);
    EXPECT_EQ(Prop(w, PropMouseFlag), 1);
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(Prop(w, PropOldState), StatePressed);
    SendMessageW(w, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Prop(w, PropOldState), StateNormal);
    SendMessageW(w, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(Prop(w, PropOldState), StatePressed);
    SendMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Prop(w, PropOldState), StatePressed);
    SendMessageW(w, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Prop(w, PropOldState), StateNormal);
    EXPECT_EQ(Prop(w, PropMouseFlag), 0);
  }
}

TEST_F(Interaction, AReleaseRepaintsEveryCheckBoxAndOptionBesideTheWindow) {
  HWND button = AddButton();
  HWND check = form().Add(gallery::CheckBoxClass, BS_AUTOCHECKBOX, 10, 40, 100, 21, L"c");
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 70, 100, 21, L"o");
  HWND inner = test::CreateRecordingWindow(L"TintoraTestPanel", form().hwnd(), 0, 200, 10, 150, 100);
  HWND nested = CreateWindowExW(0, gallery::OptionButtonClass, L"n", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON,
                                5, 5, 100, 21, inner, nullptr, nullptr, nullptr);
  form().Skin();
  for (HWND w : {check, option, nested}) WriteProp(w, PropOldState, StateHover);
  SendMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
  for (HWND w : {check, option, nested}) EXPECT_EQ(Prop(w, PropOldState), StateNormal);

  // A release on a window without a parent refreshes its own descendants.
  for (HWND w : {check, option, nested}) WriteProp(w, PropOldState, StateHover);
  SendMessageW(form().hwnd(), WM_LBUTTONUP, 0, At(300, 300));
  for (HWND w : {check, option, nested}) EXPECT_EQ(Prop(w, PropOldState), StateNormal);
}

TEST_F(Interaction, FocusRepaintsOptionButtonsButNotCheckBoxes) {
  HWND check = form().Add(gallery::CheckBoxClass, BS_AUTOCHECKBOX, 10, 10, 100, 21, L"c");
  HWND option = form().Add(gallery::OptionButtonClass, BS_AUTORADIOBUTTON, 10, 40, 100, 21, L"o");
  form().Skin();
  WriteProp(check, PropOldState, StateHover);
  WriteProp(option, PropOldState, StateHover);
  SetFocus(option);
  EXPECT_EQ(Prop(option, PropOldState), StateNormal);
  WriteProp(option, PropOldState, StateHover);
  SetFocus(check);
  EXPECT_EQ(Prop(check, PropOldState), StateHover);
  EXPECT_EQ(Prop(option, PropOldState), StateNormal);  // on losing the focus too
}

TEST_F(Interaction, FocusMovingBetweenButtonsRerendersBothAndFadesFromZero) {
  HWND first = AddButton(10, 10);
  HWND second = AddButton(10, 50);
  form().Skin();
  SetFocus(first);
  RunFade(first);
  RunFade(second);
  const COLORREF plain = GetPixel(ButtonBitmap, 3, 1);  // the face's second row, x = 10
  test::Pixels firstBefore = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  SetFocus(second);
  for (HWND b : {first, second}) {
    EXPECT_EQ(Prop(b, PropAlphaLevel), 0);
    EXPECT_NE(Prop(b, PropTimerId), 0);
  }
  test::Pixels firstAfter = test::ReadDc(FaceDc(first, StateNormal), 0, 0, 75, 23);
  test::Pixels secondAfter = test::ReadDc(FaceDc(second, StateNormal), 0, 0, 75, 23);
  int lost = 0;
  int gained = 0;
  for (int x = 2; x <= 72; ++x) {
    lost += firstBefore.at(x, 2) != firstAfter.at(x, 2);
    gained += secondAfter.at(x, 2) != GetPixel(ButtonBitmap, 3, 2);
  }
  EXPECT_GT(lost, 10);    // the first button's faces lost the focus rectangle
  EXPECT_GT(gained, 10);  // the second's gained it
  EXPECT_EQ(firstAfter.at(10, 1), plain);
}

// ---- Headers ----

class HeaderHover : public Interaction {
 protected:
  void SetUp() override {
    Interaction::SetUp();
    header_ = form().Add(WC_HEADERW, HDS_BUTTONS, 10, 10, 300, 20);
    for (int i = 0; i < 3; ++i) {
      HDITEMW item{};
      item.mask = HDI_WIDTH;
      item.cxy = 80;
      SendMessageW(header_, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    form().Skin();
    PointAt(header_, 5, 5);
  }
  // The strip each item shows: 0 normal, 3 hover, 6 pressed (column of HeaderBitmap),
  // told apart by the stretched middle column, which differs in all three.
  int StripOf(int item) {
    test::Pixels shown = test::ReadWindow(header_);
    const COLORREF c = shown.at(item * 80 + 40, 10);
    for (int strip : {0, 3, 6})
      if (c == GetPixel(HeaderBitmap, strip + 1, 10)) return strip;
    return -1;
  }
  void Move(int x, WPARAM keys = 0) { SendMessageW(header_, WM_MOUSEMOVE, keys, At(x, 10)); }
  HWND header_ = nullptr;
};

TEST_F(HeaderHover, HoverMovesItemByItemAndASharedEdgeIsTheLowerItem) {
  Move(40);
  EXPECT_EQ(Prop(header_, PropHmIndex), 0);
  EXPECT_EQ(StripOf(0), 3);
  Move(120);
  EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  EXPECT_EQ(StripOf(0), 0);
  EXPECT_EQ(StripOf(1), 3);
  EXPECT_EQ(HeaderItemAt(header_, 80), 0);
  EXPECT_EQ(HeaderItemAt(header_, 81), 1);
  EXPECT_EQ(HeaderItemAt(header_, 290), -1);
  Move(80);
  EXPECT_EQ(Prop(header_, PropHmIndex), 0);
}

TEST_F(HeaderHover, HoldingTheButtonNeverHoversOthersNorUnpressesThePressedOne) {
  Move(120);
  SendMessageW(header_, WM_LBUTTONDOWN, MK_LBUTTON, At(120, 10));
  EXPECT_EQ(Prop(header_, PropHdIndex), 1);
  EXPECT_EQ(StripOf(1), 6);
  Move(200, MK_LBUTTON);
  EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  EXPECT_EQ(StripOf(2), 0);
  EXPECT_EQ(StripOf(1), 6);
  Move(40, MK_LBUTTON);
  EXPECT_EQ(StripOf(0), 0);
  EXPECT_EQ(StripOf(1), 6);
  Move(130, MK_LBUTTON);
  EXPECT_EQ(StripOf(1), 6);
}

TEST_F(HeaderHover, AReleaseRepaintsThePressedItemHoveredOnlyUnderTheCursor) {
  Move(120);
  SendMessageW(header_, WM_LBUTTONDOWN, MK_LBUTTON, At(120, 10));
  SendMessageW(header_, WM_LBUTTONUP, 0, At(120, 10));
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(StripOf(1), 3);

  SendMessageW(header_, WM_LBUTTONDOWN, MK_LBUTTON, At(120, 10));
  PointAway();
  SendMessageW(header_, WM_LBUTTONUP, 0, At(600, 10));
  EXPECT_EQ(StripOf(1), 0);
  EXPECT_EQ(Prop(header_, PropHmIndex), 1);  // unchanged by press and release
}

TEST_F(HeaderHover, APressOutsideEveryItemPaintsNothing) {
  test::Pixels before = test::ReadWindow(header_);
  SendMessageW(header_, WM_LBUTTONDOWN, MK_LBUTTON, At(290, 10));
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  test::Pixels after = test::ReadWindow(header_);
  for (int item = 0; item < 3; ++item)
    EXPECT_EQ(after.at(item * 80 + 40, 10), before.at(item * 80 + 40, 10));
}

TEST_F(HeaderHover, LeavingForgetsBothItemsAndRepaintsOnlyAHoveredOne) {
  WriteProp(header_, PropHdIndex, 2);
  WriteProp(header_, PropMouseFlag, 1);
  test::Pixels before = test::ReadWindow(header_);
  SendMessageW(header_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(Prop(header_, PropHmIndex), -1);
  EXPECT_EQ(Prop(header_, PropMouseFlag), 0);
  test::Pixels after = test::ReadWindow(header_);
  EXPECT_EQ(after.Count(GetPixel(HeaderBitmap, 1, 10)), before.Count(GetPixel(HeaderBitmap, 1, 10)));

  Move(200);
  EXPECT_EQ(StripOf(2), 3);
  SendMessageW(header_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(StripOf(2), 0);
}

// ---- Forms, activation and leave ----

TEST_F(Interaction, FormsOnlyPassLeaveAndInputOn) {
  HWND button = AddButton();
  form().Skin();
  test::Recorder::Clear();
  for (UINT message : {WM_MOUSELEAVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYDOWN})
    SendMessageW(form().hwnd(), message, 0, 0);
  EXPECT_EQ(test::Recorder::Log().size(), 4u);
  EXPECT_EQ(Prop(button, PropOldState), StateNormal);
}

TEST_F(Interaction, AnOwnedMessageBoxIsSkinnedWhenItBecomesActive) {
  AddButton();
  form().Skin();
  SetForegroundWindow(form().hwnd());
  SetActiveWindow(form().hwnd());
  test::MessageBoxWatcher watcher;
  const LONG before = SkinnedWindowCount;
  MessageBoxW(form().hwnd(), L"text", L"title", MB_OKCANCEL);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_TRUE(watcher.seen()[0].skinnedWhenSeen);
  EXPECT_EQ(SkinnedWindowCount, before);  // its skin came off with it
}

TEST_F(Interaction, ActivatingAnUnrelatedWindowSkinsNothing) {
  form().Skin();
  HWND stranger = test::CreateRecordingWindow(L"TintoraTestStranger", nullptr,
                                              WS_POPUP | WS_VISIBLE, 500, 500, 50, 50);
  const LONG before = SkinnedWindowCount;
  SendMessageW(form().hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger));
  EXPECT_FALSE(IsSkinned(stranger));
  test::Recorder::Clear();
  SendMessageW(form().hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  int activations = 0;
  // (DefWindowProc's SetFocus may activate the form for real, with the stranger in lParam.)
  for (const test::Recorded& r : test::Recorder::Of(WM_ACTIVATE))
    activations += r.hwnd == form().hwnd() && r.lParam == 0;
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(SkinnedWindowCount, before);
  // A form of any thread but this one would not be taken either; a form of ours is.
  HWND other = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP, 0, 0, 50, 50);
  SendMessageW(form().hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
  EXPECT_TRUE(IsSkinned(other));
  DestroyWindow(other);
  DestroyWindow(stranger);
}

TEST_F(Interaction, TheSkinAttachesBeforeTheWindowsOwnProcedureSeesTheActivation) {
  form().Skin();
  HWND owned = test::CreateRecordingWindow(L"TintoraTestOwned", form().hwnd(), WS_POPUP, 0, 0, 50, 50);
  bool attachedFirst = false;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == form().hwnd() && message == WM_ACTIVATE) attachedFirst = IsSkinned(owned);
    return false;
  });
  SendMessageW(form().hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owned));
  EXPECT_TRUE(attachedFirst);
  DestroyWindow(owned);
}

// ---- Leave notifications ----

TEST_F(Interaction, LeaveRequestsAreWellFormedAndTheCommonControlsPathDeliversTheLeave) {
  HWND button = AddButton();
  form().Skin();
  static TRACKMOUSEEVENT seen{};
  static int commonCalls = 0;
  commonCalls = 0;
  platform::Services().commonTrackMouseEvent = [](LPTRACKMOUSEEVENT request) -> BOOL {
    seen = *request;
    ++commonCalls;
    return platform::DefaultServices().commonTrackMouseEvent(request);
  };
  HasTrackMouseEvent = false;
  PointAt(button, 20, 10);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 10));
  EXPECT_EQ(commonCalls, 1);
  EXPECT_EQ(seen.cbSize, sizeof(TRACKMOUSEEVENT));
  EXPECT_EQ(seen.dwFlags, static_cast<DWORD>(TME_LEAVE));
  EXPECT_EQ(seen.hwndTrack, button);
  EXPECT_EQ(seen.dwHoverTime, 0u);
  SendMessageW(button, WM_MOUSEMOVE, 0, At(21, 10));
  EXPECT_EQ(commonCalls, 1);  // one request per entry
  PointAway();
  EXPECT_TRUE(test::PumpUntil(3000, [&] { return Prop(button, PropMouseFlag) == 0; }))
      << "no WM_MOUSELEAVE came";
  HasTrackMouseEvent = true;
}

}  // namespace
