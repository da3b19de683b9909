#include "skin/render/blit.h"

#include <olectl.h>

#include "skin/render/gdi_guard.h"
#include "skin/render/skin_colors.h"

namespace skin {

namespace {

// Ternary raster operation DSna: destination AND NOT source.
constexpr DWORD DestAndNotSource = 0x00220326;
// OleTranslateColor may hand back a palette-relative colour (0x02BBGGRR); only the
// red, green and blue bytes make the key.
constexpr COLORREF RgbBits = 0x00FFFFFF;
constexpr int MaskPlanes = 1;
constexpr int MaskBitsPerPixel = 1;

// A memory context compatible with the display, holding a bitmap of its own. On exit the
// context gets back the bitmap it had at creation, then the bitmap and the context go.
class ScratchSurface {
 public:
  ScratchSurface(HDC display, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(display)), bitmap_(bitmap), selection_(dc_, bitmap_) {}
  ScratchSurface(const ScratchSurface&) = delete;
  ScratchSurface& operator=(const ScratchSurface&) = delete;
  operator HDC() const { return dc_; }
  // Both the context and its bitmap were made.
  bool ok() const { return dc_ && bitmap_; }

 private:
  OwnedDc dc_;  // destroyed last
  GdiObject<HBITMAP> bitmap_;
  Selected selection_;  // destroyed first
};

// Selects a palette as background palette and realises it; puts the previous palette
// back and realises that on exit. SelectObject does not take palettes.
class SelectedPalette {
 public:
  SelectedPalette(HDC dc, HPALETTE palette)
      : dc_(dc), old_(dc && palette ? SelectPalette(dc, palette, TRUE) : nullptr) {
    if (old_) RealizePalette(dc_);
  }
  ~SelectedPalette() {
    if (!old_) return;
    SelectPalette(dc_, old_, TRUE);
    RealizePalette(dc_);
  }
  SelectedPalette(const SelectedPalette&) = delete;
  SelectedPalette& operator=(const SelectedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE old_;
};

}  // namespace

int DrawSkinPart(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest,
                 HDC hdcSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                 int marginLeft, int marginTop, int marginRight, int marginBottom,
                 std::optional<COLORREF> transparentColor) {
  if (cxDest == 0 || cyDest == 0 || cxSrc == 0 || cySrc == 0) return 0;

  // The strip widths of the four sides, the same in source and destination.
  const int L = marginLeft;
  const int T = marginTop;
  const int R = marginRight;
  const int B = marginBottom;

  // The pieces are composed off screen and reach the destination in one copy. No stretch
  // mode is set: enlarging repeats source pixels, which keeps the artwork crisp.
  MemorySurface surface(cxDest, cyDest);
  if (L <= 0 && T <= 0 && R <= 0 && B <= 0) {
    StretchBlt(surface, 0, 0, cxDest, cyDest, hdcSrc, xSrc, ySrc, cxSrc, cySrc, SRCCOPY);
  } else {
    const int rightDest = cxDest - R;
    const int bottomDest = cyDest - B;
    const int rightSrc = xSrc + cxSrc - R;
    const int bottomSrc = ySrc + cySrc - B;
    const int middleWidthDest = cxDest - L - R;
    const int middleHeightDest = cyDest - T - B;
    const int middleWidthSrc = cxSrc - L - R;
    const int middleHeightSrc = cySrc - T - B;

    // Corners: plain copies at their own size.
    if (L > 0 && T > 0) BitBlt(surface, 0, 0, L, T, hdcSrc, xSrc, ySrc, SRCCOPY);
    if (R > 0 && T > 0) BitBlt(surface, rightDest, 0, R, T, hdcSrc, rightSrc, ySrc, SRCCOPY);
    if (L > 0 && B > 0) BitBlt(surface, 0, bottomDest, L, B, hdcSrc, xSrc, bottomSrc, SRCCOPY);
    if (R > 0 && B > 0) {
      BitBlt(surface, rightDest, bottomDest, R, B, hdcSrc, rightSrc, bottomSrc, SRCCOPY);
    }
    // Edges: stretched along their length, never tiled.
    if (L > 0) {
      StretchBlt(surface, 0, T, L, middleHeightDest,
                 hdcSrc, xSrc, ySrc + T, L, middleHeightSrc, SRCCOPY);
    }
    if (R > 0) {
      StretchBlt(surface, rightDest, T, R, middleHeightDest,
                 hdcSrc, rightSrc, ySrc + T, R, middleHeightSrc, SRCCOPY);
    }
    if (T > 0) {
      StretchBlt(surface, L, 0, middleWidthDest, T,
                 hdcSrc, xSrc + L, ySrc, middleWidthSrc, T, SRCCOPY);
    }
    if (B > 0) {
      StretchBlt(surface, L, bottomDest, middleWidthDest, B,
                 hdcSrc, xSrc + L, bottomSrc, middleWidthSrc, B, SRCCOPY);
    }
    // Centre: stretched both ways. A destination narrower than the two margins gives it a
    // negative extent, which is passed on as computed.
    StretchBlt(surface, L, T, middleWidthDest, middleHeightDest,
               hdcSrc, xSrc + L, ySrc + T, middleWidthSrc, middleHeightSrc, SRCCOPY);
  }

  if (!transparentColor) {
    return BitBlt(hdcDest, xDest, yDest, cxDest, cyDest, surface, 0, 0, SRCCOPY);
  }
  // The key applies to the composed image, so key pixels carried into the stretched
  // pieces stay transparent too. Without a surface nothing was composed, and a keyed copy
  // of nothing would blacken the destination.
  if (surface) {
    DrawTransparent(hdcDest, xDest, yDest, cxDest, cyDest, surface, 0, 0, *transparentColor,
                    nullptr);
  }
  return 1;
}

void DrawTransparent(HDC hdcDest, int xDest, int yDest, int cx, int cy,
                     HDC hdcSrc, int xSrc, int ySrc, COLORREF transparentColor,
                     HPALETTE hPalette) {
  // No bitmap can be made for an empty or negative piece.
  if (cx <= 0 || cy <= 0) return;

  ScreenDc display;
  if (!display) return;
  GdiObject<HPALETTE> halftone(hPalette ? nullptr : CreateHalftonePalette(display));
  const HPALETTE palette = hPalette ? hPalette : halftone.get();

  COLORREF key = transparentColor;
  OleTranslateColor(transparentColor, palette, &key);
  key &= RgbBits;

  // The destination as it is now; the finished piece is built here and copied back once.
  ScratchSurface composite(display, CreateCompatibleBitmap(display, cx, cy));
  SelectedPalette compositePalette(composite, palette);
  // The source piece in the display's format. A monochrome source is expanded with the
  // source context's own text and background colours.
  ScratchSurface source(display, CreateCompatibleBitmap(display, cx, cy));
  SelectedPalette sourcePalette(source, palette);
  // One bit per pixel: 1 where the source has the key.
  ScratchSurface mask(display, CreateBitmap(cx, cy, MaskPlanes, MaskBitsPerPixel, nullptr));
  // A piece that could not be made or read must not reach the destination half-built.
  if (!composite.ok() || !source.ok() || !mask.ok()) return;

  BitBlt(composite, 0, 0, cx, cy, hdcDest, xDest, yDest, SRCCOPY);
  SetBkColor(source, GetBkColor(hdcSrc));
  SetTextColor(source, GetTextColor(hdcSrc));
  if (!BitBlt(source, 0, 0, cx, cy, hdcSrc, xSrc, ySrc, SRCCOPY)) return;

  // Colour to monochrome: pixels equal to the background colour become 1.
  SetBkColor(source, key);
  SetTextColor(source, White);
  BitBlt(mask, 0, 0, cx, cy, source, 0, 0, SRCCOPY);

  // Monochrome to colour expands 1 to the background colour (white) and 0 to the text
  // colour (black), so AND NOT turns the key pixels of the source black and keeps the rest.
  SetTextColor(source, Black);
  SetBkColor(source, White);
  BitBlt(source, 0, 0, cx, cy, mask, 0, 0, DestAndNotSource);

  // The composite keeps its default colours (text black, background white): the mask
  // keeps the destination where the key was and blacks it out elsewhere, then the source
  // fills the black holes.
  BitBlt(composite, 0, 0, cx, cy, mask, 0, 0, SRCAND);
  BitBlt(composite, 0, 0, cx, cy, source, 0, 0, SRCPAINT);

  BitBlt(hdcDest, xDest, yDest, cx, cy, composite, 0, 0, SRCCOPY);
}

}  // namespace skin
