// The five built-in skin bitmaps, read back after BuildSkinBitmaps: against the full tables,
// and against spot values and shapes typed here independently of the tables.
#include "skin/render/skin_bitmaps.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "skin/core/skin_state.h"
#include "skin/render/skin_bitmap_tables.h"
#include "skin/render/skin_colors.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"

namespace {

using test::Pixels;

constexpr COLORREF Key = skin::SkinKeyColor;
constexpr int Side = 13;  // one option-button circle of GlyphBitmap

template <size_t H, size_t W>
Pixels FromTable(const COLORREF (&table)[H][W]) {
  Pixels pixels(static_cast<int>(W), static_cast<int>(H));
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) pixels.at(x, y) = table[y][x];
  return pixels;
}

// Checks which pixels of a piece are key ('.') and which are artwork ('#').
void ExpectShape(const Pixels& p, int left, int top, std::initializer_list<const char*> rows) {
  int y = top;
  for (const char* row : rows) {
    for (int x = 0; row[x]; ++x)
      EXPECT_EQ(p.at(left + x, y) != Key, row[x] == '#') << "(" << left + x << ", " << y << ")";
    ++y;
  }
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
  static Pixels Read(HDC dc, SIZE size) { return test::ReadDc(dc, 0, 0, size.cx, size.cy); }
  Pixels Circle(int frame) const { return glyph_.Crop(0, frame * Side, Side, Side); }

  Pixels button_, combo_, check_, glyph_, header_;
};

// Catches a pixel left unwritten (black, in no table) or written from the wrong place, and
// a palette that differs from the artwork's.
TEST_F(SkinBitmaps, EveryPixelEqualsItsTable) {
  const struct {
    const char* name;
    const Pixels& shown;
    Pixels table;
    size_t colours;
  } art[] = {{"button", button_, FromTable(skin::ButtonPixels), 222},
             {"combo", combo_, FromTable(skin::ComboPixels), 40},
             {"check", check_, FromTable(skin::CheckPixels), 46},
             {"glyph", glyph_, FromTable(skin::GlyphPixels), 158},
             {"header", header_, FromTable(skin::HeaderPixels), 106}};
  for (const auto& a : art) {
    SCOPED_TRACE(a.name);
    EXPECT_EQ(a.shown.Differences(a.table), 0);
    std::set<COLORREF> colours;
    for (int y = 0; y < a.shown.height(); ++y)
      for (int x = 0; x < a.shown.width(); ++x) colours.insert(a.shown.at(x, y));
    EXPECT_EQ(colours.size(), a.colours);
  }
}

// Catches a wrong value in the tables themselves.
TEST_F(SkinBitmaps, SpotValuesOfTheArtwork) {
  const struct {
    const Pixels& bitmap;
    int x, y;
    COLORREF colour;
  } spots[] = {
      {button_, 3, 0, 0xD58F1B},  {button_, 0, 0, 0xF9E1BF},  {button_, 6, 19, 0xE1AF62},
      {button_, 3, 83, 0xE8C387}, {combo_, 8, 0, 0x5F5519},   {combo_, 11, 7, 0xACA584},
      {check_, 8, 0, 0x1DB754},   {check_, 17, 0, 0x8CDAA8},  {check_, 3, 7, 0x029135},
      {check_, 13, 20, 0x88D3A3}, {header_, 2, 9, 0xD9B07A},  {header_, 7, 16, 0xFFF2C8},
      // The ends of the hover circle's ramp (top left, bottom right) and of the pressed one's
      // (bottom left, top right): the check box's hover and pressed fills come from them.
      {glyph_, 3, 14, 0xF8EAC3},  {glyph_, 9, 24, 0xFDF5E0},  {glyph_, 3, 37, 0xF5E1AD},
      {glyph_, 9, 27, 0xFDF1D4},
  };
  for (const auto& s : spots) EXPECT_EQ(s.bitmap.at(s.x, s.y), s.colour) << s.x << ", " << s.y;
  for (int x = 0; x < 9; ++x) EXPECT_EQ(header_.at(x, 19), 0xF2DAC0u) << x;
  // Row 9 of both combo faces.
  const COLORREF row9[] = {0xD1A04E, 0xF9EDD3, 0xEFD191, 0xF9EDD3};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(combo_.at(x, 9), row9[x % 4]) << x;
}

