// The skin's drawing, read back pixel by pixel: the five built-in bitmaps, memory surfaces,
// nine-slice and colour-keyed copies, the primitives and the window geometry.
#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "skin/core/skin_state.h"
#include "skin/interaction/hit_tests.h"
#include "skin/render/blit.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/primitives.h"
#include "skin/render/rounding.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"

namespace {

using test::Pixels;

constexpr COLORREF Key = skin::SkinKeyColor;
constexpr COLORREF Background = 0x2080C0;  // in no skin artwork
constexpr int Side = 13;                   // one option-button circle of GlyphBitmap

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::BuildSkinBitmaps();
    test::PaintPositions(source_, 40, 40);
  }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }
  static Pixels Read(HDC dc, SIZE size) { return test::ReadDc(dc, 0, 0, size.cx, size.cy); }
  skin::MemorySurface source_{40, 40};
};

Pixels FromTable(const skin::SkinBitmap& bitmap) {
  Pixels pixels(bitmap.size.cx, bitmap.size.cy);
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) pixels.at(x, y) = bitmap.Pixel(x, y);
  return pixels;
}

// Every pixel as its table has it (a pixel unwritten or written from elsewhere differs), the
// number of colours in each (an edited pixel changes it, mostly), and spot values typed here
// from the artwork's description: the ends of the hover circle's ramp (top left, bottom
// right) and of the pressed one's (bottom left, top right) among them. Build and release
// keep no object.
TEST(SkinBitmaps, EveryPixelIsItsTablesAndTheArtworkSpotValues) {
  skin::BuildSkinBitmaps();
  const std::map<std::wstring, size_t> colourCounts = {{L"ButtonBitmap", 222}, {L"ComboBitmap", 40},
                                                       {L"CheckBitmap", 46}, {L"GlyphBitmap", 158},
                                                       {L"HeaderBitmap", 106}};
  ASSERT_EQ(skin::SkinBitmaps.size(), colourCounts.size());
  for (const skin::SkinBitmap& a : skin::SkinBitmaps) {
    const Pixels shown = test::ReadDc(*a.surface, 0, 0, a.size.cx, a.size.cy);
    EXPECT_EQ(shown.Differences(FromTable(a)), 0) << a.size.cy;
    EXPECT_EQ(shown.Colours(), colourCounts.at(a.name)) << a.size.cy;
  }
  const struct {
    HDC surface;
    int x, y;
    COLORREF colour;
  } spots[] = {{skin::ButtonBitmap, 3, 0, 0xD58F1B}, {skin::ButtonBitmap, 0, 0, 0xF9E1BF},
               {skin::ButtonBitmap, 6, 19, 0xE1AF62}, {skin::ButtonBitmap, 3, 83, 0xE8C387},
               {skin::ComboBitmap, 8, 0, 0x5F5519}, {skin::ComboBitmap, 11, 7, 0xACA584},
               {skin::ComboBitmap, 2, 9, 0xEFD191}, {skin::ComboBitmap, 4, 9, 0xD1A04E},
               {skin::CheckBitmap, 8, 0, 0x1DB754}, {skin::CheckBitmap, 17, 0, 0x8CDAA8},
               {skin::CheckBitmap, 3, 7, 0x029135}, {skin::CheckBitmap, 13, 20, 0x88D3A3},
               {skin::HeaderBitmap, 2, 9, 0xD9B07A}, {skin::HeaderBitmap, 7, 16, 0xFFF2C8},
               {skin::HeaderBitmap, 4, 19, 0xF2DAC0}, {skin::GlyphBitmap, 3, 6, 0xFFFFFF},
               {skin::GlyphBitmap, 1, 6, 0xFAF7F3}, {skin::GlyphBitmap, 2, 1, 0xDFC2A9},
               {skin::GlyphBitmap, 3, 14, 0xF8EAC3}, {skin::GlyphBitmap, 9, 24, 0xFDF5E0},
               {skin::GlyphBitmap, 3, 37, 0xF5E1AD}, {skin::GlyphBitmap, 9, 27, 0xFDF1D4}};
  for (const auto& s : spots) EXPECT_EQ(GetPixel(s.surface, s.x, s.y), s.colour) << s.x << ", " << s.y;
  // As the artwork is described: each face's border columns 0 and 6 alike from row 3 to 17;
  // the drop-button faces' sides (columns 1 and 3, 5 and 7) alike; each row of each mark one
  // colour; the header's bottom line one colour, and the normal face's separator (column 2)
  // darkest at rows 9 and 10.
  const Pixels button = test::ReadDc(skin::ButtonBitmap, 0, 0, 7, 84);
  const Pixels combo = test::ReadDc(skin::ComboBitmap, 0, 0, 15, 18);
  const Pixels check = test::ReadDc(skin::CheckBitmap, 0, 0, 18, 24);
  const Pixels header = test::ReadDc(skin::HeaderBitmap, 0, 0, 9, 20);
  for (int y = 0; y < 84; ++y)
    EXPECT_TRUE(y % 21 < 3 || y % 21 > 17 || button.at(0, y) == button.at(6, y)) << y;
  for (int y = 0; y < 18; ++y)
    EXPECT_TRUE(combo.at(1, y) == combo.at(3, y) && combo.at(5, y) == combo.at(7, y)) << y;
  for (int y = 0; y < 16; ++y)
    for (int left : {0, 9}) EXPECT_LE(check.Crop(left, y, 9, 1).Colours(), 2u) << left << ", " << y;
  EXPECT_EQ(header.Crop(0, 19, 9, 1).Colours(), 1u);
  auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  for (int y = 0; y < 20; ++y)
    EXPECT_TRUE(y == 9 || y == 10 ? header.at(2, y) == header.at(2, 9)
                                  : brightness(header.at(2, y)) > brightness(header.at(2, 9))) << y;
  skin::ReleaseSkinBitmaps();
  EXPECT_EQ(test::GdiObjectsLeakedBy([] {
              for (int i = 0; i < 25; ++i) {
                skin::BuildSkinBitmaps();
                skin::ReleaseSkinBitmaps();
              }
            }),
            0);
}

