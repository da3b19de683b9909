// Header controls, painted whole by the skin: every item from its strip. The header tracks
// the item under the mouse (HMINDEX) and the item pressed (HDINDEX); while the left button
// is held no other item lights up and the pressed one stays pressed.
#include "skin/kinds/header.h"

#include <commctrl.h>

#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/hover.h"
#include "skin/render/painters.h"

namespace skin {

namespace {

void MouseMove(HWND hwnd, WPARAM wParam, int hit) {
  const int old = ReadIntProp(hwnd, PropHmIndex);
  const int pressed = ReadIntProp(hwnd, PropHdIndex);
  if (hit == old) return;
  if (old >= 0 && old != pressed) PaintHeaderItem(hwnd, nullptr, old, StateNormal);
  if (wParam & MK_LBUTTON) {
    // Held: only the pressed item is drawn again, pressed; HMINDEX keeps the old item.
    if (hit == pressed) PaintHeaderItem(hwnd, nullptr, hit, StatePressed);
    return;
  }
  WriteProp(hwnd, PropHmIndex, hit);
  PaintHeaderItem(hwnd, nullptr, hit, StateHover);
}

void Press(HWND hwnd, int hit) {
  if (SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0) <= 0) return;
  WriteProp(hwnd, PropHdIndex, hit);
  if (hit >= 0) PaintHeaderItem(hwnd, nullptr, hit, StatePressed);
}

// The released item is drawn hovered while the header is under the cursor (a later move
// hands the hover on, item by item) and normal when the cursor has gone elsewhere (no
// move will come to undo a hover look, and a pending leave repaints HMINDEX normal).
void Release(HWND hwnd) {
  const int released = ReadIntProp(hwnd, PropHdIndex);
  WriteProp(hwnd, PropHdIndex, NoHeaderItem);
  if (released < 0) return;
  PaintHeaderItem(hwnd, nullptr, released, CursorIsOver(hwnd) ? StateHover : StateNormal);
}

}  // namespace

bool HeaderAttach(HWND hwnd, Subclass subclass) {
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropHdIndex, NoHeaderItem);
  WriteProp(hwnd, PropHmIndex, NoHeaderItem);
  return subclass(hwnd);
}

void HeaderDetach(HWND hwnd) {
  DeleteProp(hwnd, PropMouseFlag);
  DeleteProp(hwnd, PropHdIndex);
  DeleteProp(hwnd, PropHmIndex);
}

LRESULT HeaderPaint(WNDPROC, HWND hwnd, UINT, WPARAM, LPARAM) {
  PaintHeader(hwnd);
  return 0;
}

void HeaderInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam) {
  switch (event) {
    case InputEvent::MouseMove:
      EnterCheck(hwnd);
      MouseMove(hwnd, wParam, HeaderItemAt(hwnd, LoWord(lParam)));
      break;
    case InputEvent::LButtonDown:
    case InputEvent::LButtonDblClk:
      Press(hwnd, HeaderItemAt(hwnd, LoWord(lParam)));
      break;
    case InputEvent::LButtonUp:
      Release(hwnd);
      break;
    case InputEvent::KeyDown:
    case InputEvent::KeyUp:
      break;
  }
}

// A pressed item is forgotten too.
void HeaderLeave(HWND hwnd) {
  const int hovered = ReadIntProp(hwnd, PropHmIndex);
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropHdIndex, NoHeaderItem);
  WriteProp(hwnd, PropHmIndex, NoHeaderItem);
  if (hovered >= 0) PaintHeaderItem(hwnd, nullptr, hovered, StateNormal);
}

}  // namespace skin
