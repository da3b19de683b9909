#include "skin/render/skin_draw.h"

#include "skin/render/blit.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_colors.h"

namespace skin {

int DrawPiece(HDC dest, int x, int y, int w, int h, HDC source, const SkinPiece& piece,
              const Margins& margins, std::optional<COLORREF> key) {
  return DrawSkinPart(dest, x, y, w, h, source, piece.x, piece.y, piece.w, piece.h,
                      margins.left, margins.top, margins.right, margins.bottom, key);
}

void DrawGlyph(HDC dest, int x, int y, HDC source, const SkinPiece& piece) {
  DrawTransparent(dest, x, y, piece.w, piece.h, source, piece.x, piece.y, SkinKeyColor, nullptr);
}

void CopyToWindow(HWND hwnd, HDC dc, int x, int y, int w, int h, HDC source) {
  if (dc) {
    BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
    return;
  }
  WindowDc windowDc(hwnd);
  BitBlt(windowDc, x, y, w, h, source, 0, 0, SRCCOPY);
}

COLORREF FrameColorFor(HWND hwnd) {
  return IsWindowEnabled(hwnd) ? SkinFrameColor : SkinFrameDisabledColor;
}

void DrawFlatDoubleFrame(HWND hwnd, HDC dc) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  FrameSolid(dc, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
  FrameSolid(dc, 1, 1, box.Width - 2, box.Height - 2, White);
}

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

}  // namespace skin
