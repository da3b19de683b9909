// The skin's drawing, read back pixel by pixel: the five built-in bitmaps, memory surfaces,
// nine-slice and colour-keyed copies, the primitives and the window geometry.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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

// A colour that names its source position: never the key colour, black or white.
COLORREF Position(int x, int y) { return RGB(x + 1, y + 1, 0x5A); }

// A drawing target in the display's format (exact at 24 and 32 bits), filled with Background.
struct Target : skin::MemorySurface {
  Target(int w, int h) : MemorySurface(w, h), w(w), h(h) { skin::FillSolid(*this, 0, 0, w, h, Background); }
  Pixels Read() const { return test::ReadDc(*this, 0, 0, w, h); }
  int w, h;
};

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::BuildSkinBitmaps();
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) SetPixel(source_, x, y, Position(x, y));
  }
  void TearDown() override { skin::ReleaseSkinBitmaps(); }
  skin::MemorySurface source_{40, 40};
};

// The artwork as described: spot values (the ends of the hover and pressed circles' ramps among
// them), the number of colours of each bitmap, the header's separator (column 2) darkest at
// rows 9 and 10, circles 0 and 3 mirror-symmetric.
TEST_F(Render, TheSkinBitmapsAreTheArtworkAsDescribed) {
  const size_t colours[] = {222, 40, 46, 158, 106};  // in build order
  std::vector<Pixels> art;
  for (const skin::SkinBitmap& a : skin::SkinBitmaps) {
    art.push_back(test::ReadDc(*a.surface, 0, 0, a.size.cx, a.size.cy));
    EXPECT_EQ(art.back().Colours(), colours[art.size() - 1]) << a.size.cy;
  }
  const Pixels &button = art[0], &combo = art[1], &check = art[2], &glyph = art[3], &header = art[4];
  const std::tuple<const Pixels&, int, int, COLORREF> spots[] = {
      {button, 3, 0, 0xD58F1B}, {button, 6, 19, 0xE1AF62}, {combo, 8, 0, 0x5F5519}, {combo, 11, 7, 0xACA584},
      {check, 17, 0, 0x8CDAA8}, {check, 13, 20, 0x88D3A3}, {header, 7, 16, 0xFFF2C8}, {glyph, 1, 6, 0xFAF7F3},
      {glyph, 3, 14, 0xF8EAC3}, {glyph, 9, 24, 0xFDF5E0}, {glyph, 3, 37, 0xF5E1AD}, {glyph, 9, 27, 0xFDF1D4}};
  for (const auto& [in, x, y, colour] : spots) EXPECT_EQ(in.at(x, y), colour) << x << ", " << y;
  auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  for (int y = 0; y < 20; ++y)
    EXPECT_TRUE(y == 9 || y == 10 ? header.at(2, y) == header.at(2, 9)
                                  : brightness(header.at(2, y)) > brightness(header.at(2, 9))) << y;
  for (int y = 0; y < 52; ++y)
    for (int x = 0; x < 13; ++x)
      EXPECT_TRUE(y / 13 % 3 || glyph.at(x, y) == glyph.at(12 - x, y)) << x << ", " << y;
}

// Corners copy, edges and centre stretch (here twice each source pixel) without blending or
// spilling. A width of 4 with margins 3 + 3 takes the middle's -2 as it is: mirrored, it covers
// the two pixels up to x = 3.
TEST_F(Render, NineSliceCornersCopyEdgesAndCentreStretch) {
  // Source width, height and margins; the source column (row) of each destination column (row).
  using Case = std::tuple<int, int, std::array<int, 4>, std::vector<int>, std::vector<int>>;
  for (const auto& [srcW, srcH, margins, columns, rows] :
       {Case{8, 5, {3, 1, 3, 2}, {0, 1, 2, 3, 3, 4, 4, 5, 6, 7}, {0, 1, 1, 2, 2, 3, 4}},
        Case{1, 2, {0, 0, 0, 0}, {0, 0, 0}, {0, 0, 1, 1}},
        Case{7, 3, {3, 1, 3, 1}, {0, 4, 3, 3}, {0, 1, 2}}}) {
    const int w = static_cast<int>(columns.size()), h = static_cast<int>(rows.size());
    Target dest(w + 8, h + 8);
    const auto [left, top, right, bottom] = margins;
    EXPECT_NE(skin::DrawSkinPart(dest, 4, 3, w, h, source_, 3, 2, srcW, srcH, left, top, right, bottom), 0);
    const Pixels all = dest.Read();
    EXPECT_EQ(all.Count(Background), all.width() * all.height() - w * h) << w;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        EXPECT_EQ(all.at(4 + x, 3 + y), Position(3 + columns[x], 2 + rows[y])) << w << ": " << x << ", " << y;
  }
}

