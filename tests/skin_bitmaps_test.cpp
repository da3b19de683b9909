// The five built-in skin bitmaps, read back from their surfaces after BuildSkinBitmaps.
#include "skin/render/skin_bitmaps.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "skin/core/skin_state.h"
#include "skin/render/skin_bitmap_tables.h"
#include "skin/render/skin_colors.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"
#include "tests/support/skin_surfaces.h"

namespace {

using test::Pixels;

constexpr COLORREF Key = skin::SkinKeyColor;

constexpr int FaceHeight = 21;    // ButtonBitmap face
constexpr int FaceCount = 4;
constexpr int CircleSide = 13;    // GlyphBitmap frame
constexpr int CircleCount = 4;

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

int DistinctColours(const Pixels& pixels) {
  std::set<COLORREF> colours;
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) colours.insert(pixels.at(x, y));
  return static_cast<int>(colours.size());
}

template <size_t Height, size_t Width>
int CountTableMismatches(const Pixels& pixels, const COLORREF (&table)[Height][Width]) {
  int mismatches = 0;
  for (size_t y = 0; y < Height; ++y) {
    for (size_t x = 0; x < Width; ++x) {
      COLORREF actual = pixels.at(static_cast<int>(x), static_cast<int>(y));
      if (actual != table[y][x]) {
        if (mismatches++ == 0) {
          ADD_FAILURE() << "first mismatch at (" << x << ", " << y << "): " << std::hex << actual
                        << " instead of " << table[y][x];
        }
      }
    }
  }
  return mismatches;
}

class SkinBitmaps : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::BuildSkinBitmaps();
    button_ = Read(skin::ButtonBitmap, skin::ButtonBitmapSize);
    combo_ = Read(skin::ComboBitmap, skin::ComboBitmapSize);
    check_ = Read(skin::CheckBitmap, skin::CheckBitmapSize);
    glyph_ = Read(skin::GlyphBitmap, skin::GlyphBitmapSize);
    header_ = Read(skin::HeaderBitmap, skin::HeaderBitmapSize);
  }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }

  static Pixels Read(HDC surface, SIZE size) { return test::ReadSurface(surface, size.cx, size.cy); }
  // One option-button circle of GlyphBitmap.
  Pixels Circle(int frame) const {
    return test::Crop(glyph_, 0, frame * CircleSide, CircleSide, CircleSide);
  }

  Pixels button_, combo_, check_, glyph_, header_;
};

TEST_F(SkinBitmaps, SurfacesHaveTheirSizes) {
  const std::pair<HDC, SIZE> surfaces[] = {
      {skin::ButtonBitmap, {7, 84}}, {skin::ComboBitmap, {15, 18}}, {skin::CheckBitmap, {18, 24}},
      {skin::GlyphBitmap, {13, 52}}, {skin::HeaderBitmap, {9, 20}}};
  for (const auto& [surface, size] : surfaces) {
    ASSERT_NE(surface, nullptr);
    BITMAP info{};
    GetObjectW(GetCurrentObject(surface, OBJ_BITMAP), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, size.cx);
    EXPECT_EQ(info.bmHeight, size.cy);
  }
}

// Every pixel is written: a pixel left out would keep the new bitmap's content (black
// here), which no table contains.
TEST_F(SkinBitmaps, EveryPixelEqualsItsTable) {
  EXPECT_EQ(CountTableMismatches(button_, skin::ButtonPixels), 0);
  EXPECT_EQ(CountTableMismatches(combo_, skin::ComboPixels), 0);
  EXPECT_EQ(CountTableMismatches(check_, skin::CheckPixels), 0);
  EXPECT_EQ(CountTableMismatches(glyph_, skin::GlyphPixels), 0);
  EXPECT_EQ(CountTableMismatches(header_, skin::HeaderPixels), 0);
}

TEST_F(SkinBitmaps, ColourCountsAndKeyPixels) {
  EXPECT_EQ(DistinctColours(button_), 222);
  EXPECT_EQ(DistinctColours(combo_), 40);
  EXPECT_EQ(DistinctColours(check_), 46);
  EXPECT_EQ(DistinctColours(glyph_), 158);
  EXPECT_EQ(DistinctColours(header_), 106);

  EXPECT_EQ(button_.Count(Key), 0);
  EXPECT_EQ(combo_.Count(Key), 94);
  EXPECT_EQ(check_.Count(Key), 240);
  EXPECT_EQ(glyph_.Count(Key), 96);
  EXPECT_EQ(header_.Count(Key), 0);
}

