// Framed windows: the control paints itself first and the skin flattens its frame over
// that. Data lists and combo lists get the flat double frame, a grid with a border a
// one-pixel frame; any window with a sunken client edge (text boxes, lists, and every other
// kind that has one) gets that edge drawn flat.
#include "skin/kinds/framed.h"

#include "skin/core/skin_handler.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_draw.h"

namespace skin {

LRESULT FramedListPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  WindowDc windowDc(hwnd);
  DrawFlatDoubleFrame(hwnd, windowDc);
  return result;
}

LRESULT GridPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) {
    WindowBox box;
    GetWindowBox(hwnd, box);
    WindowDc windowDc(hwnd);
    FrameSolid(windowDc, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
  }
  return result;
}

// The default frame draws the sunken edge first.
LRESULT FlatClientEdge(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                       LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) DrawFlatClientEdge(hwnd);
  return result;
}

}  // namespace skin
