// Drawing primitives and window geometry: exact extents, captions, border insets.
#include "skin/render/primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/render/gdi_guard.h"
#include "skin/render/rounding.h"
#include "tests/support/pixels.h"
#include "tests/support/skin_surfaces.h"

namespace {

using test::Pixels;

constexpr COLORREF Paper = 0xFFFFFF;
constexpr COLORREF Paint = 0x3060C0;

// A top-level window owned by the test, destroyed on exit.
class TestWindow {
 public:
  TestWindow(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, int x,
             int y, int w, int h)
      : hwnd_(CreateWindowExW(exStyle, className, text, style, x, y, w, h, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}
  ~TestWindow() { if (hwnd_) DestroyWindow(hwnd_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  operator HWND() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST(PrimitivesRounding, TiesGoToTheEvenInteger) {
  const struct {
    double value;
    int rounded;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {2.4, 2}, {2.6, 3}, {-2.6, -3}, {7.0, 7}};
  for (const auto& c : cases) EXPECT_EQ(skin::RoundHalfEven(c.value), c.rounded) << c.value;
  EXPECT_EQ(skin::HalfRounded(3), 2);
  EXPECT_EQ(skin::HalfRounded(5), 2);
  EXPECT_EQ(skin::HalfRounded(1), 0);
  EXPECT_EQ(skin::HalfRounded(7), 4);
}

TEST(Primitives, FillSolidCoversExactlyItsRectangle) {
  test::DibSurface surface(12, 10, Paper);
  EXPECT_NE(skin::FillSolid(surface.dc(), 1, 1, 8, 6, Paint), 0);
  Pixels out = surface.Read();
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      bool inside = x >= 1 && x <= 8 && y >= 1 && y <= 6;
      EXPECT_EQ(out.at(x, y), inside ? Paint : Paper) << x << ", " << y;
    }
  }

  test::DibSurface empty(12, 10, Paper);
  skin::FillSolid(empty.dc(), 1, 1, 0, 6, Paint);
  skin::FillSolid(empty.dc(), 1, 1, 8, 0, Paint);
  EXPECT_EQ(empty.Read().Count(Paper), 120);
}

TEST(Primitives, FrameSolidOutlinesTheBoxOnePixelWide) {
  constexpr int Box = 13;
  test::DibSurface surface(Box + 2, Box + 2, Paper);
  EXPECT_NE(skin::FrameSolid(surface.dc(), 0, 0, Box, Box, Paint), 0);
  Pixels out = surface.Read();
  EXPECT_EQ(out.Count(Paint), 48);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      bool border = x < Box && y < Box && (x == 0 || y == 0 || x == Box - 1 || y == Box - 1);
      EXPECT_EQ(out.at(x, y) == Paint, border) << x << ", " << y;
    }
  }
}

TEST(Primitives, FocusBoxInvertsOnItsOutlineAndASecondCallRemovesIt) {
  constexpr int Side = 20, Inset = 2;
  test::DibSurface surface(Side, Side, Paper);
  const int last = Side - Inset - 1;
  EXPECT_NE(skin::DrawFocusBox(surface.dc(), Inset, Inset, Side - 2 * Inset, Side - 2 * Inset), 0);
  Pixels once = surface.Read();
  EXPECT_GT(Side * Side - once.Count(Paper), 0);
  for (int y = 0; y < Side; ++y) {
    for (int x = 0; x < Side; ++x) {
      bool inside = x >= Inset && x <= last && y >= Inset && y <= last;
      bool outline = inside && (x == Inset || y == Inset || x == last || y == last);
      if (outline) continue;
      EXPECT_EQ(once.at(x, y), Paper) << x << ", " << y;
    }
  }
  skin::DrawFocusBox(surface.dc(), Inset, Inset, Side - 2 * Inset, Side - 2 * Inset);
  EXPECT_EQ(surface.Read().Count(Paper), Side * Side);
}

TEST(Primitives, WindowTextIsReadWhole) {
  std::wstring longText(300, L'x');
  longText += L" \u00FC\u20AC\u4E2D";  // beyond the ANSI code page
  for (const std::wstring& text : {std::wstring(L"OK"), longText, std::wstring()}) {
    TestWindow window(0, L"STATIC", text.c_str(), WS_POPUP, 0, 0, 50, 20);
    ASSERT_NE(static_cast<HWND>(window), nullptr);
    EXPECT_EQ(skin::WindowText(window), text);
  }
}

TEST(Primitives, GetWindowBoxGivesScreenRectangleAndSize) {
  TestWindow window(0, L"STATIC", L"", WS_POPUP, 100, 50, 75, 23);
  skin::WindowBox box;
  EXPECT_NE(skin::GetWindowBox(window, box), 0);
  EXPECT_EQ(box.Left, 100);
  EXPECT_EQ(box.Top, 50);
  EXPECT_EQ(box.Right, 175);
  EXPECT_EQ(box.Bottom, 73);
  EXPECT_EQ(box.Width, 75);
  EXPECT_EQ(box.Height, 23);

  HWND gone = window;
  DestroyWindow(gone);
  skin::WindowBox failed;
  failed.Left = failed.Width = 99;  // whatever was there before
  EXPECT_EQ(skin::GetWindowBox(gone, failed), 0);
  EXPECT_EQ(failed.Left, 0);
  EXPECT_EQ(failed.Width, 0);
}

TEST(Primitives, BorderInsetsOfASunkenListIgnoreItsScrollBars) {
  const int edgeX = GetSystemMetrics(SM_CXEDGE);
  const int edgeY = GetSystemMetrics(SM_CYEDGE);
  // LBS_DISABLENOSCROLL keeps the vertical bar shown on an empty list.
  const DWORD styles[] = {WS_POPUP, WS_POPUP | WS_VSCROLL | LBS_DISABLENOSCROLL,
                          WS_POPUP | WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL};
  for (DWORD style : styles) {
    TestWindow list(WS_EX_CLIENTEDGE, L"ListBox", L"", style | LBS_NOINTEGRALHEIGHT, 10, 10, 120, 90);
    ASSERT_NE(static_cast<HWND>(list), nullptr);
    ShowWindow(list, SW_SHOWNOACTIVATE);
    int horizontal = -1, vertical = -1;
    EXPECT_EQ(skin::GetBorderInsets(list, horizontal, vertical), 1);
    EXPECT_EQ(horizontal, edgeX) << std::hex << "style " << style;
    EXPECT_EQ(vertical, edgeY) << std::hex << "style " << style;
  }
}

// A window whose non-client area is whatever the test asks for, to get uneven borders.
RECT g_border{};
LRESULT CALLBACK UnevenBorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCALCSIZE) {
    RECT* rect = reinterpret_cast<RECT*>(lParam);  // the first rectangle in either form
    rect->left += g_border.left;
    rect->top += g_border.top;
    rect->right -= g_border.right;
    rect->bottom -= g_border.bottom;
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Primitives, UnevenBordersGiveHalfTheTotalRoundedToEven) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = UnevenBorderProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TintoraUnevenBorder";
  ASSERT_NE(RegisterClassW(&wc), 0);
  const struct {
    RECT border;  // left, top, right, bottom thickness
    int horizontal, vertical;
  } cases[] = {{{1, 0, 2, 5}, 2, 2}, {{0, 3, 1, 4}, 0, 4}, {{3, 2, 2, 1}, 2, 2}};
  for (const auto& c : cases) {
    g_border = c.border;
    TestWindow window(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 60, 40);
    int horizontal = -1, vertical = -1;
    skin::GetBorderInsets(window, horizontal, vertical);
    EXPECT_EQ(horizontal, c.horizontal) << c.border.left << " + " << c.border.right;
    EXPECT_EQ(vertical, c.vertical) << c.border.top << " + " << c.border.bottom;
  }
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

