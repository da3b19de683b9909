// Check boxes and option buttons: the control paints itself (caption, focus), then the
// skin's glyph goes over its left edge, vertically centred: a framed square or a circle,
// with the mark of the control's check state. The glyph shows hover and pressed looks
// while the mouse or the space bar works the control, and the normal look again after a
// left-button release anywhere beside it, which may have changed its check state. The two
// kinds behave alike; only their painter differs.
#include "skin/kinds/check_and_option.h"

#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/hover.h"
#include "skin/render/painters.h"

namespace skin {

namespace {

// PaintCheckBox or PaintOptionButton: draws the glyph in a state unless it shows that
// state already (force: draw anyway).
using GlyphPainter = int (*)(HWND hwnd, int state, bool force);

LRESULT PaintOver(GlyphPainter paint, WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                  LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  paint(hwnd, StateNormal, true);
  return result;
}

// Every move repaints (forced), so the glyph follows the control's own painting under it.
void React(GlyphPainter paint, HWND hwnd, InputEvent event, WPARAM wParam) {
  switch (event) {
    case InputEvent::MouseMove:
      EnterCheck(hwnd);
      paint(hwnd, (wParam & MK_LBUTTON) ? StatePressed : StateHover, true);
      break;
    case InputEvent::LButtonDown:
      paint(hwnd, StatePressed, false);
      break;
    case InputEvent::LButtonUp:
      paint(hwnd, StateNormal, false);
      break;
    case InputEvent::KeyDown:
      if (wParam == VK_SPACE) paint(hwnd, StatePressed, false);
      break;
    case InputEvent::KeyUp:
      if (wParam == VK_SPACE) paint(hwnd, StateNormal, false);
      break;
    case InputEvent::LButtonDblClk:
      break;
  }
}

void Leave(GlyphPainter paint, HWND hwnd) {
  WriteProp(hwnd, PropMouseFlag, 0);
  paint(hwnd, StateNormal, false);
}

}  // namespace

LRESULT CheckBoxPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return PaintOver(PaintCheckBox, previous, hwnd, message, wParam, lParam);
}

void CheckBoxInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM) {
  React(PaintCheckBox, hwnd, event, wParam);
}

void CheckBoxLeave(HWND hwnd) { Leave(PaintCheckBox, hwnd); }

void CheckBoxRefresh(HWND hwnd) { PaintCheckBox(hwnd, StateNormal, true); }

LRESULT OptionButtonPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  return PaintOver(PaintOptionButton, previous, hwnd, message, wParam, lParam);
}

void OptionButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM) {
  React(PaintOptionButton, hwnd, event, wParam);
}

void OptionButtonLeave(HWND hwnd) { Leave(PaintOptionButton, hwnd); }

// Gaining or losing the focus draws the circle again, normal.
void OptionButtonFocus(HWND hwnd, bool) { OptionButtonRefresh(hwnd); }

void OptionButtonRefresh(HWND hwnd) { PaintOptionButton(hwnd, StateNormal, true); }

}  // namespace skin