// Which pixels of each glyph are key ('.') and which artwork ('#'), the disabled twins shaped
// as the enabled ones; each circle's 24 key corners (where, the copies below show), its ring's
// top row, frames 0 and 3 mirror-symmetric (hover and pressed are lit from one side); and the
// check box's fill bands (rows 4 to 8 of the hover and pressed circles) free of key and ring
// pixels.
TEST_F(Render, GlyphShapesCirclesAndTheCheckBoxFillBands) {
  const Pixels combo = Read(skin::ComboBitmap, skin::ComboBitmapSize);
  const Pixels check = Read(skin::CheckBitmap, skin::CheckBitmapSize);
  const Pixels glyph = Read(skin::GlyphBitmap, skin::GlyphBitmapSize);
  auto expectShape = [](const Pixels& p, int left, int top, std::initializer_list<const char*> rows) {
    int y = top;
    for (const char* row : rows) {
      for (int x = 0; row[x]; ++x)
        EXPECT_EQ(p.at(left + x, y) != Key, row[x] == '#') << left + x << ", " << y;
      ++y;
    }
  };
  for (int top : {0, 4}) expectShape(combo, 8, top, {"#######", ".#####.", "..###..", "...#..."});
  for (int left : {0, 9}) {
    expectShape(check, left, 0, {"........#", ".......##", "......###", "##...###.", "###.###..", ".#####...",
                                  "..###....", "...#.....", "........."});
    expectShape(check, left, 9, {".#######.", ".#######.", ".#######.", ".#######.", ".#######.", ".#######.",
                                  ".#######.", ".........", "........."});
    expectShape(check, left, 18,
                {"...###...", "..#####..", "..#####..", "..#####..", "...###...", "........."});
  }
  const COLORREF tops[4][4] = {{0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683},
                               {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683},
                               {0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964},
                               {0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1}};
  for (int frame = 0; frame < 4; ++frame) {
    const Pixels circle = glyph.Crop(0, frame * Side, Side, Side);
    std::set<COLORREF> ring;  // colours next to a key pixel or the frame's edge
    auto out = [&](int x, int y) {
      return x < 0 || y < 0 || x >= Side || y >= Side || circle.at(x, y) == Key;
    };
    bool mirrored = true;
    for (int y = 0; y < Side; ++y) {
      for (int x = 0; x < Side; ++x) {
        mirrored = mirrored && circle.at(x, y) == circle.at(Side - 1 - x, y);
        if (!out(x, y) && (out(x - 1, y) || out(x + 1, y) || out(x, y - 1) || out(x, y + 1)))
          ring.insert(circle.at(x, y));
      }
    }
    EXPECT_EQ(circle.Count(Key), 24) << frame;
    EXPECT_EQ(mirrored, frame == 0 || frame == 3) << frame;
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(circle.at(3 + i, 0), tops[frame][i < 4 ? i : 6 - i]) << frame << ", " << i;
    for (int y = 4; y <= 8 && (frame == 1 || frame == 2); ++y)
      for (int x = 1; x < 12; ++x)
        EXPECT_FALSE(circle.at(x, y) == Key || ring.count(circle.at(x, y))) << x << ", " << y;
  }
}

