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
// A background that no skin artwork contains.
constexpr COLORREF Background = 0x2080C0;

struct Rect {
  int x, y, w, h;
};
struct Margins {
  int left, top, right, bottom;
};

// Where the pixels of a drawn piece came from, decoded from position colours: the source
// column of every destination column and the source row of every destination row.
struct Origins {
  std::vector<int> columns;
  std::vector<int> rows;
};

Origins DecodeOrigins(const Pixels& out, int xSrc, int ySrc) {
  Origins origins{std::vector<int>(out.width(), -1), std::vector<int>(out.height(), -1)};
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      COLORREF c = out.at(x, y);
      // Only exact source pixels: no blending, no smoothing.
      if (!test::IsPositionColour(c)) {
        ADD_FAILURE() << "(" << x << ", " << y << ") is no source pixel: " << std::hex << c;
        return origins;
      }
      int sx = test::PositionX(c) - xSrc;
      int sy = test::PositionY(c) - ySrc;
      // A column comes from one source column, a row from one source row.
      if (y == 0) origins.columns[x] = sx;
      if (x == 0) origins.rows[y] = sy;
      EXPECT_EQ(sx, origins.columns[x]) << "column " << x << " mixes source columns";
      EXPECT_EQ(sy, origins.rows[y]) << "row " << y << " mixes source rows";
    }
  }
  return origins;
}

// Along one axis of an enlarging nine-slice: the strips before and after the middle are
// copied one to one; the middle repeats each source pixel of the middle, in order.
void ExpectAxis(const std::vector<int>& origin, int sourceLength, int before, int after,
                const char* axis) {
  const int length = static_cast<int>(origin.size());
  for (int i = 0; i < before; ++i) EXPECT_EQ(origin[i], i) << axis << " " << i;
  for (int i = length - after; i < length; ++i) {
    EXPECT_EQ(origin[i], sourceLength - (length - i)) << axis << " " << i;
  }
  int expected = before;  // the next source pixel of the middle still to be seen
  for (int i = before; i < length - after; ++i) {
    if (origin[i] == expected) ++expected;
    EXPECT_EQ(origin[i], expected - 1) << axis << " " << i << ": out of order or skipped";
  }
  EXPECT_EQ(expected, sourceLength - after) << axis << ": middle not covered";
}

class Blit : public ::testing::Test {
 protected:
  void SetUp() override { skin::BuildSkinBitmaps(); }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }
};

// The source sits inside a larger surface and the destination inside a larger one, so
// that offsets on both sides are exercised and nothing may spill around the piece.
TEST(BlitNineSlice, CornersCopyEdgesAndCentreStretch) {
  constexpr int SourceSurface = 40;
  constexpr int SourceX = 3, SourceY = 2;
  constexpr int DestX = 4, DestY = 3, DestMargin = 8;
  const struct {
    const char* name;
    int srcW, srcH;
    Margins margins;
    int destW, destH;
  } cases[] = {
      {"button face", 7, 21, {3, 3, 3, 3}, 75, 25},
      {"combo button", 4, 18, {2, 1, 1, 1}, 20, 30},
      {"option circle", 13, 13, {5, 5, 5, 5}, 20, 20},
      {"header item", 3, 20, {1, 1, 1, 1}, 60, 26},
      {"uneven margins", 6, 5, {2, 0, 1, 3}, 30, 17},
      {"same size", 7, 21, {3, 3, 3, 3}, 7, 21},
      {"all zero, column", 1, 20, {0, 0, 0, 0}, 200, 20},
      {"all zero, block", 5, 4, {0, 0, 0, 0}, 20, 12},
  };
  skin::MemorySurface source(SourceSurface, SourceSurface);
  test::PaintPositions(source, SourceSurface, SourceSurface);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::DibSurface dest(c.destW + DestMargin, c.destH + DestMargin, Background);
    int result = skin::DrawSkinPart(dest.dc(), DestX, DestY, c.destW, c.destH, source, SourceX,
                                    SourceY, c.srcW, c.srcH, c.margins.left, c.margins.top,
                                    c.margins.right, c.margins.bottom);
    EXPECT_NE(result, 0);
    Pixels all = dest.Read();
    EXPECT_EQ(all.Count(Background), all.width() * all.height() - c.destW * c.destH);
    Origins origins = DecodeOrigins(test::Crop(all, DestX, DestY, c.destW, c.destH), SourceX, SourceY);
    ExpectAxis(origins.columns, c.srcW, c.margins.left, c.margins.right, "column");
    ExpectAxis(origins.rows, c.srcH, c.margins.top, c.margins.bottom, "row");
  }
}

