// A combo's drop button lights under the mouse and shows pressed while held on it.
#include "skin/core/visual_state.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/input_events.h"
#include "skin/render/painters.h"

namespace skin {

void ComboInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam, bool driveList) {
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

}  // namespace skin
