// Memory surfaces, nine-slice and colour-keyed copies read back pixel by pixel, and the
// signed word splitters.
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

namespace {

using test::Pixels;

constexpr COLORREF Key = skin::SkinKeyColor;
constexpr COLORREF Background = 0x2080C0;  // in no skin artwork
constexpr int SourceX = 3, SourceY = 2;    // where the piece sits in a position-coloured source
constexpr int DestX = 4, DestY = 3;        // and where it is drawn

class Blit : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PaintPositions(source_, 40, 40);
    skin::BuildSkinBitmaps();
  }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }
  skin::MemorySurface source_{40, 40};
};

// Along one axis, from the source position of every destination column (or row): the
// strips before and after the middle are copied one to one; the middle repeats each source
// pixel of the middle, in order, skipping none.
void ExpectAxis(const std::vector<int>& from, int srcLength, int before, int after, const char* axis) {
  const int length = static_cast<int>(from.size());
  for (int i = 0; i < before; ++i) EXPECT_EQ(from[i], i) << axis << " " << i;
  for (int i = length - after; i < length; ++i) EXPECT_EQ(from[i], srcLength - (length - i)) << axis << " " << i;
  int next = before;  // the next source pixel of the middle still to be seen
  for (int i = before; i < length - after; ++i) {
    if (from[i] == next) ++next;
    EXPECT_EQ(from[i], next - 1) << axis << " " << i << ": out of order or skipped";
  }
  EXPECT_EQ(next, srcLength - after) << axis << ": middle not covered";
}

