// Nine-slice and colour-keyed copies, read back pixel by pixel, and the word splitters.
#include "skin/render/blit.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <vector>

#include "skin/core/skin_state.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"
#include "tests/support/skin_surfaces.h"

namespace {

using test::Pixels;

constexpr COLORREF Key = skin::SkinKeyColor;
constexpr COLORREF Background = 0x2080C0;  // in no skin artwork
constexpr int SourceX = 3, SourceY = 2;    // where the piece sits in a position-coloured source
constexpr int DestX = 4, DestY = 3;        // and where it is drawn

struct Margins {
  int left, top, right, bottom;
};

// Along one axis, from the source position of every destination column (or row): the
// strips before and after the middle are copied one to one; the middle repeats each
// source pixel of the middle, in order, skipping none.
void ExpectAxis(const std::vector<int>& from, int srcLength, int before, int after,
                const char* axis) {
  const int length = static_cast<int>(from.size());
  for (int i = 0; i < before; ++i) EXPECT_EQ(from[i], i) << axis << " " << i;
  for (int i = length - after; i < length; ++i)
    EXPECT_EQ(from[i], srcLength - (length - i)) << axis << " " << i;
  int next = before;  // the next source pixel of the middle still to be seen
  for (int i = before; i < length - after; ++i) {
    if (from[i] == next) ++next;
    EXPECT_EQ(from[i], next - 1) << axis << " " << i << ": out of order or skipped";
  }
  EXPECT_EQ(next, srcLength - after) << axis << ": middle not covered";
}

// Catches corners that stretch, edges or centre that tile or blend or come from the wrong
// strip, and anything drawn outside the piece. The same size must give an identical copy.
TEST(NineSlice, CornersCopyEdgesAndCentreStretch) {
  const struct {
    const char* name;
    int srcW, srcH;
    Margins margins;
    int destW, destH;
  } cases[] = {
      {"button face", 7, 21, {3, 3, 3, 3}, 75, 25},  // middle column over 3..71, 15 rows to 19
      {"combo button", 4, 18, {2, 1, 1, 1}, 20, 30},
      {"option circle", 13, 13, {5, 5, 5, 5}, 20, 20},
      {"uneven margins", 6, 5, {2, 0, 1, 3}, 30, 17},
      {"same size", 7, 21, {3, 3, 3, 3}, 7, 21},
      {"all zero, column", 1, 20, {0, 0, 0, 0}, 200, 20},
  };
  skin::MemorySurface source(40, 40);
  test::PaintPositions(source, 40, 40);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::DibSurface dest(c.destW + 8, c.destH + 8, Background);
    SetStretchBltMode(dest.dc(), HALFTONE);  // the engine sets no mode of its own
    EXPECT_NE(skin::DrawSkinPart(dest.dc(), DestX, DestY, c.destW, c.destH, source, SourceX,
                                 SourceY, c.srcW, c.srcH, c.margins.left, c.margins.top,
                                 c.margins.right, c.margins.bottom), 0);
    EXPECT_EQ(GetStretchBltMode(dest.dc()), HALFTONE);
    Pixels all = dest.Read();
    EXPECT_EQ(all.Count(Background), all.width() * all.height() - c.destW * c.destH);
    Pixels out = test::Crop(all, DestX, DestY, c.destW, c.destH);
    std::vector<int> columns(c.destW), rows(c.destH);
    for (int x = 0; x < c.destW; ++x) columns[x] = test::PositionX(out.at(x, 0)) - SourceX;
    for (int y = 0; y < c.destH; ++y) rows[y] = test::PositionY(out.at(0, y)) - SourceY;
    int mixed = 0;  // pixels that are not exactly the source pixel of their column and row
    for (int y = 0; y < c.destH; ++y)
      for (int x = 0; x < c.destW; ++x)
        mixed += out.at(x, y) != test::PositionColour(SourceX + columns[x], SourceY + rows[y]);
    EXPECT_EQ(mixed, 0);
    ExpectAxis(columns, c.srcW, c.margins.left, c.margins.right, "column");
    ExpectAxis(rows, c.srcH, c.margins.top, c.margins.bottom, "row");
  }
}

