// WM_NCPAINT: flat frames in place of sunken client edges, and the whole progress bar.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/paint_handlers.h"
#include "skin/render/primitives.h"
#include "skin/render/progress.h"
#include "skin/render/rounding.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {

// The default frame has just drawn the sunken edge: the outer ring becomes the frame
// colour and the rings inside it, as many as the border is wide, the client's background.
void DrawFlatClientEdge(HWND hwnd) {
  int bx = 0;
  int by = 0;
  GetBorderInsets(hwnd, bx, by);
  WindowBox box;
  GetWindowBox(hwnd, box);
  WindowDc windowDc(hwnd);
  ClientDc clientDc(hwnd);
  FrameSolid(windowDc, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
  for (int d = 1; d <= bx; ++d)
    FrameSolid(windowDc, d, d, box.Width - 2 * d, box.Height - 2 * d, GetBkColor(clientDc));
}

// The whole window, client area included, in one copy: a frame around a white border and
// the fill. The client part is painted again by WM_PAINT.
void PaintProgressFrame(HWND hwnd) {
  int bx = 0;
  int by = 0;
  GetBorderInsets(hwnd, bx, by);
  WindowBox box;
  GetWindowBox(hwnd, box);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int cw = client.right - client.left;
  const int ch = client.bottom - client.top;
  MemorySurface image(box.Width, box.Height);
  const float f = ProgressFraction(hwnd);
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);

  FillSolid(image, 0, 0, box.Width, box.Height, SkinFrameColor);
  FillSolid(image, 1, 1, box.Width - 2, box.Height - 2, White);
  if (f != 0) {
    if (style & PBS_VERTICAL) {
      if (style & PBS_SMOOTH) FillSolid(image, bx, by, cw, ch, ProgressFillColor);
      FillSolid(image, bx, by, cw, RoundHalfEven(ch - f * ch), White);
    } else {
      FillSolid(image, bx, by, RoundHalfEven(f * cw), ch, ProgressFillColor);
    }
  }
  WindowDc windowDc(hwnd);
  BitBlt(windowDc, 0, 0, box.Width, box.Height, image, 0, 0, SRCCOPY);
}

}  // namespace

LRESULT OnNcPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (KindOf(hwnd)) {
    case SkinKind::ProgressBar:
      PaintProgressFrame(hwnd);
      return 0;
    case SkinKind::DataList:
      return CallPrevious(previous, hwnd, message, wParam, lParam);
    default: {
      LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
      if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) DrawFlatClientEdge(hwnd);
      return result;
    }
  }
}

}  // namespace skin
