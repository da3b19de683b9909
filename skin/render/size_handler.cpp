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
    // The face buffers stay; the bitmaps inside them are replaced and recorded, so that the
    // removal of the skin frees the ones the buffers hold. All four are made first: when
    // one cannot be made, every face keeps its old bitmap.
    GdiObject<HBITMAP> bitmaps[FaceCount];
    bool made = true;
    for (auto& bitmap : bitmaps) {
      bitmap.reset(CreateCompatibleBitmap(windowDc, box.Width, box.Height));
      made = made && bitmap;
    }
    for (int n = 0; made && n < FaceCount; ++n) {
      // A buffer that is gone (its window destroyed by its own procedure) takes nothing.
      HDC face = FaceDc(hwnd, n);
      HGDIOBJ old = face ? SelectObject(face, bitmaps[n]) : nullptr;
      if (!old) continue;
      DeleteObject(old);
      WriteProp(hwnd, FaceBitmapPropName(n), reinterpret_cast<LONG_PTR>(bitmaps[n].release()));
    }
    RenderButtonFaces(hwnd);
  }
  if (!HasButtonRegion(hwnd, box.Width, box.Height)) SetButtonRegion(hwnd, box.Width, box.Height);
  return result;
}

}  // namespace skin