// A destination narrower than its two margins (4 against 3 + 3) gives the middle a width of
// -2, which the stretch takes as it is: mirrored, the middle column covers the two pixels
// up to x = 3, over the overlapping corners. Catches a width clamped to zero (the right
// corner's columns 4 to 6 would show) and anything drawn outside the piece.
TEST(NineSlice, ADestinationNarrowerThanItsMarginsMirrorsTheMiddleIntoIt) {
  skin::MemorySurface source(40, 40);
  test::PaintPositions(source, 40, 40);
  test::DibSurface dest(4 + 8, 21 + 8, Background);
  skin::DrawSkinPart(dest.dc(), DestX, DestY, 4, 21, source, SourceX, SourceY, 7, 21, 3, 3, 3, 3);
  Pixels all = dest.Read();
  EXPECT_EQ(all.Count(Background), all.width() * all.height() - 4 * 21);
  const int columns[4] = {0, 4, 3, 3};  // source column of each destination column
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(all.at(DestX + x, DestY + y), test::PositionColour(SourceX + columns[x], SourceY + y))
          << x << ", " << y;
}

// Catches a zero or negative size that still draws, a wrong result, and a keyed copy from
// a source that cannot be read, which would blacken the destination.
TEST(NineSlice, ZeroOrNegativeSizeDrawsNothing) {
  skin::MemorySurface source(8, 8);
  test::PaintPositions(source, 8, 8);
  const int sizes[][4] = {{0, 6, 8, 8}, {6, 0, 8, 8}, {6, 6, 0, 8}, {6, 6, 8, 0}, {-5, 6, 8, 8}};
  for (const auto& s : sizes) {
    for (auto key : {std::optional<COLORREF>(), std::optional<COLORREF>(Key)}) {
      test::DibSurface dest(10, 10, Background);
      int result = skin::DrawSkinPart(dest.dc(), 1, 1, s[0], s[1], source, 0, 0, s[2], s[3], 2, 2,
                                      2, 2, key);
      SCOPED_TRACE(testing::Message() << s[0] << " " << s[1] << " " << s[2] << " " << s[3]);
      EXPECT_TRUE(result == 0 || s[0] < 0) << result;  // a negative size has no stated result
      EXPECT_EQ(dest.Read().Count(Background), 100);
    }
  }
  test::DibSurface dest(10, 10, Background);
  skin::DrawTransparent(dest.dc(), 0, 0, 6, 6, nullptr, 0, 0, Key, nullptr);  // no source
  EXPECT_EQ(dest.Read().Count(Background), 100);
  EXPECT_EQ(skin::DrawSkinPart(dest.dc(), 1, 1, 6, 6, source, 0, 0, 8, 8, 2, 2, 2, 2, Key), 1);
}

// Catches a key compared loosely (a colour one bit off is an ordinary colour at 24 and 32
// bits per pixel), in a keyed copy and in a keyed nine-slice alike.
TEST(KeyedCopy, OnlyExactKeyPixelsStayTransparent) {
  const COLORREF colours[] = {Key, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000, 0xFFFFFF, Key};
  constexpr int N = static_cast<int>(std::size(colours));
  skin::MemorySurface source(N, 1);
  for (int x = 0; x < N; ++x) SetPixel(source, x, 0, colours[x]);
  test::DibSurface direct(N, 1, Background), nineSlice(N, 1, Background);
  skin::DrawTransparent(direct.dc(), 0, 0, N, 1, source, 0, 0, Key, nullptr);
  skin::DrawSkinPart(nineSlice.dc(), 0, 0, N, 1, source, 0, 0, N, 1, 1, 0, 1, 0, Key);
  for (const test::DibSurface* dest : {&direct, &nineSlice})
    for (int x = 0; x < N; ++x)
      EXPECT_EQ(dest->at(x, 0), colours[x] == Key ? Background : colours[x]) << x;
}

