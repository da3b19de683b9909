// Combo boxes and drive lists: a flat frame, and the skin's drop button at the right edge,
// which lights under the mouse and shows pressed while held on it or while the list is
// open. An editable drop-down combo is painted whole (its edit field is a child window and
// paints itself); the other styles and drive lists paint themselves first and get the
// frame and the button over that. A drive list counts as a combo whose whole area is the
// drop button.
#include "skin/kinds/combo_and_drive_list.h"

#include "skin/core/combo_style.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/hover.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {

void React(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam, bool driveList) {
  const int x = LoWord(lParam);
  const int y = HiWord(lParam);
  const bool onButton = driveList || IsOnDropButton(hwnd, x, y);
  int state = StateNormal;
  switch (event) {
    case InputEvent::MouseMove:
      EnterCheck(hwnd);
      if (onButton) state = (wParam & MK_LBUTTON) ? StatePressed : StateHover;
      PaintComboButton(hwnd, nullptr, state, false);
      break;
    case InputEvent::LButtonDown:
      if (!onButton) break;
      state = StatePressed;
      PaintComboButton(hwnd, nullptr, state, false);
      break;
    case InputEvent::LButtonUp:
      state = CursorIsOver(hwnd) ? StateHover : StateNormal;
      PaintComboButton(hwnd, nullptr, state, false);
      break;
    case InputEvent::LButtonDblClk:
    case InputEvent::KeyDown:
    case InputEvent::KeyUp:
      break;
  }
}

// Over the control's own painting: the double frame and the button.
void DrawFrameAndButton(HWND hwnd, int state) {
  WindowDc windowDc(hwnd);
  DrawFlatDoubleFrame(hwnd, windowDc);
  PaintComboButton(hwnd, windowDc, state, true);
}

}  // namespace

LRESULT ComboBoxPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  int state = ReadIntProp(hwnd, PropOldState);
  WindowBox box;
  GetWindowBox(hwnd, box);
  if (IsEditableDropDown(GetWindowLongPtrW(hwnd, GWL_STYLE))) {
    PaintDc paint(hwnd);
    FillSolid(paint, 0, 0, box.Width, box.Height, White);
    FrameSolid(paint, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
    PaintComboButton(hwnd, paint, state, true);
    return 0;
  }
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  DrawFrameAndButton(hwnd, state);
  return result;
}

LRESULT DriveListPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                       LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  DrawFrameAndButton(hwnd, ReadIntProp(hwnd, PropOldState));
  return result;
}

void ComboBoxInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam) {
  React(hwnd, event, wParam, lParam, false);
}

void DriveListInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam) {
  React(hwnd, event, wParam, lParam, true);
}

void ComboBoxLeave(HWND hwnd) {
  WriteProp(hwnd, PropMouseFlag, 0);
  int state = StateNormal;
  PaintComboButton(hwnd, nullptr, state, false);
}

// Moved or resized: the button is drawn where the control is now.
void ComboBoxPosition(HWND hwnd) {
  int state = StateNormal;
  PaintComboButton(hwnd, nullptr, state, false);
}

}  // namespace skin