TEST_F(Blit, SameSizeGivesAnIdenticalCopyOfTheArtwork) {
  const struct {
    HDC source;
    Rect piece;
    Margins margins;
  } calls[] = {
      {skin::ButtonBitmap, {0, 0, 7, 21}, {3, 3, 3, 3}},   {skin::ButtonBitmap, {0, 63, 7, 21}, {3, 3, 3, 3}},
      {skin::ComboBitmap, {0, 0, 4, 18}, {2, 1, 1, 1}},    {skin::ComboBitmap, {4, 0, 4, 18}, {2, 1, 1, 1}},
      {skin::GlyphBitmap, {0, 13, 13, 13}, {5, 5, 5, 5}},  {skin::HeaderBitmap, {6, 0, 3, 20}, {1, 1, 1, 1}},
  };
  for (const auto& call : calls) {
    test::DibSurface dest(call.piece.w, call.piece.h, Background);
    skin::DrawSkinPart(dest.dc(), 0, 0, call.piece.w, call.piece.h, call.source, call.piece.x,
                       call.piece.y, call.piece.w, call.piece.h, call.margins.left,
                       call.margins.top, call.margins.right, call.margins.bottom);
    Pixels expected = test::ReadDc(call.source, call.piece.x, call.piece.y, call.piece.w, call.piece.h);
    EXPECT_EQ(test::CountDifferences(dest.Read(), expected), 0)
        << "piece at " << call.piece.x << ", " << call.piece.y;
  }
}

TEST_F(Blit, ButtonFaceAt75x25KeepsItsCornersAndStretchesItsMiddleColumn) {
  constexpr int W = 75, H = 25, Face = 1, FaceTop = 21, Corner = 3;
  test::DibSurface dest(W, H, Background);
  skin::DrawSkinPart(dest.dc(), 0, 0, W, H, skin::ButtonBitmap, 0, Face * FaceTop, 7, 21, 3, 3, 3, 3);
  Pixels out = dest.Read();
  Pixels face = test::ReadDc(skin::ButtonBitmap, 0, Face * FaceTop, 7, 21);
  for (int y = 0; y < Corner; ++y) {
    for (int x = 0; x < Corner; ++x) {
      EXPECT_EQ(out.at(x, y), face.at(x, y));
      EXPECT_EQ(out.at(W - Corner + x, y), face.at(7 - Corner + x, y));
      EXPECT_EQ(out.at(x, H - Corner + y), face.at(x, 21 - Corner + y));
      EXPECT_EQ(out.at(W - Corner + x, H - Corner + y), face.at(7 - Corner + x, 21 - Corner + y));
    }
  }
  // Columns 3 to 71 all repeat the source's middle column.
  for (int y = 0; y < H; ++y) {
    for (int x = Corner; x < W - Corner; ++x) EXPECT_EQ(out.at(x, y), out.at(Corner, y)) << x << ", " << y;
  }
  for (int y = 0; y < Corner; ++y) EXPECT_EQ(out.at(Corner, y), face.at(3, y));
}

