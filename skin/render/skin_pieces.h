#pragma once
// Where each piece of artwork lies in the five skin bitmaps, and how it is drawn.
// Rectangles are left, top, width, height in the bitmap named.
namespace skin {

struct SkinPiece {
  int x;
  int y;
  int w;
  int h;
};

struct Margins {
  int left;
  int top;
  int right;
  int bottom;
};

// ButtonBitmap: one 7 x 21 face per visual state, stacked; corners of 3 kept.
inline constexpr SkinPiece ButtonFaces[4] = {{0, 0, 7, 21}, {0, 21, 7, 21}, {0, 42, 7, 21},
                                             {0, 63, 7, 21}};
inline constexpr Margins ButtonFaceMargins{3, 3, 3, 3};

// ComboBitmap: drop-button strips for hover and pressed (normal is plain white), arrows.
inline constexpr SkinPiece ComboHoverStrip{0, 0, 4, 18};
inline constexpr SkinPiece ComboPressedStrip{4, 0, 4, 18};
inline constexpr Margins ComboStripMargins{2, 1, 1, 1};
inline constexpr SkinPiece ComboArrow[2] = {{8, 4, 7, 4}, {8, 0, 7, 4}};  // [enabled]

// CheckBitmap: marks, each disabled and enabled ([enabled]).
inline constexpr SkinPiece CheckMark[2] = {{9, 0, 9, 8}, {0, 0, 9, 8}};
inline constexpr SkinPiece IndeterminateSquare[2] = {{10, 9, 7, 7}, {1, 9, 7, 7}};
inline constexpr SkinPiece OptionDot[2] = {{11, 18, 5, 5}, {2, 18, 5, 5}};

// GlyphBitmap: option circles for normal, hover, pressed and disabled; the middle rows of
// the hover and pressed circles also fill a check box.
inline constexpr SkinPiece OptionCircles[4] = {{0, 0, 13, 13}, {0, 13, 13, 13},
                                               {0, 26, 13, 13}, {0, 39, 13, 13}};
inline constexpr Margins OptionCircleMargins{5, 5, 5, 5};
inline constexpr SkinPiece CheckHoverBand{1, 17, 11, 5};
inline constexpr SkinPiece CheckPressedBand{1, 30, 11, 5};

// HeaderBitmap: item strips for normal, hover and pressed; the normal strip's middle
// column is the header's background.
inline constexpr SkinPiece HeaderStrips[3] = {{0, 0, 3, 20}, {3, 0, 3, 20}, {6, 0, 3, 20}};
inline constexpr Margins HeaderStripMargins{1, 1, 1, 1};
inline constexpr SkinPiece HeaderBackgroundColumn{1, 0, 1, 20};

}  // namespace skin
