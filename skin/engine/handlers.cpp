// The message handlers: the kind's behaviour for each message, or the previous procedure
// alone where the kind has none. What runs first, the control's own procedure or the
// skin's work, is decided here for the reactions and by the kind for the two paints.
#include "skin/engine/handlers.h"

#include "skin/core/skin_handler.h"
#include "skin/engine/attach.h"
#include "skin/kinds/kind_table.h"

namespace skin {

namespace {

const KindRow& KindRowOfWindow(HWND hwnd) { return KindRowOf(KindOf(hwnd)); }

// The kind's handler for the message; without one, the previous procedure only.
LRESULT Handle(SkinHandler handler, WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
               LPARAM lParam) {
  if (handler) return handler(previous, hwnd, message, wParam, lParam);
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

// The previous procedure first, so the control has acted when the skin repaints; then the
// kind's reaction, when it has one. The kind is looked up afterwards: the previous
// procedure may have destroyed the window, which then reads as of no kind.
template <auto KindRow::*Behaviour, typename... Arguments>
LRESULT ReactAfterPrevious(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam, Arguments... arguments) {
  const LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (const auto react = KindRowOfWindow(hwnd).*Behaviour) react(hwnd, arguments...);
  return result;
}

LRESULT React(InputEvent event, WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
              LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::input>(previous, hwnd, message, wParam, lParam, event,
                                             wParam, lParam);
}

}  // namespace

LRESULT OnPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Handle(KindRowOfWindow(hwnd).paint, previous, hwnd, message, wParam, lParam);
}

LRESULT OnNcPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Handle(KindRowOfWindow(hwnd).nonClientPaint, previous, hwnd, message, wParam, lParam);
}

LRESULT OnSize(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::size>(previous, hwnd, message, wParam, lParam);
}

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

LRESULT OnMouseLeave(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::leave>(previous, hwnd, message, wParam, lParam);
}

// The skin's work first: a command button's fade steps on every WM_TIMER, whatever its id.
LRESULT OnTimer(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const Reaction step = KindRowOfWindow(hwnd).timer) step(hwnd);
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

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

LRESULT OnEnable(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::enable>(previous, hwnd, message, wParam, lParam,
                                              wParam != 0);
}

LRESULT OnSetFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::focus>(previous, hwnd, message, wParam, lParam, true);
}

LRESULT OnKillFocus(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::focus>(previous, hwnd, message, wParam, lParam, false);
}

LRESULT OnWindowPosChanged(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  return ReactAfterPrevious<&KindRow::position>(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