TEST_F(Blit, NoStretchModeIsSetAndTheDestinationKeepsItsState) {
  test::DibSurface dest(40, 40, Background);
  SetStretchBltMode(dest.dc(), HALFTONE);
  HGDIOBJ bitmap = GetCurrentObject(dest.dc(), OBJ_BITMAP);
  COLORREF sourceText = GetTextColor(skin::GlyphBitmap);
  COLORREF sourceBack = GetBkColor(skin::GlyphBitmap);
  skin::DrawSkinPart(dest.dc(), 0, 0, 40, 40, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
  skin::DrawSkinPart(dest.dc(), 0, 0, 40, 40, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
  EXPECT_EQ(GetStretchBltMode(dest.dc()), HALFTONE);
  EXPECT_EQ(GetCurrentObject(dest.dc(), OBJ_BITMAP), bitmap);
  EXPECT_EQ(GetTextColor(skin::GlyphBitmap), sourceText);
  EXPECT_EQ(GetBkColor(skin::GlyphBitmap), sourceBack);
}

TEST(BlitNineSlice, ZeroSizeDrawsNothingAndReturnsZero) {
  skin::MemorySurface source(8, 8);
  test::PaintPositions(source, 8, 8);
  const int sizes[][4] = {{0, 6, 8, 8}, {6, 0, 8, 8}, {6, 6, 0, 8}, {6, 6, 8, 0}};
  for (const auto& s : sizes) {
    for (bool keyed : {false, true}) {
      test::DibSurface dest(10, 10, Background);
      std::optional<COLORREF> key;
      if (keyed) key = Key;
      EXPECT_EQ(skin::DrawSkinPart(dest.dc(), 1, 1, s[0], s[1], source, 0, 0, s[2], s[3], 2, 2, 2, 2, key), 0);
      EXPECT_EQ(dest.Read().Count(Background), 100);
    }
  }
  // With something composed, a key makes the result 1.
  test::DibSurface dest(10, 10, Background);
  EXPECT_EQ(skin::DrawSkinPart(dest.dc(), 1, 1, 6, 6, source, 0, 0, 8, 8, 2, 2, 2, 2, Key), 1);
}

// Without a surface nothing was composed; the destination must not be touched, keyed or
// not (a keyed copy of nothing would paint it black).
TEST(BlitNineSlice, NegativeSizeLeavesTheDestinationAlone) {
  skin::MemorySurface source(8, 8);
  test::PaintPositions(source, 8, 8);
  for (bool keyed : {false, true}) {
    test::DibSurface dest(20, 20, Background);
    std::optional<COLORREF> key;
    if (keyed) key = Key;
    skin::DrawSkinPart(dest.dc(), 10, 2, -5, 6, source, 0, 0, 8, 8, 2, 2, 2, 2, key);
    EXPECT_EQ(dest.Read().Count(Background), 400) << (keyed ? "keyed" : "plain");
  }
}

TEST(BlitKeyedCopy, OnlyExactKeyPixelsStayTransparent) {
  // At 24 and 32 bits per pixel a colour one bit off the key is an ordinary colour.
  const COLORREF colours[] = {Key, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000, 0xFFFFFF, Key, 0x5F5519};
  constexpr int N = static_cast<int>(std::size(colours));
  skin::MemorySurface source(N, 2);
  for (int x = 0; x < N; ++x) {
    SetPixel(source, x, 0, colours[x]);
    SetPixel(source, x, 1, colours[N - 1 - x]);
  }
  test::DibSurface direct(N, 2, Background);
  skin::DrawTransparent(direct.dc(), 0, 0, N, 2, source, 0, 0, Key, nullptr);
  test::DibSurface nineSlice(N, 2, Background);
  EXPECT_EQ(skin::DrawSkinPart(nineSlice.dc(), 0, 0, N, 2, source, 0, 0, N, 2, 1, 1, 1, 1, Key), 1);

  for (const test::DibSurface* dest : {&direct, &nineSlice}) {
    Pixels out = dest->Read();
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < N; ++x) {
        COLORREF in = y == 0 ? colours[x] : colours[N - 1 - x];
        EXPECT_EQ(out.at(x, y), in == Key ? Background : in) << std::hex << in;
      }
    }
  }
}

// A monochrome source is expanded with the source context's own colours: text colour for
// 0 bits, background colour for 1 bits. With the background set to the key, the 1 bits
// stay transparent.
TEST(BlitKeyedCopy, MonochromeSourceUsesItsOwnColours) {
  constexpr int W = 4;
  constexpr COLORREF Ink = 0x0000FF;
  HDC mono = CreateCompatibleDC(nullptr);
  {
    skin::GdiObject<HBITMAP> bits(CreateBitmap(W, 1, 1, 1, nullptr));
    skin::Selected selected(mono, bits);
    PatBlt(mono, 0, 0, W, 1, WHITENESS);
    PatBlt(mono, 0, 0, W / 2, 1, BLACKNESS);
    SetTextColor(mono, Ink);
    SetBkColor(mono, Key);
    test::DibSurface dest(W, 1, Background);
    skin::DrawTransparent(dest.dc(), 0, 0, W, 1, mono, 0, 0, Key, nullptr);
    Pixels out = dest.Read();
    for (int x = 0; x < W; ++x) EXPECT_EQ(out.at(x, 0), x < W / 2 ? Ink : Background) << x;
  }
  DeleteDC(mono);
}

TEST(BlitKeyedCopy, NullSourceLeavesTheDestinationAlone) {
  test::DibSurface dest(6, 6, Background);
  skin::DrawTransparent(dest.dc(), 0, 0, 6, 6, nullptr, 0, 0, Key, nullptr);
  EXPECT_EQ(dest.Read().Count(Background), 36);
}