class KeyedArtwork : public ::testing::Test {
 protected:
  void SetUp() override { skin::BuildSkinBitmaps(); }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }
};

// Catches a key applied to the pieces rather than to the composed image, or not at all:
// the circle's 24 key corners must show the background, at its own size and stretched.
TEST_F(KeyedArtwork, OptionCircleShowsTheBackgroundInExactly24Pixels) {
  for (int side : {10, 20}) {
    for (int frame = 0; frame < 4; ++frame) {
      test::DibSurface dest(side + 8, side + 8, Background);
      skin::DrawSkinPart(dest.dc(), 4, 4, side, side, skin::GlyphBitmap, 0, 13 * frame, 13, 13,
                         5, 5, 5, 5, Key);
      Pixels out = dest.Read();
      EXPECT_EQ(out.Count(Background, 4, 4, side, side), 24) << side << ", frame " << frame;
      EXPECT_EQ(out.Count(Background), out.width() * out.height() - side * side + 24);
    }
  }
}

// Catches glyph pixels lost or key pixels painted: the 7 x 4 arrow cells cover 16 pixels.
TEST_F(KeyedArtwork, GlyphsLeaveExactlyTheirKeyPixelsUnchanged) {
  const struct {
    HDC source;
    int x, y, w, h, ink;
  } glyphs[] = {{skin::ComboBitmap, 8, 0, 7, 4, 16}, {skin::ComboBitmap, 8, 4, 7, 4, 16},
                {skin::CheckBitmap, 0, 0, 9, 8, 26}, {skin::CheckBitmap, 11, 18, 5, 5, 21}};
  for (const auto& g : glyphs) {
    test::DibSurface dest(g.w + 4, g.h + 4, Background);
    skin::DrawTransparent(dest.dc(), 2, 2, g.w, g.h, g.source, g.x, g.y, Key, nullptr);
    Pixels out = dest.Read();
    Pixels in = test::ReadDc(g.source, g.x, g.y, g.w, g.h);
    EXPECT_EQ(out.Count(Background), out.width() * out.height() - g.ink) << g.x << ", " << g.y;
    for (int y = 0; y < g.h; ++y)
      for (int x = 0; x < g.w; ++x)
        EXPECT_EQ(out.at(2 + x, 2 + y), in.at(x, y) == Key ? Background : in.at(x, y));
  }
}

// Catches a scratch surface, mask, brush or palette that a call does not give back.
TEST_F(KeyedArtwork, EveryCallReleasesWhatItMade) {
  test::DibSurface dest(113, 33, Background);
  auto draw = [&] {
    skin::DrawSkinPart(dest.dc(), 0, 0, 113, 33, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
    skin::DrawSkinPart(dest.dc(), 0, 0, 20, 20, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
  };
  draw();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 200; ++i) draw(); }), 0);
}

// Catches unsigned halves: x = -1 in the low half must stay -1.
TEST(Words, SplitIntoSignedHalves) {
  EXPECT_EQ(skin::LoWord(MAKELPARAM(-1, 5)), -1);
  EXPECT_EQ(skin::HiWord(MAKELPARAM(-1, 5)), 5);
  EXPECT_EQ(skin::HiWord(MAKELPARAM(0x7FFF, 0x8000)), -0x8000);
  // High 16 bits all ones, also when the value arrives sign-extended to 64 bits.
  EXPECT_EQ(skin::HiWord(static_cast<LPARAM>(0xFFFF1234u)), -1);
  EXPECT_EQ(skin::HiWord(static_cast<LPARAM>(static_cast<int>(0xFFFF0000u))), -1);
  EXPECT_EQ(skin::LoWord(static_cast<LPARAM>(0xFFFF1234u)), 0x1234);
}

}  // namespace
