#include "skin/engine/detach.h"

#include "skin/core/skin_handler.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/skin_bitmaps.h"

namespace skin {

namespace {

// The last skinned window is gone: the engine lets go of its artwork.
void ReleaseEngine() {
  SkinnedWindowCount = 0;
  ReleaseSkinBitmaps();
  SkinInitialized = false;
}

}  // namespace

int DetachSkin(HWND hwnd) {
  if (!hwnd) return 0;
  LONG_PTR previous = ReadProp(hwnd, PropProcAddr);
  if (!previous) return 0;

  const KindRow& kind = KindRowOf(KindOf(hwnd));
  // Descendants lose the skin before the form.
  if (kind.descendantsFirst) EnumChildWindows(hwnd, DetachChildProc, 0);
  if (kind.detach) kind.detach(hwnd);

  // The window's own procedure may have removed the skin itself meanwhile, from a message
  // the removal sent it: then that removal restored it and counted it.
  if (ReadProp(hwnd, PropProcAddr) != previous) return 0;
  DeleteProp(hwnd, PropProcAddr);
  // Anything the skin wrote that the removal of its kind did not take goes too: the mirror
  // must not hold a window whose messages no longer pass through the skin.
  ReleaseWindowProps(hwnd);
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous);
  // The control's own procedure now repaints its own frame.
  SendMessageW(hwnd, WM_NCPAINT, 1, 0);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
  if (--SkinnedWindowCount <= 0) ReleaseEngine();
  return 1;
}

LRESULT OnNcDestroy(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  ReleaseWindowProps(hwnd);
  return result;
}

BOOL CALLBACK DetachChildProc(HWND hwnd, LPARAM) {
  DetachSkin(hwnd);
  return TRUE;
}

}  // namespace skin
