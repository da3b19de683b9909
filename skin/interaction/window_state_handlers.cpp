// Activation, enable, focus and position changes: what changes a control other than the
// mouse, and how the skin keeps up.
#include "skin/interaction/window_state_handlers.h"

#include "skin/core/attach.h"
#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/painters.h"

namespace skin {

// The other window of an activation change is skinned before this window's own procedure
// sees the message: its own message boxes and dialogs, and other forms.
LRESULT OnActivate(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto other = reinterpret_cast<HWND>(lParam)) {
    if (GetParent(other) == hwnd) {
      AttachSkin(other);
    } else if (KindOf(other) == SkinKind::Form) {
      AttachSkin(other);
    }
  }
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

// The new face shows at the next paint (or through a running fade's remaining steps).
LRESULT OnEnable(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (KindOf(hwnd) == SkinKind::CommandButton) {
    WriteProp(hwnd, PropOldState, wParam ? StateNormal : StateDisabled);
    PaintButtonBlend(hwnd, nullptr);
  }
  return result;
}

namespace {

// Gaining and losing the focus look the same: a button renders its faces again (with or
// without the focus rectangle) and fades its face in; an option button repaints.
LRESULT OnFocusChange(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  switch (KindOf(hwnd)) {
    case SkinKind::CommandButton: {
      // A button that loses the focus lets go of a press (the space bar's release, or the
      // mouse's, now goes elsewhere): its pressed look ends here too, or it would stay.
      int state = ReadIntProp(hwnd, PropOldState);
      if (message == WM_KILLFOCUS && state == StatePressed) state = StateNormal;
      RenderButtonFaces(hwnd);
      BeginFade(hwnd, state, 0);
      break;
    }
    case SkinKind::OptionButton:
      PaintOptionButton(hwnd, StateNormal, true);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

LRESULT OnSetFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return OnFocusChange(previous, hwnd, message, wParam, lParam);
}

LRESULT OnKillFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return OnFocusChange(previous, hwnd, message, wParam, lParam);
}

LRESULT OnWindowPosChanged(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  const SkinKind kind = KindOf(hwnd);
  if (kind == SkinKind::ComboBox || kind == SkinKind::DriveList) {
    int state = StateNormal;
    PaintComboButton(hwnd, nullptr, state, false);
  }
  return result;
}

}  // namespace skin