// Along one axis, from the source position of every destination column (or row): the strips
// before and after the middle are copied one to one; the middle repeats each source pixel of
// the middle in order, skipping none.
void ExpectAxis(const std::vector<int>& from, int srcLength, int before, int after, const char* axis) {
  const int length = static_cast<int>(from.size());
  for (int i = 0; i < length; ++i) {
    const int copied = i < before ? i : i >= length - after ? srcLength - (length - i) : from[i];
    EXPECT_EQ(from[i], copied) << axis << " " << i;
  }
  int next = before;  // the next source pixel of the middle still to be seen
  for (int i = before; i < length - after; ++i) {
    next += from[i] == next;
    EXPECT_EQ(from[i], next - 1) << axis << " " << i << ": out of order or skipped";
  }
  EXPECT_EQ(next, srcLength - after) << axis << ": middle not covered";
}

// Corners copy, edges and centre stretch without tiling or blending, nothing lands outside,
// the same size copies exactly. A width narrower than the margins (4 against 3 + 3) gives the
// middle -2, taken as it is: mirrored, the middle column covers the two pixels up to x = 3
// over the overlapping corners (clamped to 0, the right corner's 4 to 6 would show).
TEST_F(Render, NineSliceCornersCopyEdgesAndCentreStretch) {
  constexpr int SourceX = 3, SourceY = 2, DestX = 4, DestY = 3;
  const struct {
    int srcW, srcH, left, top, right, bottom, destW, destH;
    std::vector<int> columns;  // the source column of each destination column, when not as above
  } cases[] = {{7, 21, 3, 3, 3, 3, 75, 25, {}},         {4, 18, 2, 1, 1, 1, 20, 30, {}},
               {13, 13, 5, 5, 5, 5, 20, 20, {}},        {6, 5, 2, 0, 1, 3, 30, 17, {}},
               {7, 21, 3, 3, 3, 3, 7, 21, {}},          {1, 20, 0, 0, 0, 0, 200, 20, {}},
               {7, 21, 3, 3, 3, 3, 4, 21, {0, 4, 3, 3}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.destW << " x " << c.destH << " from " << c.srcW << " x " << c.srcH);
    test::DibSurface dest(c.destW + 8, c.destH + 8, Background);
    SetStretchBltMode(dest.dc(), HALFTONE);  // the engine sets no mode of its own
    EXPECT_NE(skin::DrawSkinPart(dest.dc(), DestX, DestY, c.destW, c.destH, source_, SourceX, SourceY, c.srcW,
                                 c.srcH, c.left, c.top, c.right, c.bottom), 0);
    EXPECT_EQ(GetStretchBltMode(dest.dc()), HALFTONE);
    const Pixels all = dest.Read(), out = all.Crop(DestX, DestY, c.destW, c.destH);
    EXPECT_EQ(all.Count(Background), all.width() * all.height() - c.destW * c.destH);
    std::vector<int> columns(c.destW), rows(c.destH);
    for (int x = 0; x < c.destW; ++x) columns[x] = test::PositionX(out.at(x, 0)) - SourceX;
    for (int y = 0; y < c.destH; ++y) rows[y] = test::PositionY(out.at(0, y)) - SourceY;
    int mixed = 0;  // pixels that are not exactly the source pixel of their column and row
    for (int y = 0; y < c.destH; ++y)
      for (int x = 0; x < c.destW; ++x)
        mixed += out.at(x, y) != test::PositionColour(SourceX + columns[x], SourceY + rows[y]);
    EXPECT_EQ(mixed, 0);
    if (c.columns.empty()) ExpectAxis(columns, c.srcW, c.left, c.right, "column");
    EXPECT_TRUE(c.columns.empty() || columns == c.columns);
    ExpectAxis(rows, c.srcH, c.top, c.bottom, "row");
  }
}

