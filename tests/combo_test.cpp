// Combo boxes and drive lists: the drop-down button the skin draws at their right edge, and
// how it follows the mouse, the list and the window's moves.
#include <tuple>

#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Combo = test::SkinTest;

// Halves round to even: 21 and 23 pixels high both put the arrow at row 8.
TEST_F(Combo, TheDropButtonIsPlacedWithItsArrowCentredAndPressedWhileTheListIsOpen) {
  const int heights[] = {21, 23, 0};  // 0: disabled, at its own height
  HWND combos[3];
  for (int i = 0; i < 3; ++i) {
    combos[i] = Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | (heights[i] ? 0 : WS_DISABLED), 200,
                    10 + 40 * i, 150, 200);
    SendMessageW(combos[i], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    for (int item = heights[i]; item > 1 && WindowSize(combos[i]).cy != heights[i]; --item)
      SendMessageW(combos[i], CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
  HWND simple = Add(L"ComboBox", CBS_SIMPLE, 10, 10, 150, 100);
  Skin();
  EXPECT_EQ(WindowSize(combos[0]).cy * 100 + WindowSize(combos[1]).cy, 2123);
  const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1;
  for (HWND c : combos) {
    const int h = WindowSize(c).cy, left = DropButtonLeft(c);
    const int arrowTop = IsWindowEnabled(c) ? 0 : 4;  // the grey arrow lies below the black one
    SCOPED_TRACE(testing::Message() << "height " << h << (arrowTop ? ", disabled" : ""));
    int state = StateHover;
    PaintComboButton(c, nullptr, state, true);
    const Pixels shown = ReadWindow(c);
    EXPECT_EQ(shown.at(left, 5), Art(ComboBitmap, 0, 5));  // the hover strip's border column
    EXPECT_EQ(shown.at(left + bw - 1, 1), Art(ComboBitmap, 3, 0));  // its top-right corner
    const int ax = left + Centre(bw - 7), ay = 1 + Centre(h - 6);
    for (int x = 0; x < 7; ++x) EXPECT_EQ(shown.at(ax + x, ay), Art(ComboBitmap, 8 + x, arrowTop)) << x;
    EXPECT_NE(shown.at(ax, ay + 3), Art(ComboBitmap, 8, arrowTop + 3));  // the key left out
  }
  SendMessageW(combos[0], CB_SHOWDROPDOWN, TRUE, 0);
  Settle();
  int state = StateHover;
  PaintComboButton(combos[0], nullptr, state, false);
  EXPECT_EQ(state, StatePressed);
  EXPECT_EQ(ReadWindow(combos[0]).at(DropButtonLeft(combos[0]) + 2, 2), Art(ComboBitmap, 6, 1));
  SendMessageW(combos[0], CB_SHOWDROPDOWN, FALSE, 0);
  const Pixels before = ReadWindow(simple);  // a simple combo has no drop button to paint
  PaintComboButton(simple, nullptr, state, true);
  EXPECT_EQ(ReadWindow(simple).Differences(before), 0);
}

// The drive list is styled as an editable combo, so that only its kind makes all of it the
// drop button.
TEST_F(Combo, CombosAndDriveListsFollowTheirDropButtonTheCursorAndTheirMoves) {
  HWND combo = Add(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 10, 10, 150, 200);
  HWND drive = Add(gallery::DriveListClass, CBS_DROPDOWN | WS_VSCROLL, 10, 60, 150, 200);
  Skin();
  const int w = WindowSize(combo).cx, mid = WindowSize(combo).cy / 2;
  // The last point on the drop button's left edge, and the first off it.
  const int on = w - GetSystemMetrics(SM_CXVSCROLL) - 2, off = on - 1;
  // Message (0: the window is moved), wParam, x, whether the cursor is over the control, and
  // OLDSTATE afterwards for the combo and the drive list.
  const std::tuple<UINT, WPARAM, int, bool, int, int> steps[] = {
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
      {0, 0, 0, false, StateNormal, StateNormal}};
  for (HWND c : {combo, drive}) {
    for (const auto& [message, wParam, x, over, comboState, driveState] : steps) {
      WriteProp(c, PropOldState, Untouched);
      over ? PointAt(c, on, mid) : PointAway();
      if (message) SendMessageW(c, message, wParam, At(x, mid));
      if (!message)
        SetWindowPos(c, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
      EXPECT_EQ(Prop(c, PropOldState), c == combo ? comboState : driveState)
          << (c == combo ? "combo" : "drive list") << ", message " << message << " at " << x
          << (over ? "" : ", away");
      EXPECT_EQ(Prop(c, PropMouseFlag), message == WM_MOUSELEAVE || !message ? 0 : 1);
      // A press on the drop button drops the list, which would hold the button pressed.
      SendMessageW(c, CB_SHOWDROPDOWN, FALSE, 0);
      ReleaseCapture();
    }
  }
}

}  // namespace