// No size draws nothing (and answers 0), nor does a keyed copy from a source that cannot be
// read. Only exactly the key is transparent, in the composed image: a circle shows the
// background in its 24 corners, also stretched. No size makes no surface; nothing leaks.
TEST_F(Render, KeyedCopiesLeaveExactlyTheKeyPixelsNothingDrawsForNoSizeAndNothingLeaks) {
  for (const auto& s : {std::vector{0, 6, 8, 8}, {6, 0, 8, 8}, {6, 6, 0, 8}, {6, 6, 8, 0}, {-5, 6, 8, 8}}) {
    for (auto key : {std::optional<COLORREF>(), std::optional<COLORREF>(Key)}) {
      Target dest(10, 10);
      const int result =
          skin::DrawSkinPart(dest, 1, 1, s[0], s[1], source_, 0, 0, s[2], s[3], 2, 2, 2, 2, key);
      EXPECT_TRUE(result == 0 || s[0] < 0);  // a negative size has no stated result
      EXPECT_EQ(dest.Read().Count(Background), 100) << s[0] << " " << s[1] << " " << s[2] << " " << s[3];
    }
  }
  Target blank(10, 10);
  skin::DrawTransparent(blank, 0, 0, 6, 6, nullptr, 0, 0, Key, nullptr);
  EXPECT_EQ(blank.Read().Count(Background), 100);
  const COLORREF colours[] = {Key, 0xFF00FE, 0xFE00FF, 0xFF01FF, 0x000000, 0xFFFFFF, Key};
  constexpr int N = static_cast<int>(std::size(colours));
  skin::MemorySurface strip(N, 1);
  for (int x = 0; x < N; ++x) SetPixel(strip, x, 0, colours[x]);
  Target nineSlice(N, 1);
  EXPECT_EQ(skin::DrawSkinPart(nineSlice, 0, 0, N, 1, strip, 0, 0, N, 1, 1, 0, 1, 0, Key), 1);
  for (int x = 0; x < N; ++x)
    EXPECT_EQ(nineSlice.Read().at(x, 0), colours[x] == Key ? Background : colours[x]) << x;
  for (int side : {10, 20}) {
    for (int frame = 0; frame < 4; ++frame) {
      Target dest(side + 8, side + 8);
      skin::DrawSkinPart(dest, 4, 4, side, side, skin::GlyphBitmap, 0, 13 * frame, 13, 13, 5, 5, 5, 5, Key);
      EXPECT_EQ(dest.Read().Count(Background) - 24, (side + 8) * (side + 8) - side * side) << side << frame;
    }
  }
  for (SIZE size : {SIZE{0, 8}, SIZE{8, 0}, SIZE{-1, 8}, SIZE{8, -1}})
    EXPECT_EQ(skin::CreateMemoryDC(size.cx, size.cy), nullptr) << size.cx << " x " << size.cy;
  skin::DeleteMemoryDC(nullptr);
  Target dest(113, 33);
  auto work = [&] {
    for (int i = 0; i < 25; ++i) {
      skin::ReleaseSkinBitmaps();
      skin::BuildSkinBitmaps();
      skin::DeleteMemoryDC(skin::CreateMemoryDC(8, 8));
      skin::DrawSkinPart(dest, 0, 0, 113, 33, skin::ButtonBitmap, 0, 0, 7, 21, 3, 3, 3, 3);
      skin::DrawSkinPart(dest, 0, 0, 20, 20, skin::GlyphBitmap, 0, 0, 13, 13, 5, 5, 5, 5, Key);
      skin::FillSolid(dest, 0, 0, 5, 5, Key);
    }
  };
  work();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy(work), 0);
}