// A zero or negative size draws nothing (and answers 0); a keyed copy from a source that
// cannot be read does not blacken the destination. Only a pixel of exactly the key stays
// transparent (one bit off is an ordinary colour at 24 and 32 bits per pixel), in a keyed
// copy and a keyed nine-slice alike; the key applies to the composed image: a circle shows
// the background in its 24 corners at its own size and stretched.
TEST_F(Render, KeyedCopiesLeaveExactlyTheKeyPixelsAndNothingDrawsForNoSize) {
  for (const auto& s : {std::vector{0, 6, 8, 8}, {6, 0, 8, 8}, {6, 6, 0, 8}, {6, 6, 8, 0}, {-5, 6, 8, 8}}) {
    for (auto key : {std::optional<COLORREF>(), std::optional<COLORREF>(Key)}) {
      test::DibSurface dest(10, 10, Background);
      const int result =
          skin::DrawSkinPart(dest.dc(), 1, 1, s[0], s[1], source_, 0, 0, s[2], s[3], 2, 2, 2, 2, key);
      EXPECT_TRUE(result == 0 || s[0] < 0);  // a negative size has no stated result
      EXPECT_EQ(dest.Read().Count(Background), 100) << s[0] << " " << s[1] << " " << s[2] << " " << s[3];
    }
  }
  test::DibSurface blank(10, 10, Background);
  skin::DrawTransparent(blank.dc(), 0, 0, 6, 6, nullptr, 0, 0, Key, nullptr);
  EXPECT_EQ(blank.Read().Count(Background), 100);
  const COLORREF colours[] = {Key, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000, 0xFFFFFF, Key};
  constexpr int N = static_cast<int>(std::size(colours));
  skin::MemorySurface strip(N, 1);
  for (int x = 0; x < N; ++x) SetPixel(strip, x, 0, colours[x]);
  test::DibSurface direct(N, 1, Background), nineSlice(N, 1, Background);
  skin::DrawTransparent(direct.dc(), 0, 0, N, 1, strip, 0, 0, Key, nullptr);
  EXPECT_EQ(skin::DrawSkinPart(nineSlice.dc(), 0, 0, N, 1, strip, 0, 0, N, 1, 1, 0, 1, 0, Key), 1);
  for (const test::DibSurface* dest : {&direct, &nineSlice})
    for (int x = 0; x < N; ++x) EXPECT_EQ(dest->at(x, 0), colours[x] == Key ? Background : colours[x]) << x;
  for (int side : {10, 20}) {
    for (int frame = 0; frame < 4; ++frame) {
      test::DibSurface dest(side + 8, side + 8, Background);
      skin::DrawSkinPart(dest.dc(), 4, 4, side, side, skin::GlyphBitmap, 0, 13 * frame, 13, 13, 5, 5, 5, 5,
                         Key);
      EXPECT_EQ(dest.Read().Count(Background), (side + 8) * (side + 8) - side * side + 24)
          << side << ", " << frame;
    }
  }
}