// Landmark pixels of the artwork: borders, corners, glyph colours, header lines.
TEST_F(SkinBitmaps, NamedPixels) {
  const struct {
    const Pixels* bitmap;
    int x, y;
    COLORREF colour;
  } named[] = {
      {&button_, 3, 0, 0xD58F1B},  {&button_, 0, 0, 0xF9E1BF},  {&button_, 0, 42, 0xF9E1BF},
      {&button_, 0, 19, 0xE2B064}, {&button_, 6, 19, 0xE1AF62},  // nearly symmetric
      {&button_, 3, 2, 0xFFFFFF},  {&button_, 3, 63, 0xE8C387}, {&button_, 3, 83, 0xE8C387},
      {&combo_, 0, 9, 0xD1A04E},   {&combo_, 8, 0, 0x5F5519},   {&combo_, 11, 7, 0xACA584},
      {&check_, 8, 0, 0x1DB754},   {&check_, 17, 0, 0x8CDAA8},  {&check_, 3, 7, 0x029135},
      {&check_, 0, 3, 0x13A948},   {&check_, 1, 9, 0x1BB451},   {&check_, 16, 15, 0x80C99A},
      {&check_, 4, 20, 0x12A847},  {&check_, 13, 20, 0x88D3A3},
      {&header_, 4, 19, 0xF2DAC0}, {&header_, 2, 9, 0xD9B07A},  {&header_, 2, 10, 0xD9B07A},
      {&header_, 3, 5, 0xFAC25E},  {&header_, 3, 17, 0xFAC25E}, {&header_, 6, 3, 0xFAC25E},
      {&header_, 6, 18, 0xFDE3A8}, {&header_, 4, 0, 0xFEEED3},  {&header_, 4, 18, 0xFCDDA8},
      {&header_, 7, 1, 0xFFDC9F},  {&header_, 7, 16, 0xFFF2C8}, {&header_, 7, 18, 0xFFF2C8},
  };
  for (const auto& n : named) {
    EXPECT_EQ(n.bitmap->at(n.x, n.y), n.colour) << "(" << n.x << ", " << n.y << ")";
  }
  // Border columns of the button faces; the disabled face has the pale border.
  for (int face = 0; face < FaceCount; ++face) {
    const COLORREF border = face == 3 ? 0xE8C387 : 0xD58F1B;
    for (int row = 3; row <= 17; ++row) {
      EXPECT_EQ(button_.at(0, face * FaceHeight + row), border) << face << ", " << row;
      EXPECT_EQ(button_.at(6, face * FaceHeight + row), border) << face << ", " << row;
    }
  }
  for (int x = 0; x < 9; ++x) EXPECT_EQ(header_.at(x, 19), 0xF2DAC0u) << x;
}

TEST_F(SkinBitmaps, ComboFacesAndArrows) {
  constexpr COLORREF LeftBorder = 0xD1A04E;
  for (int row = 0; row < 18; ++row) {
    EXPECT_EQ(combo_.at(0, row), LeftBorder) << row;
    EXPECT_EQ(combo_.at(4, row), LeftBorder) << row;
    EXPECT_EQ(combo_.at(1, row), combo_.at(3, row)) << row;
    EXPECT_EQ(combo_.at(5, row), combo_.at(7, row)) << row;
  }
  // The pressed face is the hover face upside down between the edges.
  for (int row = 2; row <= 16; ++row) {
    EXPECT_EQ(combo_.at(5, row), combo_.at(1, 18 - row)) << row;
    EXPECT_EQ(combo_.at(6, row), combo_.at(2, 18 - row)) << row;
  }
  const COLORREF row9[] = {LeftBorder, 0xF9EDD3, 0xEFD191, 0xF9EDD3};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(combo_.at(x, 9), row9[x]);
    EXPECT_EQ(combo_.at(x + 4, 9), row9[x]);
  }

  // Arrows: downward triangles of 7, 5, 3 and 1 pixels centred in 7-pixel cells on magenta.
  const struct {
    int top;
    COLORREF colour;
  } arrows[] = {{0, 0x5F5519}, {4, 0xACA584}};
  for (const auto& arrow : arrows) {
    for (int row = 0; row < 4; ++row) {
      for (int x = 0; x < 7; ++x) {
        bool inside = x >= row && x <= 6 - row;
        EXPECT_EQ(combo_.at(8 + x, arrow.top + row), inside ? arrow.colour : Key)
            << "arrow at " << arrow.top << " (" << x << ", " << row << ")";
      }
    }
  }
  EXPECT_EQ(combo_.Count(Key, 8, 8, 7, 10), 70);
}

