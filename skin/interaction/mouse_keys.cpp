// The six input handlers: the control's own procedure first, always, then the reaction
// of the control's kind.
#include "skin/interaction/mouse_keys.h"

#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/core/window_props.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/hover.h"
#include "skin/interaction/input_events.h"

namespace skin {

void EnterCheck(HWND hwnd) {
  if (ReadIntProp(hwnd, PropMouseFlag) != 0) return;
  // A control that holds the mouse gets moves with the cursor elsewhere, and they are no
  // entry: a leave notification asked for then may never come (Wine only tracks a window
  // under the cursor), and the real entry that follows would ask for none.
  if (!CursorIsOver(hwnd)) return;
  WriteProp(hwnd, PropMouseFlag, 1);
  TrackLeave(hwnd);
}

namespace {

LRESULT React(InputEvent event, WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
              LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  switch (KindOf(hwnd)) {
    case SkinKind::CommandButton:
      CommandButtonInput(hwnd, event, wParam, lParam);
      break;
    case SkinKind::ComboBox:
      ComboInput(hwnd, event, wParam, lParam, false);
      break;
    case SkinKind::DriveList:
      ComboInput(hwnd, event, wParam, lParam, true);
      break;
    case SkinKind::CheckBox:
      GlyphInput(hwnd, event, wParam, lParam, false);
      break;
    case SkinKind::OptionButton:
      GlyphInput(hwnd, event, wParam, lParam, true);
      break;
    case SkinKind::Header:
      HeaderInput(hwnd, event, wParam, lParam);
      break;
    default:
      break;  // forms and every other kind: the previous procedure only
  }
  return result;
}

}  // namespace

LRESULT OnMouseMove(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return React(InputEvent::MouseMove, previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return React(InputEvent::LButtonDown, previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return React(InputEvent::LButtonUp, previous, hwnd, message, wParam, lParam);
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  return React(InputEvent::LButtonDblClk, previous, hwnd, message, wParam, lParam);
}

LRESULT OnKeyDown(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return React(InputEvent::KeyDown, previous, hwnd, message, wParam, lParam);
}

LRESULT OnKeyUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return React(InputEvent::KeyUp, previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
