// A progress bar, painted whole by the skin: its frame and fill as one image on WM_NCPAINT,
// and its client area again on WM_PAINT. One solid block grows from the left, or from the
// bottom for a vertical bar.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/rounding.h"
#include "skin/render/skin_colors.h"

namespace skin {

namespace {

constexpr double ProgressFullScale = 30000.0;

// The bar's position as a fraction of the skin's full scale (30000), whatever the bar's
// own range; above 1 the block fills the bar and stops at its end.
float ProgressFraction(HWND progressBar) {
  const auto position = static_cast<int>(SendMessageW(progressBar, PBM_GETPOS, 0, 0));
  // Divided in double precision, held in single precision.
  return static_cast<float>(position / ProgressFullScale);
}

}  // namespace

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
      // The frame is drawn in the same image, so the block is cut at the client's edge here.
      FillSolid(image, bx, by, std::min(RoundHalfEven(f * cw), cw), ch, ProgressFillColor);
    }
  }
  WindowDc windowDc(hwnd);
  BitBlt(windowDc, 0, 0, box.Width, box.Height, image, 0, 0, SRCCOPY);
}

void PaintProgressBar(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int w = client.right - client.left;
  const int h = client.bottom - client.top;
  MemorySurface bar(w, h);
  const float f = ProgressFraction(hwnd);
  FillSolid(bar, 0, 0, w, h, White);
  if (f != 0) {
    if (style & PBS_VERTICAL) {
      FillSolid(bar, 0, RoundHalfEven(h - h * f), w, RoundHalfEven(f * h), ProgressFillColor);
    } else {
      FillSolid(bar, 0, 0, RoundHalfEven(f * w), h, ProgressFillColor);
    }
  }
  PaintDc paint(hwnd);
  BitBlt(paint, 0, 0, w, h, bar, 0, 0, SRCCOPY);
}

}  // namespace skin
