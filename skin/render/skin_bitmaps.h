#pragma once
// The five built-in skin bitmaps, described once: each one's surface, name, size and pixel
// table. Building and releasing them go through the description, and so do the tests and
// the benchmarks that look at all of them.
#include <windows.h>

#include <array>

namespace skin {

// The surfaces, one for the process, each a memory surface that owns its bitmap: built by
// the engine's initialisation (SkinWindow), released when the last skinned window is
// detached, null in between.
inline HDC ButtonBitmap = nullptr;
inline HDC ComboBitmap = nullptr;
inline HDC CheckBitmap = nullptr;
inline HDC GlyphBitmap = nullptr;
inline HDC HeaderBitmap = nullptr;

// Sizes of the five surfaces, in the order they are built.
inline constexpr SIZE ButtonBitmapSize{7, 84};   // four command-button faces, stacked
inline constexpr SIZE ComboBitmapSize{15, 18};   // two drop-button faces and two arrows
inline constexpr SIZE CheckBitmapSize{18, 24};   // check mark, indeterminate square, option dot
inline constexpr SIZE GlyphBitmapSize{13, 52};   // four option-button circles, stacked
inline constexpr SIZE HeaderBitmapSize{9, 20};   // three header-item faces, side by side

// The pixels as COLORREF (0x00BBGGRR), one table row per bitmap row, each in a file of its
// own (skin_bitmap_*.cpp).
// Four command-button faces of 7 x 21, stacked: normal, hover, pressed, disabled.
extern const COLORREF ButtonPixels[ButtonBitmapSize.cy][ButtonBitmapSize.cx];
// Drop-button faces (hover at x 0-3, pressed at x 4-7) and the arrows (x 8-14).
extern const COLORREF ComboPixels[ComboBitmapSize.cy][ComboBitmapSize.cx];
// Check mark, indeterminate square and option dot, enabled on the left, disabled on the right.
extern const COLORREF CheckPixels[CheckBitmapSize.cy][CheckBitmapSize.cx];
// Four option-button circles of 13 x 13, stacked: normal, hover, pressed, disabled.
extern const COLORREF GlyphPixels[GlyphBitmapSize.cy][GlyphBitmapSize.cx];
// Three header-item faces of 3 x 20, side by side: normal, hover, pressed.
extern const COLORREF HeaderPixels[HeaderBitmapSize.cy][HeaderBitmapSize.cx];

struct SkinBitmap {
  const wchar_t* name;     // the name of its surface in the module state
  HDC* surface;            // where the built surface is kept (above)
  SIZE size;
  const COLORREF* pixels;  // size.cy rows of size.cx pixels, the top row first

  COLORREF Pixel(int x, int y) const { return pixels[y * size.cx + x]; }
};

// A bitmap's description, its size taken from its table.
template <LONG Height, LONG Width>
constexpr SkinBitmap DescribeBitmap(const wchar_t* name, HDC& surface,
                                    const COLORREF (&pixels)[Height][Width]) {
  return {name, &surface, SIZE{Width, Height}, &pixels[0][0]};
}

// The five bitmaps in the order they are built and released.
inline constexpr auto SkinBitmaps = std::to_array<SkinBitmap>({
    DescribeBitmap(L"ButtonBitmap", ButtonBitmap, ButtonPixels),
    DescribeBitmap(L"ComboBitmap", ComboBitmap, ComboPixels),
    DescribeBitmap(L"CheckBitmap", CheckBitmap, CheckPixels),
    DescribeBitmap(L"GlyphBitmap", GlyphBitmap, GlyphPixels),
    DescribeBitmap(L"HeaderBitmap", HeaderBitmap, HeaderPixels),
});

// Creates every described surface, then sets every pixel of each from its table.
void BuildSkinBitmaps();

// Releases the surfaces with their bitmaps, in build order, and nulls the handles.
void ReleaseSkinBitmaps();

}  // namespace skin
