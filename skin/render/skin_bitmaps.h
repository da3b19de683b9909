#pragma once
// The five built-in skin bitmaps, painted pixel by pixel from constant tables.
#include <windows.h>

namespace skin {

// Sizes of the five surfaces, in the order they are built.
inline constexpr SIZE ButtonBitmapSize{7, 84};   // four command-button faces, stacked
inline constexpr SIZE ComboBitmapSize{15, 18};   // two drop-button faces and two arrows
inline constexpr SIZE CheckBitmapSize{18, 24};   // check mark, indeterminate square, option dot
inline constexpr SIZE GlyphBitmapSize{13, 52};   // four option-button circles, stacked
inline constexpr SIZE HeaderBitmapSize{9, 20};   // three header-item faces, side by side

// Creates the five surfaces (ButtonBitmap ... HeaderBitmap) and sets every pixel.
void BuildSkinBitmaps();

// Releases the five surfaces with their bitmaps, in build order, and nulls the handles.
void ReleaseSkinBitmaps();

}  // namespace skin