TEST(Primitives, WordsSplitIntoSignedHalvesAndTiesRoundToEven) {
  for (const auto& [value, low, high] : {std::tuple(MAKELPARAM(-1, 5), -1, 5),
                                         {MAKELPARAM(0x7FFF, 0x8000), 0x7FFF, -0x8000}}) {
    EXPECT_EQ(skin::LoWord(value), low) << std::hex << value;
    EXPECT_EQ(skin::HiWord(value), high) << std::hex << value;
  }
  for (const auto& [value, rounded] :
       {std::pair(5.5, 6), {6.5, 6}, {0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3}})
    EXPECT_EQ(skin::RoundHalfEven(value), rounded) << value;
}

// A window whose text answers are what the test sets.
LRESULT g_length, g_copied;
LRESULT CALLBACK AnsweringProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETTEXTLENGTH) return g_length;
  if (message != WM_GETTEXT) return DefWindowProcW(hwnd, message, wParam, lParam);
  lstrcpynW(reinterpret_cast<wchar_t*>(lParam), L"OK", static_cast<int>(wParam));
  return g_copied;
}

// The text read whole (past any fixed buffer) and no further: a length of INT_MAX would
// overflow the buffer size, a count past the buffer read beyond it. Border insets are half
// the non-client thickness without scroll bars. Line breaks are not drawn on one line (some
// platforms would draw them as boxes); one too wide ends in an ellipsis.
TEST(Primitives, TextBorderInsetsAndCaptions) {
  const std::wstring text = std::wstring(300, L'x') + L" \u00FC\u20AC\u4E2D";
  HWND answering =
      CreateWindowExW(0, L"STATIC", text.c_str(), WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(skin::WindowText(answering), text);
  SetWindowLongPtrW(answering, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringProc));
  for (const auto& [length, copied, read] : {std::tuple<LRESULT, LRESULT, const wchar_t*>{INT_MAX, 2, L"OK"},
                                              {2, 4000, L"OK"}, {1, 2, L"O"}, {-5, 2, L""}}) {
    std::tie(g_length, g_copied) = std::tuple(length, copied);
    EXPECT_EQ(skin::WindowText(answering), read) << length << " " << copied;
  }
  DestroyWindow(answering);
  // LBS_DISABLENOSCROLL shows the bars when empty.
  for (DWORD bars : {0ul, static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL)}) {
    HWND w = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", WS_POPUP | LBS_NOINTEGRALHEIGHT | bars, 10,
                             10, 120, 90, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    int horizontal = -1, vertical = -1;
    EXPECT_EQ(skin::GetBorderInsets(w, horizontal, vertical), 1);
    EXPECT_EQ(horizontal * 100 + vertical, GetSystemMetrics(SM_CXEDGE) * 100 + GetSystemMetrics(SM_CYEDGE));
    DestroyWindow(w);
  }
  auto caption = [](const std::wstring& text, UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE) {
    Target surface(100, 40);
    skin::Selected font(surface, GetStockObject(DEFAULT_GUI_FONT));
    skin::DrawCaption(surface, text, 10, 1, 80, 38, format);
    return surface.Read();
  };
  EXPECT_EQ(caption(L"Lo\r\ngin\r\n").Differences(caption(L"Login")), 0);
  // A caption too wide shows its beginning and an ellipsis.
  const std::wstring wide = L"Colours with their Chinese names, far too long for the button";
  const test::Pixels cut = caption(wide, skin::CaptionFormat);
  EXPECT_GT(cut.Differences(caption(wide)), 0);  // clipped alone, it could match a clipped prefix
  bool shortened = false;
  for (size_t n = 1; n < wide.size() && !shortened; ++n)
    shortened = cut.Differences(caption(wide.substr(0, n) + L"...")) == 0;
  EXPECT_TRUE(shortened);
}

}  // namespace
