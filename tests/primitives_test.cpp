// Drawing primitives and window geometry: exact extents, captions, border insets.
#include "skin/render/primitives.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "skin/render/gdi_guard.h"
#include "skin/render/rounding.h"
#include "tests/support/pixels.h"

namespace {

using test::Pixels;

constexpr COLORREF Paper = 0xFFFFFF;
constexpr COLORREF Paint = 0x3060C0;

// A top-level window owned by the test.
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
Window MakeWindow(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                  RECT at = {0, 0, 60, 40}) {
  return Window(CreateWindowExW(exStyle, className, text, style, at.left, at.top,
                                at.right - at.left, at.bottom - at.top, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr),
                &DestroyWindow);
}

// Catches ties rounded away from zero or down: centring offsets must round to even.
TEST(PrimitivesRounding, TiesGoToTheEvenInteger) {
  const struct {
    double value;
    int rounded;
  } cases[] = {{5.5, 6}, {6.5, 6}, {7.5, 8}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {2.6, 3}, {-2.6, -3}};
  for (const auto& c : cases) EXPECT_EQ(skin::RoundHalfEven(c.value), c.rounded) << c.value;
}

// Catches rectangles taken as right and bottom, or drawn one pixel too far.
TEST(Primitives, FillAndFrameCoverExactlyTheirRectangles) {
  test::DibSurface fill(15, 15, Paper), frame(15, 15, Paper), empty(15, 15, Paper);
  EXPECT_NE(skin::FillSolid(fill.dc(), 1, 1, 8, 6, Paint), 0);
  EXPECT_NE(skin::FrameSolid(frame.dc(), 0, 0, 13, 13, Paint), 0);
  skin::FillSolid(empty.dc(), 1, 1, 0, 6, Paint);
  skin::FillSolid(empty.dc(), 1, 1, 8, 0, Paint);
  EXPECT_EQ(empty.Read().Count(Paper), 15 * 15);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 15; ++x) {
      bool inside = x >= 1 && x <= 8 && y >= 1 && y <= 6;
      bool border = x < 13 && y < 13 && (x == 0 || y == 0 || x == 12 || y == 12);  // 48
      EXPECT_EQ(fill.at(x, y), inside ? Paint : Paper) << x << ", " << y;
      EXPECT_EQ(frame.at(x, y), border ? Paint : Paper) << x << ", " << y;
    }
  }
}

// A window that answers the text requests with the counts the test sets, and holds "OK".
struct TextAnswers {
  LRESULT length, copied;
} g_answers{};
LRESULT CALLBACK AnsweringProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETTEXTLENGTH) return g_answers.length;
  if (message != WM_GETTEXT) return DefWindowProcW(hwnd, message, wParam, lParam);
  lstrcpynW(reinterpret_cast<wchar_t*>(lParam), L"OK", static_cast<int>(wParam));
  return g_answers.copied;
}

// Catches text cut short, at a fixed buffer or a code page, and a length or count taken on
// the window's word: INT_MAX overflows the buffer size, a count past the buffer reads beyond.
TEST(Primitives, WindowTextIsReadWholeAndNoFurther) {
  const std::wstring texts[] = {L"OK", std::wstring(300, L'x') + L" \u00FC\u20AC\u4E2D\u6587", L""};
  for (const std::wstring& text : texts) {
    EXPECT_EQ(skin::WindowText(MakeWindow(0, L"STATIC", text.c_str(), WS_POPUP).get()), text);
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = AnsweringProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TintoraAnsweringText";
  RegisterClassW(&wc);
  Window window = MakeWindow(0, wc.lpszClassName, L"", WS_POPUP);
  const struct {
    TextAnswers answers;
    const wchar_t* read;
  } cases[] = {{{INT_MAX, 2}, L"OK"}, {{2, 4000}, L"OK"}, {{1, 2}, L"O"}, {{-5, 2}, L""}};
  for (const auto& c : cases) {
    g_answers = c.answers;
    EXPECT_EQ(skin::WindowText(window.get()), c.read) << c.answers.length << " " << c.answers.copied;
  }
}

// Catches right and bottom given as sizes, or a failed call leaving old values.
TEST(Primitives, GetWindowBoxGivesScreenRectangleAndSize) {
  Window window = MakeWindow(0, L"STATIC", L"", WS_POPUP, {100, 50, 175, 73});
  skin::WindowBox b, failed;
  EXPECT_NE(skin::GetWindowBox(window.get(), b), 0);
  EXPECT_EQ((std::vector<LONG>{b.Left, b.Top, b.Right, b.Bottom, b.Width, b.Height}),
            (std::vector<LONG>{100, 50, 175, 73, 75, 23}));
  HWND gone = window.get();
  window.reset();
  failed.Left = failed.Width = 99;
  EXPECT_EQ(skin::GetWindowBox(gone, failed), 0);
  EXPECT_EQ(failed.Left, 0);
  EXPECT_EQ(failed.Width, 0);
}

// A window whose non-client area is what the test asks for, to get uneven borders.
RECT g_border{};
LRESULT CALLBACK UnevenBorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NCCALCSIZE) return DefWindowProcW(hwnd, message, wParam, lParam);
  RECT* rect = reinterpret_cast<RECT*>(lParam);  // the first rectangle in either form
  SetRect(rect, rect->left + g_border.left, rect->top + g_border.top,
          rect->right - g_border.right, rect->bottom - g_border.bottom);
  return 0;
}