TEST_F(Blit, OptionCircleShowsTheBackgroundInExactly24Pixels) {
  constexpr int Around = 4;
  for (int side : {10, 13, 20}) {
    for (int frame = 0; frame < 4; ++frame) {
      test::DibSurface dest(side + 2 * Around, side + 2 * Around, Background);
      skin::DrawSkinPart(dest.dc(), Around, Around, side, side, skin::GlyphBitmap, 0, 13 * frame,
                         13, 13, 5, 5, 5, 5, Key);
      Pixels out = dest.Read();
      EXPECT_EQ(out.Count(Background, Around, Around, side, side), 24)
          << side << " x " << side << ", frame " << frame;
      EXPECT_EQ(out.Count(Key), 0);
      EXPECT_EQ(out.Count(Background), out.width() * out.height() - side * side + 24);
    }
  }
}

TEST_F(Blit, GlyphsLeaveExactlyTheirKeyPixelsUnchanged) {
  const struct {
    HDC source;
    Rect glyph;
    int keyPixels;
  } glyphs[] = {
      {skin::ComboBitmap, {8, 0, 7, 4}, 12},   // arrow, enabled
      {skin::ComboBitmap, {8, 4, 7, 4}, 12},   // arrow, disabled
      {skin::CheckBitmap, {0, 0, 9, 8}, 46},   // check mark
      {skin::CheckBitmap, {9, 0, 9, 8}, 46},
      {skin::CheckBitmap, {1, 9, 7, 7}, 0},    // indeterminate square
      {skin::CheckBitmap, {10, 9, 7, 7}, 0},
      {skin::CheckBitmap, {2, 18, 5, 5}, 4},   // option dot
      {skin::CheckBitmap, {11, 18, 5, 5}, 4},
  };
  for (const auto& g : glyphs) {
    constexpr int At = 2;
    test::DibSurface dest(g.glyph.w + 2 * At, g.glyph.h + 2 * At, Background);
    skin::DrawTransparent(dest.dc(), At, At, g.glyph.w, g.glyph.h, g.source, g.glyph.x, g.glyph.y,
                          Key, nullptr);
    Pixels out = test::Crop(dest.Read(), At, At, g.glyph.w, g.glyph.h);
    Pixels in = test::ReadDc(g.source, g.glyph.x, g.glyph.y, g.glyph.w, g.glyph.h);
    EXPECT_EQ(out.Count(Background), g.keyPixels) << "glyph at " << g.glyph.x << ", " << g.glyph.y;
    for (int y = 0; y < g.glyph.h; ++y)
      for (int x = 0; x < g.glyph.w; ++x)
        EXPECT_EQ(out.at(x, y), in.at(x, y) == Key ? Background : in.at(x, y));
    EXPECT_EQ(dest.Read().Count(Background),
              dest.width() * dest.height() - g.glyph.w * g.glyph.h + g.keyPixels);
  }
}

TEST_F(Blit, EveryCallReleasesWhatItMade) {
  constexpr int Calls = 200;
  test::DibSurface dest(113, 33, Background);
  auto draw = [&](int calls) {
    for (int i = 0; i < calls; ++i) {
      skin::DrawSkinPart(dest.dc(), 0, 0, 113, 33, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
      skin::DrawSkinPart(dest.dc(), 0, 0, 20, 20, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
      skin::DrawTransparent(dest.dc(), 0, 0, 7, 4, skin::ComboBitmap, 8, 0, Key, nullptr);
    }
  };
  draw(1);  // whatever the platform makes once per process on first use stays
  int leaked = test::GdiObjectsLeakedBy([&] { draw(Calls); });
  EXPECT_EQ(leaked, 0);
}

TEST(BlitWords, SplitIntoSignedHalves) {
  EXPECT_EQ(skin::LoWord(MAKELPARAM(-1, 5)), -1);
  EXPECT_EQ(skin::HiWord(MAKELPARAM(-1, 5)), 5);
  EXPECT_EQ(skin::LoWord(MAKELPARAM(0x7FFF, 0x8000)), 0x7FFF);
  EXPECT_EQ(skin::HiWord(MAKELPARAM(0x7FFF, 0x8000)), -0x8000);
  // High 16 bits all ones: -1 whatever the low half, also when the value arrives
  // sign-extended to 64 bits.
  EXPECT_EQ(skin::HiWord(static_cast<LPARAM>(0xFFFF1234u)), -1);
  EXPECT_EQ(skin::HiWord(static_cast<LPARAM>(static_cast<int>(0xFFFF0000u))), -1);
  EXPECT_EQ(skin::LoWord(static_cast<LPARAM>(0xFFFF1234u)), 0x1234);
}

}  // namespace