// Catches a glyph of the wrong shape, or a disabled glyph shaped unlike the enabled one.
TEST_F(SkinBitmaps, GlyphShapes) {
  for (int top : {0, 4}) ExpectShape(combo_, 8, top, {"#######", ".#####.", "..###..", "...#..."});
  for (int left : {0, 9}) {
    ExpectShape(check_, left, 0, {"........#", ".......##", "......###", "##...###.", "###.###..",
                                  ".#####...", "..###....", "...#.....", "........."});
    ExpectShape(check_, left, 9, {".#######.", ".#######.", ".#######.", ".#######.", ".#######.",
                                  ".#######.", ".#######.", ".........", "........."});
    ExpectShape(check_, left, 18, {"...###...", "..#####..", "..#####..", "..#####..", "...###...",
                                   "........."});
  }
}

// Catches wrong key corners, ring colours or symmetry of the four option circles.
TEST_F(SkinBitmaps, OptionCircles) {
  const COLORREF tops[4][7] = {
      {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
      {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
      {0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964, 0xC28B67, 0xCA9976, 0xDDBCA4},
      {0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1, 0xE9D3C2, 0xECD9CA, 0xF3E7DD}};
  const int cornerRun[Side] = {3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3};  // key pixels per row end
  for (int frame = 0; frame < 4; ++frame) {
    SCOPED_TRACE(frame);
    Pixels circle = Circle(frame);
    bool mirrored = true;
    for (int y = 0; y < Side; ++y) {
      for (int x = 0; x < Side; ++x) {
        bool corner = x < cornerRun[y] || x >= Side - cornerRun[y];  // 24 in all
        EXPECT_EQ(circle.at(x, y) == Key, corner) << x << ", " << y;
        mirrored = mirrored && circle.at(x, y) == circle.at(Side - 1 - x, y);
      }
    }
    EXPECT_EQ(mirrored, frame == 0 || frame == 3);  // hover and pressed are lit from one side
    for (int i = 0; i < 7; ++i) EXPECT_EQ(circle.at(3 + i, 0), tops[frame][i]) << 3 + i;
  }
  const COLORREF tellingRow[Side] = {0xD2A683, 0xFAF7F3, 0xFEFEFD, 0xFFFFFF, 0xFFFFFF,
                                     0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                     0xFEFEFD, 0xFAF7F3, 0xD2A683};
  const COLORREF firstRow[] = {0xDFC2A9, 0xECDFD1, 0xF0E7DD, 0xF1E9DF};
  for (int x = 0; x < Side; ++x) EXPECT_EQ(glyph_.at(x, 6), tellingRow[x]) << x;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(glyph_.at(2 + i, 1), firstRow[i]) << 2 + i;
}

// Check boxes stretch rows 4 to 8 of the hover and pressed circles over their inside: a key
// or ring pixel in those bands would show as a hole or a stripe.
TEST_F(SkinBitmaps, CheckBoxFillBandsLieInsideTheRing) {
  for (int frame : {1, 2}) {
    Pixels c = Circle(frame);
    auto out = [&](int x, int y) {
      return x < 0 || y < 0 || x >= Side || y >= Side || c.at(x, y) == Key;
    };
    std::set<COLORREF> ring;  // colours of pixels next to a key pixel or the frame's edge
    for (int y = 0; y < Side; ++y)
      for (int x = 0; x < Side; ++x)
        if (!out(x, y) && (out(x - 1, y) || out(x + 1, y) || out(x, y - 1) || out(x, y + 1)))
          ring.insert(c.at(x, y));
    ASSERT_FALSE(ring.empty());
    const int bandTop = frame == 1 ? 17 : 30;
    for (int y = bandTop; y < bandTop + 5; ++y)
      for (int x = 1; x < 12; ++x) {
        EXPECT_NE(glyph_.at(x, y), Key) << x << ", " << y;
        EXPECT_EQ(ring.count(glyph_.at(x, y)), 0u) << x << ", " << y;
      }
  }
}

TEST(SkinBitmapsLifecycle, BuildAndReleaseKeepNothing) {
  auto cycle = [] {
    skin::BuildSkinBitmaps();
    skin::ReleaseSkinBitmaps();
  };
  cycle();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 25; ++i) cycle(); }), 0);
}

}  // namespace