// Catches corners that stretch, edges or centre that tile, blend or come from the wrong
// strip, and anything drawn outside the piece; the same size must copy exactly. A width
// narrower than the margins (4 against 3 + 3) gives the middle a width of -2, which the
// stretch takes as it is: mirrored, the middle column covers the two pixels up to x = 3 over
// the overlapping corners (clamped to 0, the right corner's columns 4 to 6 would show).
TEST_F(Blit, NineSliceCornersCopyEdgesAndCentreStretch) {
  const struct {
    const char* name;
    int srcW, srcH, left, top, right, bottom, destW, destH;
    std::vector<int> columns;  // the source column of each destination column, when not as above
  } cases[] = {
      {"button face", 7, 21, 3, 3, 3, 3, 75, 25, {}},  // middle column over 3..71, 15 rows to 19
      {"combo button", 4, 18, 2, 1, 1, 1, 20, 30, {}},
      {"option circle", 13, 13, 5, 5, 5, 5, 20, 20, {}},
      {"uneven margins", 6, 5, 2, 0, 1, 3, 30, 17, {}},
      {"same size", 7, 21, 3, 3, 3, 3, 7, 21, {}},
      {"all zero, column", 1, 20, 0, 0, 0, 0, 200, 20, {}},
      {"narrower than its margins", 7, 21, 3, 3, 3, 3, 4, 21, {0, 4, 3, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::DibSurface dest(c.destW + 8, c.destH + 8, Background);
    SetStretchBltMode(dest.dc(), HALFTONE);  // the engine sets no mode of its own
    EXPECT_NE(skin::DrawSkinPart(dest.dc(), DestX, DestY, c.destW, c.destH, source_, SourceX,
                                 SourceY, c.srcW, c.srcH, c.left, c.top, c.right, c.bottom), 0);
    EXPECT_EQ(GetStretchBltMode(dest.dc()), HALFTONE);
    Pixels all = dest.Read();
    EXPECT_EQ(all.Count(Background), all.width() * all.height() - c.destW * c.destH);
    Pixels out = all.Crop(DestX, DestY, c.destW, c.destH);
    std::vector<int> columns(c.destW), rows(c.destH);
    for (int x = 0; x < c.destW; ++x) columns[x] = test::PositionX(out.at(x, 0)) - SourceX;
    for (int y = 0; y < c.destH; ++y) rows[y] = test::PositionY(out.at(0, y)) - SourceY;
    int mixed = 0;  // pixels that are not exactly the source pixel of their column and row
    for (int y = 0; y < c.destH; ++y)
      for (int x = 0; x < c.destW; ++x)
        mixed += out.at(x, y) != test::PositionColour(SourceX + columns[x], SourceY + rows[y]);
    EXPECT_EQ(mixed, 0);
    if (c.columns.empty()) {
      ExpectAxis(columns, c.srcW, c.left, c.right, "column");
    } else {
      EXPECT_EQ(columns, c.columns);
    }
    ExpectAxis(rows, c.srcH, c.top, c.bottom, "row");
  }
}

// Catches a zero or negative size that still draws or answers non-zero, and a keyed copy
// from a source that cannot be read, which would blacken the destination.
TEST_F(Blit, NineSliceOfZeroOrNegativeSizeDrawsNothing) {
  const int sizes[][4] = {{0, 6, 8, 8}, {6, 0, 8, 8}, {6, 6, 0, 8}, {6, 6, 8, 0}, {-5, 6, 8, 8}};
  for (const auto& s : sizes) {
    for (auto key : {std::optional<COLORREF>(), std::optional<COLORREF>(Key)}) {
      test::DibSurface dest(10, 10, Background);
      const int result = skin::DrawSkinPart(dest.dc(), 1, 1, s[0], s[1], source_, 0, 0, s[2], s[3], 2, 2, 2, 2, key);
      EXPECT_TRUE(result == 0 || s[0] < 0) << result;  // a negative size has no stated result
      EXPECT_EQ(dest.Read().Count(Background), 100) << s[0] << " " << s[1] << " " << s[2] << " " << s[3];
    }
  }
  test::DibSurface dest(10, 10, Background);
  skin::DrawTransparent(dest.dc(), 0, 0, 6, 6, nullptr, 0, 0, Key, nullptr);  // no source
  EXPECT_EQ(dest.Read().Count(Background), 100);
  EXPECT_EQ(skin::DrawSkinPart(dest.dc(), 1, 1, 6, 6, source_, 0, 0, 8, 8, 2, 2, 2, 2, Key), 1);
}

// Catches a key compared loosely (a colour one bit off is an ordinary colour at 24 and 32
// bits per pixel), in a keyed copy and in a keyed nine-slice alike; and a key applied to the
// pieces rather than to the composed image: the option circle's 24 key corners show the
// background at its own size and stretched, and each glyph leaves exactly its key pixels.
TEST_F(Blit, OnlyExactKeyPixelsStayTransparent) {
  const COLORREF colours[] = {Key, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000, 0xFFFFFF, Key};
  constexpr int N = static_cast<int>(std::size(colours));
  skin::MemorySurface strip(N, 1);
  for (int x = 0; x < N; ++x) SetPixel(strip, x, 0, colours[x]);
  test::DibSurface direct(N, 1, Background), nineSlice(N, 1, Background);
  skin::DrawTransparent(direct.dc(), 0, 0, N, 1, strip, 0, 0, Key, nullptr);
  skin::DrawSkinPart(nineSlice.dc(), 0, 0, N, 1, strip, 0, 0, N, 1, 1, 0, 1, 0, Key);
  for (const test::DibSurface* dest : {&direct, &nineSlice})
    for (int x = 0; x < N; ++x) EXPECT_EQ(dest->at(x, 0), colours[x] == Key ? Background : colours[x]) << x;

  for (int side : {10, 20}) {
    for (int frame = 0; frame < 4; ++frame) {
      test::DibSurface dest(side + 8, side + 8, Background);
      skin::DrawSkinPart(dest.dc(), 4, 4, side, side, skin::GlyphBitmap, 0, 13 * frame, 13, 13, 5, 5, 5, 5, Key);
      Pixels out = dest.Read();
      EXPECT_EQ(out.Count(Background, 4, 4, side, side), 24) << side << ", frame " << frame;
      EXPECT_EQ(out.Count(Background), out.width() * out.height() - side * side + 24);
    }
  }
  const struct {
    HDC source;
    int x, y, w, h, ink;
  } glyphs[] = {{skin::ComboBitmap, 8, 0, 7, 4, 16}, {skin::ComboBitmap, 8, 4, 7, 4, 16},
                {skin::CheckBitmap, 0, 0, 9, 8, 26}, {skin::CheckBitmap, 11, 18, 5, 5, 21}};
  for (const auto& g : glyphs) {
    test::DibSurface dest(g.w + 4, g.h + 4, Background);
    skin::DrawTransparent(dest.dc(), 2, 2, g.w, g.h, g.source, g.x, g.y, Key, nullptr);
    Pixels out = dest.Read(), in = test::ReadDc(g.source, g.x, g.y, g.w, g.h);
    EXPECT_EQ(out.Count(Background), out.width() * out.height() - g.ink) << g.x << ", " << g.y;
    for (int y = 0; y < g.h; ++y)
      for (int x = 0; x < g.w; ++x) EXPECT_EQ(out.at(2 + x, 2 + y), in.at(x, y) == Key ? Background : in.at(x, y));
  }
}

// A memory surface has the size asked for in the display's format (not the 1 x 1 monochrome
// placeholder of a new memory context); an impossible size gets none. Catches a surface,
// scratch bitmap, mask, brush or palette that a call does not give back.
TEST_F(Blit, SurfacesHaveTheirSizeAndEveryCallReleasesWhatItMade) {
  skin::MemorySurface surface(13, 7);
  BITMAP info{};
  GetObjectW(GetCurrentObject(surface, OBJ_BITMAP), sizeof(info), &info);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(info.bmWidth * 100 + info.bmHeight, 13 * 100 + 7);
  EXPECT_EQ(info.bmBitsPixel * info.bmPlanes, GetDeviceCaps(screen, BITSPIXEL));
  ReleaseDC(nullptr, screen);
  for (SIZE size : {SIZE{0, 8}, SIZE{8, 0}, SIZE{-1, 8}, SIZE{8, -1}})
    EXPECT_EQ(skin::CreateMemoryDC(size.cx, size.cy), nullptr) << size.cx << " x " << size.cy;
  skin::DeleteMemoryDC(nullptr);  // accepted, does nothing

  test::DibSurface dest(113, 33, Background);
  auto work = [&] {
    for (int i = 0; i < 100; ++i) {
      skin::DeleteMemoryDC(skin::CreateMemoryDC(8, 8));
      skin::DrawSkinPart(dest.dc(), 0, 0, 113, 33, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
      skin::DrawSkinPart(dest.dc(), 0, 0, 20, 20, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
    }
  };
  work();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy(work), 0);
}

// Catches unsigned halves: x = -1 in the low half must stay -1, also when the value arrives
// sign-extended to 64 bits.
TEST(Words, SplitIntoSignedHalves) {
  const struct {
    LPARAM value;
    short low, high;
  } cases[] = {{MAKELPARAM(-1, 5), -1, 5},
               {MAKELPARAM(0x7FFF, 0x8000), 0x7FFF, -0x8000},
               {static_cast<LPARAM>(0xFFFF1234u), 0x1234, -1},
               {static_cast<LPARAM>(static_cast<int>(0xFFFF0000u)), 0, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(skin::LoWord(c.value), c.low) << std::hex << c.value;
    EXPECT_EQ(skin::HiWord(c.value), c.high) << std::hex << c.value;
  }
}

}  // namespace
