// Command buttons: four faces rendered ahead (normal, hover, pressed, disabled) into
// buffers as large as the button, shown whole by a paint and faded in from face to face as
// the mouse, the space bar and the focus move the button: hover on entry, pressed on a
// press, normal on release fading in from 60 (from 0 after the space bar). The fade's
// timer steps them (the row's timer is StepFade). Push, default push and user buttons
// become owner-drawn and show the faces; every other button style keeps its own painting.
#include "skin/kinds/command_button.h"

#include <initializer_list>

#include "skin/core/button_style.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/interaction/hit_tests.h"
#include "skin/interaction/hover.h"
#include "skin/render/button_faces.h"
#include "skin/render/button_region.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"

namespace skin {

namespace {

constexpr int ReleaseFadeStart = 60;
// A leave blends the hover face once at this level before the normal face fades in.
constexpr int LeaveBlendLevel = 140;

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

// Four face buffers as large as the window, the saved style, owner-draw where the style
// allows it, the fade at rest and the rounded region. False when the faces cannot be made:
// the button then keeps its own look.
bool CommandButtonAttach(HWND hwnd, Subclass subclass) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  FaceBuffers faces;
  if (!faces.Make(hwnd, box.Width, box.Height)) return false;

  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (IsFaceDrawnButtonStyle(style)) SendMessageW(hwnd, BM_SETSTYLE, BS_OWNERDRAW, TRUE);

  WriteProp(hwnd, PropOldStyle, style);
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropTimerId, 0);
  WriteProp(hwnd, PropOldState, IsWindowEnabled(hwnd) ? StateNormal : StateDisabled);
  WriteProp(hwnd, PropAlphaLevel, 0);

  SetButtonRegion(hwnd, box.Width, box.Height);
  if (!subclass(hwnd)) {
    faces.Forget(hwnd);
    return false;
  }
  faces.Keep();
  return true;
}

void CommandButtonDetach(HWND hwnd) {
  ReleaseButtonFaces(hwnd);
  StopTimer(hwnd);
  // The whole saved style goes back, as it was when the skin was attached.
  SetWindowLongPtrW(hwnd, GWL_STYLE, ReadProp(hwnd, PropOldStyle));
  for (const wchar_t* name :
       {PropOldStyle, PropMouseFlag, PropTimerId, PropOldState, PropAlphaLevel}) {
    DeleteProp(hwnd, name);
  }
  SetWindowRgn(hwnd, nullptr, TRUE);
}

// Shown from its face buffers at full opacity; a running fade ends here.
LRESULT CommandButtonPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  if (!IsFaceDrawnButtonStyle(ReadProp(hwnd, PropOldStyle)))
    return CallPrevious(previous, hwnd, message, wParam, lParam);
  StopFade(hwnd);
  PaintDc paint(hwnd);
  PaintButtonBlend(hwnd, paint);
  return 0;
}

// The faces and the rounded region follow the button's size.
void CommandButtonSize(HWND hwnd) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  ResizeButtonFaces(hwnd, box.Width, box.Height);
  if (!HasButtonRegion(hwnd, box.Width, box.Height)) SetButtonRegion(hwnd, box.Width, box.Height);
}

void CommandButtonInput(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM) {
  switch (event) {
    case InputEvent::MouseMove:
      MouseMove(hwnd);
      break;
    case InputEvent::LButtonDown:
    case InputEvent::LButtonDblClk:
      ShowFaceAtOnce(hwnd, StatePressed);
      break;
    case InputEvent::LButtonUp:
      FadeToNormal(hwnd, ReleaseFadeStart);
      break;
    case InputEvent::KeyDown:
      if (wParam == VK_SPACE) ShowFaceAtOnce(hwnd, StatePressed);
      break;
    case InputEvent::KeyUp:
      if (wParam == VK_SPACE) FadeToNormal(hwnd, 0);
      break;
  }
}

void CommandButtonLeave(HWND hwnd) {
  WriteProp(hwnd, PropMouseFlag, 0);
  BlendFace(hwnd, StateHover, LeaveBlendLevel);
  BeginFade(hwnd, StateNormal, 0);
}

// The new face shows at the next paint (or through a running fade's remaining steps).
void CommandButtonEnable(HWND hwnd, bool enabled) {
  WriteProp(hwnd, PropOldState, enabled ? StateNormal : StateDisabled);
  PaintButtonBlend(hwnd, nullptr);
}

// Gaining and losing the focus look the same: the faces are rendered again, with or without
// the focus rectangle, and the face fades in.
void CommandButtonFocus(HWND hwnd, bool gained) {
  // A button that loses the focus lets go of a press (the space bar's release, or the
  // mouse's, now goes elsewhere): its pressed look ends here too, or it would stay.
  int state = ReadIntProp(hwnd, PropOldState);
  if (!gained && state == StatePressed) state = StateNormal;
  RenderButtonFaces(hwnd);
  BeginFade(hwnd, state, 0);
}

}  // namespace skin
