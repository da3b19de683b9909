// A command button cycles through its faces: hover on entry, pressed on a press (or the
// space bar), normal on release fading in from 60 (from 0 for the space bar).
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/hover.h"
#include "skin/interaction/input_events.h"

namespace skin {

namespace {

constexpr int ReleaseFadeStart = 60;

// Pressed at once, no fade.
void ShowPressed(HWND hwnd) { ShowFaceAtOnce(hwnd, StatePressed); }

// Released: the next move counts as an entry again, and the normal face fades in.
void FadeToNormal(HWND hwnd, int fromLevel) {
  WriteProp(hwnd, PropMouseFlag, 0);
  BeginFade(hwnd, StateNormal, fromLevel);
}

void MouseMove(HWND hwnd) {
  if (ReadIntProp(hwnd, PropMouseFlag) == 0) {
    WriteProp(hwnd, PropMouseFlag, 1);
    TrackLeave(hwnd);
    BeginFade(hwnd, StateHover, 0);
  } else if (!CursorIsOver(hwnd)) {
    // Dragged off while held (the button keeps the capture): the current face, whole.
    StopFade(hwnd);
    PaintButtonBlend(hwnd, nullptr);
  }
}

}  // namespace

void CommandButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM) {
  switch (event) {
    case InputEvent::MouseMove:
      MouseMove(hwnd);
      break;
    case InputEvent::LButtonDown:
    case InputEvent::LButtonDblClk:
      ShowPressed(hwnd);
      break;
    case InputEvent::LButtonUp:
      FadeToNormal(hwnd, ReleaseFadeStart);
      break;
    case InputEvent::KeyDown:
      if (wParam == VK_SPACE) ShowPressed(hwnd);
      break;
    case InputEvent::KeyUp:
      if (wParam == VK_SPACE) FadeToNormal(hwnd, 0);
      break;
  }
}

}  // namespace skin