TEST_F(SkinBitmaps, CheckMarksSquaresAndDots) {
  for (int row : {8, 16, 17, 23}) EXPECT_EQ(check_.Count(Key, 0, row, 18, 1), 18) << row;

  // Enabled on the left, disabled on the right: the same shapes, one colour per glyph row.
  for (int y = 0; y < 24; ++y) {
    std::set<COLORREF> left, right;
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(check_.at(x, y) == Key, check_.at(x + 9, y) == Key) << x << ", " << y;
      if (check_.at(x, y) != Key) left.insert(check_.at(x, y));
      if (check_.at(x + 9, y) != Key) right.insert(check_.at(x + 9, y));
    }
    if (y < 18) {
      EXPECT_LE(left.size(), 1u) << "row " << y;
      EXPECT_LE(right.size(), 1u) << "row " << y;
    }
  }
  EXPECT_EQ(9 * 8 - check_.Count(Key, 0, 0, 9, 8), 26);  // check mark
  EXPECT_EQ(check_.Count(Key, 1, 9, 7, 7), 0);            // indeterminate square
  EXPECT_EQ(check_.Count(Key, 2, 18, 5, 5), 4);           // option dot: only its corners
}

// Positions of a 13 x 13 circle's ring: the top and bottom rows x 3 to 9, the side columns
// rows 3 to 9 and the eight diagonal steps.
std::vector<POINT> RingPositions() {
  std::vector<POINT> ring;
  for (int i = 3; i <= 9; ++i) {
    ring.push_back({i, 0});
    ring.push_back({i, 12});
    ring.push_back({0, i});
    ring.push_back({12, i});
  }
  for (POINT p : {POINT{2, 1}, POINT{1, 2}}) {
    ring.push_back(p);
    ring.push_back({12 - p.x, p.y});
    ring.push_back({p.x, 12 - p.y});
    ring.push_back({12 - p.x, 12 - p.y});
  }
  return ring;
}

