#include "skin/engine/skin_wndproc.h"

#include <array>

#include "skin/core/skin_handler.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/engine/handlers.h"
#include "skin/kinds/kind_table.h"

namespace skin {

namespace {

// WM_DESTROY: the skin comes off first, so the window's own procedure receives the
// message as if the skin had never been there.
LRESULT RouteDestroy(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                     LPARAM lParam) {
  DetachSkin(hwnd);
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

// WM_ENTERIDLE and WM_CTLCOLORLISTBOX name a window that appeared after the form was
// skinned (an idle dialog or menu, a drop-down list): attach it once it is announced.
LRESULT RouteAnnouncedWindow(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (lParam != 0) AttachSkin(reinterpret_cast<HWND>(lParam));
  return result;
}

// WM_LBUTTONUP: after the release, every skinned check box and option button beside the
// window (or inside it, for a window without a parent) shows its current mark again.
LRESULT RouteLButtonUp(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                       LPARAM lParam) {
  LRESULT result = OnLButtonUp(previous, hwnd, message, wParam, lParam);
  HWND parent = GetParent(hwnd);
  EnumChildWindows(parent ? parent : hwnd, RefreshSiblingProc, 0);
  return result;
}

struct Route {
  UINT message;
  SkinHandler handler;
};

// The messages the skin takes part in; every other message goes to the previous
// procedure unchanged.
constexpr auto Routes = std::to_array<Route>({
    {WM_DESTROY, RouteDestroy},
    {WM_NCDESTROY, OnNcDestroy},
    {WM_SIZE, OnSize},
    {WM_ACTIVATE, OnActivate},
    {WM_SETFOCUS, OnSetFocus},
    {WM_KILLFOCUS, OnKillFocus},
    {WM_ENABLE, OnEnable},
    {WM_PAINT, OnPaint},
    {WM_WINDOWPOSCHANGED, OnWindowPosChanged},
    {WM_NCPAINT, OnNcPaint},
    {WM_KEYDOWN, OnKeyDown},
    {WM_KEYUP, OnKeyUp},
    {WM_TIMER, OnTimer},
    {WM_ENTERIDLE, RouteAnnouncedWindow},
    {WM_CTLCOLORLISTBOX, RouteAnnouncedWindow},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_LBUTTONDOWN, OnLButtonDown},
    {WM_LBUTTONUP, RouteLButtonUp},
    {WM_LBUTTONDBLCLK, OnLButtonDblClk},
    {WM_MOUSELEAVE, OnMouseLeave},
});

LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The one property read every message pays, served from this thread's mirror.
  auto previous = reinterpret_cast<WNDPROC>(ReadProp(hwnd, PropProcAddr));
  if (!previous) return DefWindowProcW(hwnd, message, wParam, lParam);
  for (const Route& route : Routes) {
    if (route.message == message) return route.handler(previous, hwnd, message, wParam, lParam);
  }
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace

BOOL CALLBACK RefreshSiblingProc(HWND hwnd, LPARAM) {
  // Only windows this thread skinned (those its mirror holds): another thread's window keeps
  // its state in that thread.
  if (!ReadProp(hwnd, PropProcAddr)) return TRUE;
  if (const Reaction refresh = KindRowOf(KindOf(hwnd)).refresh) refresh(hwnd);
  return TRUE;
}

std::atomic<MessageCheck> AfterMessageCheck{nullptr};

LRESULT CALLBACK SkinWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return 0;
  const LRESULT result = Dispatch(hwnd, message, wParam, lParam);
  if (MessageCheck check = AfterMessageCheck.load(std::memory_order_relaxed)) check(hwnd, message);
  return result;
}

}  // namespace skin
