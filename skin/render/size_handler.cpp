// WM_SIZE: a command button's faces and rounded region follow its size.
#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/core/window_props.h"
#include "skin/render/button_region.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/paint_handlers.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"

namespace skin {

LRESULT OnSize(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (KindOf(hwnd) != SkinKind::CommandButton) return result;

  WindowBox box;
  GetWindowBox(hwnd, box);
  {
    WindowDc windowDc(hwnd);
    for (int n = 0; n < FaceCount; ++n) {
      // The face buffer stays; the bitmap inside it is replaced and recorded, so that the
      // removal of the skin frees the one the buffer holds.
      HBITMAP bitmap = CreateCompatibleBitmap(windowDc, box.Width, box.Height);
      DeleteObject(SelectObject(FaceDc(hwnd, n), bitmap));
      WriteProp(hwnd, FaceBitmapPropName(n), reinterpret_cast<LONG_PTR>(bitmap));
    }
    RenderButtonFaces(hwnd);
  }
  if (!HasButtonRegion(hwnd, box.Width, box.Height)) SetButtonRegion(hwnd, box.Width, box.Height);
  return result;
}

}  // namespace skin
