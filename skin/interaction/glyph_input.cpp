// Check boxes and option buttons: hover and pressed looks of their glyph. Every move
// repaints (forced), so the glyph follows the control's own painting under it.
#include "skin/core/visual_state.h"
#include "skin/interaction/input_events.h"
#include "skin/render/painters.h"

namespace skin {

void GlyphInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM, bool optionButton) {
  auto paint = [&](int state, bool force) {
    if (optionButton) {
      PaintOptionButton(hwnd, state, force);
    } else {
      PaintCheckBox(hwnd, state, force);
    }
  };
  switch (event) {
    case InputEvent::MouseMove:
      EnterCheck(hwnd);
      paint((wParam & MK_LBUTTON) ? StatePressed : StateHover, true);
      break;
    case InputEvent::LButtonDown:
      paint(StatePressed, false);
      break;
    case InputEvent::LButtonUp:
      paint(StateNormal, false);
      break;
    case InputEvent::KeyDown:
      if (wParam == VK_SPACE) paint(StatePressed, false);
      break;
    case InputEvent::KeyUp:
      if (wParam == VK_SPACE) paint(StateNormal, false);
      break;
    case InputEvent::LButtonDblClk:
      break;
  }
}

}  // namespace skin