// A white memory surface with the GUI font, black text and a transparent background, as
// the painters prepare it.
class CaptionSurface {
 public:
  CaptionSurface(int w, int h)
      : w_(w), h_(h), surface_(w, h),
        font_(surface_, GetStockObject(DEFAULT_GUI_FONT)) {
    skin::FillSolid(surface_, 0, 0, w, h, Paper);
    SetBkMode(surface_, TRANSPARENT);
    SetTextColor(surface_, 0);
  }
  operator HDC() const { return surface_; }
  Pixels Read() const { return test::ReadSurface(surface_, w_, h_); }

 private:
  int w_, h_;
  skin::MemorySurface surface_;
  skin::Selected font_;
};

// Columns and rows that hold any ink.
RECT InkBounds(const Pixels& pixels) {
  RECT ink{pixels.width(), pixels.height(), -1, -1};
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x)
      if (pixels.at(x, y) != Paper) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x);
        ink.bottom = std::max<LONG>(ink.bottom, y);
      }
  return ink;
}

TEST(Primitives, CaptionTooWideEndsInAnEllipsisOnOneCentredLine) {
  const std::wstring text = L"Colours with their Chinese names, far too long for the button";
  constexpr UINT PlainFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  constexpr int SurfaceW = 100, RectX = 10, RectW = 80;
  int lineHeight = 0;
  {
    CaptionSurface probe(SurfaceW, 10);
    TEXTMETRICW metrics{};
    GetTextMetricsW(probe, &metrics);
    lineHeight = metrics.tmHeight;
  }
  ASSERT_GT(lineHeight, 0);
  // Three lines high: a vertically centred single line keeps to the middle third.
  const int rectH = 3 * lineHeight;
  const int surfaceH = rectH + 2;

  CaptionSurface caption(SurfaceW, surfaceH);
  EXPECT_GT(skin::DrawCaption(caption, text, RectX, 1, RectW, rectH, skin::CaptionFormat), 0);
  Pixels shown = caption.Read();

  // What the platform shortened the text to: the beginning of it and an ellipsis.
  std::vector<wchar_t> buffer(text.begin(), text.end());
  buffer.resize(text.size() + 5, L'\0');
  CaptionSurface scratch(SurfaceW, surfaceH);
  RECT rect{RectX, 1, RectX + RectW, 1 + rectH};
  DrawTextW(scratch, buffer.data(), -1, &rect, skin::CaptionFormat | DT_MODIFYSTRING);
  std::wstring shortened(buffer.data());
  ASSERT_GE(shortened.size(), 4u);
  ASSERT_LT(shortened.size(), text.size());
  EXPECT_EQ(shortened.substr(shortened.size() - 3), L"...");
  EXPECT_EQ(text.compare(0, shortened.size() - 3, shortened, 0, shortened.size() - 3), 0);

  // The caption is exactly that shortened text drawn without the ellipsis flag, and not
  // the whole text cut off at the edge.
  CaptionSurface expected(SurfaceW, surfaceH);
  skin::DrawCaption(expected, shortened, RectX, 1, RectW, rectH, PlainFormat);
  EXPECT_EQ(test::CountDifferences(shown, expected.Read()), 0);
  CaptionSurface clipped(SurfaceW, surfaceH);
  skin::DrawCaption(clipped, text, RectX, 1, RectW, rectH, PlainFormat);
  EXPECT_GT(test::CountDifferences(shown, clipped.Read()), 0);

  RECT ink = InkBounds(shown);
  EXPECT_GE(ink.left, RectX);
  EXPECT_LT(ink.right, RectX + RectW);
  EXPECT_GE(ink.top, 1 + lineHeight);
  EXPECT_LT(ink.bottom, 1 + 2 * lineHeight);
}

TEST(Primitives, CaptionThatFitsIsDrawnWhole) {
  CaptionSurface withFlag(120, 30);
  CaptionSurface without(120, 30);
  skin::DrawCaption(withFlag, L"RGB", 0, 0, 120, 30, skin::CaptionFormat);
  skin::DrawCaption(without, L"RGB", 0, 0, 120, 30, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  Pixels shown = withFlag.Read();
  EXPECT_EQ(test::CountDifferences(shown, without.Read()), 0);
  // Centred across: the ink's left and right gaps differ by little.
  RECT ink = InkBounds(shown);
  ASSERT_GE(ink.right, ink.left);
  EXPECT_LE(std::abs((ink.left - 0) - (119 - ink.right)), 3);
}

}  // namespace