// Catches scroll bars counted as border, and half the total truncated or rounded up
// instead of rounded half to even.
TEST(Primitives, BorderInsetsAreHalfTheBorderWithoutScrollBars) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = UnevenBorderProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TintoraUnevenBorder";
  ASSERT_NE(RegisterClassW(&wc), 0);
  const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
  const struct {
    const wchar_t* className;
    DWORD exStyle, style;
    RECT border;  // left, top, right, bottom thickness of the uneven window
    int horizontal, vertical;
  } cases[] = {
      // A sunken list; LBS_DISABLENOSCROLL keeps the vertical bar shown when it is empty.
      {L"ListBox", WS_EX_CLIENTEDGE, 0, {}, edgeX, edgeY},
      {L"ListBox", WS_EX_CLIENTEDGE, WS_VSCROLL | LBS_DISABLENOSCROLL, {}, edgeX, edgeY},
      {L"ListBox", WS_EX_CLIENTEDGE, WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL, {}, edgeX,
       edgeY},
      {wc.lpszClassName, 0, 0, {1, 0, 2, 5}, 2, 2},  // 3 / 2 and 5 / 2
      {wc.lpszClassName, 0, 0, {0, 3, 1, 4}, 0, 4},  // 1 / 2 and 7 / 2
  };
  for (const auto& c : cases) {
    g_border = c.border;
    Window window = MakeWindow(c.exStyle, c.className, L"",
                               WS_POPUP | LBS_NOINTEGRALHEIGHT | c.style, {10, 10, 130, 100});
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    int horizontal = -1, vertical = -1;
    EXPECT_EQ(skin::GetBorderInsets(window.get(), horizontal, vertical), 1);
    EXPECT_EQ(horizontal, c.horizontal) << std::hex << c.style << " " << c.border.left;
    EXPECT_EQ(vertical, c.vertical) << std::hex << c.style << " " << c.border.top;
  }
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

// Black text in the GUI font on white, drawn at (10, 1), 80 x 38, on a 100 x 40 surface.
Pixels Caption(const std::wstring& text, UINT format) {
  test::DibSurface surface(100, 40, Paper);
  skin::Selected font(surface.dc(), GetStockObject(DEFAULT_GUI_FONT));
  skin::DrawCaption(surface.dc(), text, 10, 1, 80, 38, format);
  return surface.Read();
}

// Catches a caption cut off at the edge instead of ending in an ellipsis, and line breaks
// drawn on a single-line caption.
TEST(Primitives, CaptionsEndInAnEllipsisAndDropLineBreaks) {
  constexpr UINT Plain = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const std::wstring text = L"Colours with their Chinese names, far too long for the button";
  Pixels shown = Caption(text, skin::CaptionFormat);
  EXPECT_GT(shown.Differences(Caption(text, Plain)), 0);
  bool shortened = false;  // the text's beginning and an ellipsis, drawn without the flag
  for (size_t n = 1; n < text.size() && !shortened; ++n)
    shortened = shown.Differences(Caption(text.substr(0, n) + L"...", Plain)) == 0;
  EXPECT_TRUE(shortened);
  EXPECT_EQ(Caption(L"Lo\r\ngin\r\n", Plain).Differences(Caption(L"Login", Plain)), 0);
}

}  // namespace