// A memory surface has the size asked for in the display's format (not the 1 x 1 monochrome
// placeholder of a new memory context), an impossible size none; no call keeps a surface,
// scratch bitmap, mask, brush or palette.
TEST_F(Render, SurfacesHaveTheirSizeAndEveryCallReleasesWhatItMade) {
  skin::MemorySurface surface(13, 7);
  BITMAP info{};
  GetObjectW(GetCurrentObject(surface, OBJ_BITMAP), sizeof(info), &info);
  skin::ScreenDc screen;
  EXPECT_EQ(std::tuple(info.bmWidth, info.bmHeight, info.bmBitsPixel * info.bmPlanes),
            std::tuple(13L, 7L, GetDeviceCaps(screen, BITSPIXEL)));
  for (SIZE size : {SIZE{0, 8}, SIZE{8, 0}, SIZE{-1, 8}, SIZE{8, -1}})
    EXPECT_EQ(skin::CreateMemoryDC(size.cx, size.cy), nullptr) << size.cx << " x " << size.cy;
  skin::DeleteMemoryDC(nullptr);
  test::DibSurface dest(113, 33, Background);
  auto work = [&] {
    for (int i = 0; i < 100; ++i) {
      skin::DeleteMemoryDC(skin::CreateMemoryDC(8, 8));
      skin::DrawSkinPart(dest.dc(), 0, 0, 113, 33, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
      skin::DrawSkinPart(dest.dc(), 0, 0, 20, 20, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
      skin::FillSolid(dest.dc(), 0, 0, 5, 5, Key);
    }
  };
  work();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy(work), 0);
}

TEST(Words, SplitIntoSignedHalvesAndTiesRoundToEven) {
  for (const auto& [value, low, high] : {std::tuple(MAKELPARAM(-1, 5), -1, 5),
                                         {MAKELPARAM(0x7FFF, 0x8000), 0x7FFF, -0x8000},
                                         {static_cast<LPARAM>(0xFFFF1234u), 0x1234, -1},
                                         {static_cast<LPARAM>(static_cast<int>(0xFFFF0000u)), 0, -1}}) {
    EXPECT_EQ(skin::LoWord(value), low) << std::hex << value;
    EXPECT_EQ(skin::HiWord(value), high) << std::hex << value;
  }
  for (const auto& [value, rounded] : {std::pair(5.5, 6), {6.5, 6}, {7.5, 8}, {0.5, 0}, {-0.5, 0}, {-1.5, -2},
                                       {-2.5, -2}, {2.6, 3}, {-2.6, -3}})
    EXPECT_EQ(skin::RoundHalfEven(value), rounded) << value;
}

// A window whose non-client borders and text answers are what the test sets.
struct Answers {
  RECT border;  // left, top, right, bottom thickness
  LRESULT length, copied;
} g_answers{};
LRESULT CALLBACK AnsweringProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* rect = reinterpret_cast<RECT*>(lParam);  // the first rectangle in either form
  const RECT& b = g_answers.border;
  switch (message) {
    case WM_NCCALCSIZE:
      SetRect(rect, rect->left + b.left, rect->top + b.top, rect->right - b.right, rect->bottom - b.bottom);
      return 0;
    case WM_GETTEXTLENGTH:
      return g_answers.length;
    case WM_GETTEXT:
      lstrcpynW(reinterpret_cast<wchar_t*>(lParam), L"OK", static_cast<int>(wParam));
      return g_answers.copied;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* className, DWORD style, DWORD exStyle = 0, const wchar_t* text = L"") {
  return CreateWindowExW(exStyle, className, text, WS_POPUP | style, 10, 10, 120, 90, nullptr, nullptr,
                         nullptr, nullptr);
}

// The text read whole (past any fixed buffer, whatever the code page) and no further: a length
// of INT_MAX would overflow the buffer size, a count past the buffer read beyond it. Border
// insets are half the non-client thickness without scroll bars, rounded half to even (3 / 2
// and 5 / 2 are 2).
TEST(Primitives, TextAndBorderInsetsOfAWindow) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = AnsweringProc;
  wc.lpszClassName = L"TintoraAnswering";
  RegisterClassW(&wc);
  for (const std::wstring& text :
       {std::wstring(L"OK"), std::wstring(300, L'x') + L" \u00FC\u20AC\u4E2D", std::wstring()}) {
    HWND w = MakeWindow(L"STATIC", 0, 0, text.c_str());
    EXPECT_EQ(skin::WindowText(w), text);
    DestroyWindow(w);
  }
  HWND answering = MakeWindow(wc.lpszClassName, 0);
  const struct {
    LRESULT length, copied;
    const wchar_t* read;
  } texts[] = {{INT_MAX, 2, L"OK"}, {2, 4000, L"OK"}, {1, 2, L"O"}, {-5, 2, L""}};
  for (const auto& t : texts) {
    g_answers = {{}, t.length, t.copied};
    EXPECT_EQ(skin::WindowText(answering), t.read) << t.length << " " << t.copied;
  }
  DestroyWindow(answering);

  const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
  const struct {
    const wchar_t* cls;
    DWORD style;
    RECT border;
    int horizontal, vertical;
  } borders[] = {{L"ListBox", 0, {}, edgeX, edgeY},  // LBS_DISABLENOSCROLL shows the bars when empty
                 {L"ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL, {}, edgeX, edgeY},
                 {L"ListBox", WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL, {}, edgeX, edgeY},
                 {wc.lpszClassName, 0, {1, 0, 2, 5}, 2, 2}, {wc.lpszClassName, 0, {0, 3, 1, 4}, 0, 4}};
  for (const auto& b : borders) {
    g_answers.border = b.border;
    HWND w =
        MakeWindow(b.cls, LBS_NOINTEGRALHEIGHT | b.style, b.cls == wc.lpszClassName ? 0 : WS_EX_CLIENTEDGE);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    int horizontal = -1, vertical = -1;
    EXPECT_EQ(skin::GetBorderInsets(w, horizontal, vertical), 1);
    EXPECT_EQ(horizontal * 100 + vertical, b.horizontal * 100 + b.vertical)
        << std::hex << b.style << " " << b.border.left;
    DestroyWindow(w);
  }
}

// A caption too wide ends in an ellipsis after the text's beginning; line breaks are not
// drawn on one line.
TEST(Primitives, CaptionsEndInAnEllipsisAndDropLineBreaks) {
  auto caption = [](const std::wstring& text, UINT format) {
    test::DibSurface surface(100, 40, 0xFFFFFF);
    skin::Selected font(surface.dc(), GetStockObject(DEFAULT_GUI_FONT));
    skin::DrawCaption(surface.dc(), text, 10, 1, 80, 38, format);
    return surface.Read();
  };
  constexpr UINT Plain = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const std::wstring text = L"Colours with their Chinese names, far too long for the button";
  const Pixels shown = caption(text, skin::CaptionFormat);
  EXPECT_GT(shown.Differences(caption(text, Plain)), 0);
  bool shortened = false;
  for (size_t n = 1; n < text.size() && !shortened; ++n)
    shortened = shown.Differences(caption(text.substr(0, n) + L"...", Plain)) == 0;
  EXPECT_TRUE(shortened);
  EXPECT_EQ(caption(L"Lo\r\ngin\r\n", Plain).Differences(caption(L"Login", Plain)), 0);
}

}  // namespace