TEST_F(SkinBitmaps, OptionCirclesHaveKeyCornersAndARing) {
  const COLORREF tops[CircleCount][7] = {
      {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
      {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
      {0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964, 0xC28B67, 0xCA9976, 0xDDBCA4},
      {0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1, 0xE9D3C2, 0xECD9CA, 0xF3E7DD}};
  // Key pixels at the start (and end) of each row.
  const int cornerRun[CircleSide] = {3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3};
  for (int frame = 0; frame < CircleCount; ++frame) {
    Pixels circle = Circle(frame);
    EXPECT_EQ(circle.Count(Key), 24) << "frame " << frame;
    for (int y = 0; y < CircleSide; ++y) {
      for (int x = 0; x < CircleSide; ++x) {
        bool corner = x < cornerRun[y] || x >= CircleSide - cornerRun[y];
        EXPECT_EQ(circle.at(x, y) == Key, corner) << "frame " << frame << " (" << x << ", " << y << ")";
      }
    }
    // The sides and the bottom repeat the top row.
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(circle.at(3 + i, 0), tops[frame][i]) << "frame " << frame << " x " << 3 + i;
      EXPECT_EQ(circle.at(3 + i, 12), tops[frame][i]) << "frame " << frame;
      EXPECT_EQ(circle.at(0, 3 + i), tops[frame][i]) << "frame " << frame;
      EXPECT_EQ(circle.at(12, 3 + i), tops[frame][i]) << "frame " << frame;
    }
  }

  const COLORREF tellingRow[CircleSide] = {0xD2A683, 0xFAF7F3, 0xFEFEFD, 0xFFFFFF, 0xFFFFFF,
                                           0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                           0xFEFEFD, 0xFAF7F3, 0xD2A683};
  const COLORREF firstRow[] = {0xDFC2A9, 0xECDFD1, 0xF0E7DD, 0xF1E9DF};
  Pixels normal = Circle(0);
  for (int x = 0; x < CircleSide; ++x) EXPECT_EQ(normal.at(x, 6), tellingRow[x]) << x;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(normal.at(2 + i, 1), firstRow[i]) << 2 + i;
}

TEST_F(SkinBitmaps, OptionCircleSymmetryAndRamps) {
  auto mirrored = [](const Pixels& circle) {
    for (int y = 0; y < CircleSide; ++y)
      for (int x = 0; x < CircleSide / 2; ++x)
        if (circle.at(x, y) != circle.at(CircleSide - 1 - x, y)) return false;
    return true;
  };
  EXPECT_TRUE(mirrored(Circle(0)));
  EXPECT_FALSE(mirrored(Circle(1)));
  EXPECT_FALSE(mirrored(Circle(2)));
  EXPECT_TRUE(mirrored(Circle(3)));

  // Hover lightens from the top left to the bottom right, pressed from the bottom left to
  // the top right; normal and disabled are white in the middle.
  Pixels hover = Circle(1);
  Pixels pressed = Circle(2);
  for (int i = 4; i <= 9; ++i) {
    EXPECT_GE(Brightness(hover.at(i, i)), Brightness(hover.at(i - 1, i - 1))) << i;
    EXPECT_GE(Brightness(pressed.at(i, 12 - i)), Brightness(pressed.at(i - 1, 13 - i))) << i;
  }
  EXPECT_GT(Brightness(hover.at(9, 9)), Brightness(hover.at(3, 3)));
  EXPECT_GT(Brightness(pressed.at(9, 3)), Brightness(pressed.at(3, 9)));
  EXPECT_EQ(Circle(0).at(6, 6), 0xFFFFFFu);
  EXPECT_EQ(Circle(3).at(6, 6), 0xFFFFFFu);
}

// Check boxes stretch rows 4 to 8 of the hover and pressed circles over their inside:
// those bands must hold neither a key pixel nor a colour of the ring.
TEST_F(SkinBitmaps, CheckBoxFillBandsLieInsideTheRing) {
  const struct {
    int frame;
    int x, y, w, h;  // the band in GlyphBitmap
  } fills[] = {{1, 1, 17, 11, 5}, {2, 1, 30, 11, 5}};
  for (const auto& fill : fills) {
    Pixels circle = Circle(fill.frame);
    std::set<COLORREF> ring;
    for (POINT p : RingPositions()) ring.insert(circle.at(p.x, p.y));
    ASSERT_EQ(fill.y, fill.frame * CircleSide + 4);
    for (int y = fill.y; y < fill.y + fill.h; ++y) {
      for (int x = fill.x; x < fill.x + fill.w; ++x) {
        COLORREF c = glyph_.at(x, y);
        EXPECT_NE(c, Key) << "frame " << fill.frame;
        EXPECT_EQ(ring.count(c), 0u) << "frame " << fill.frame << " (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(SkinBitmapsLifecycle, BuildAndReleaseKeepNothing) {
  constexpr int Cycles = 25;
  // The first display context of a process makes objects that stay for its lifetime.
  skin::BuildSkinBitmaps();
  skin::ReleaseSkinBitmaps();
  int leaked = test::GdiObjectsLeakedBy([] {
    for (int i = 0; i < Cycles; ++i) {
      skin::BuildSkinBitmaps();
      skin::ReleaseSkinBitmaps();
    }
  });
  EXPECT_EQ(leaked, 0);
  for (HDC surface : {skin::ButtonBitmap, skin::ComboBitmap, skin::CheckBitmap,
                      skin::GlyphBitmap, skin::HeaderBitmap}) {
    EXPECT_EQ(surface, nullptr);
  }
}

}  // namespace
