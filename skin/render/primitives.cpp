#include "skin/render/primitives.h"

#include <algorithm>
#include <vector>

#include "skin/render/gdi_guard.h"
#include "skin/render/rounding.h"

namespace skin {

namespace {
RECT MakeRect(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

// The longest text read from a window. Every length here is the window's own answer, and
// a window may answer anything (up to INT_MAX); captions are far shorter than this.
constexpr int MaxWindowTextLength = 0x8000;
}  // namespace

std::wstring WindowText(HWND hwnd) {
  const int length = std::min(GetWindowTextLengthW(hwnd), MaxWindowTextLength);
  if (length <= 0) return std::wstring();
  // One more element for the terminator that GetWindowTextW writes.
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  if (GetWindowTextW(hwnd, buffer.data(), length + 1) <= 0) return std::wstring();
  // The text ends at its terminator, whatever count the window reported with it.
  return std::wstring(buffer.begin(), std::find(buffer.begin(), buffer.end() - 1, L'\0'));
}

int DrawCaption(HDC dc, const std::wstring& text, int x, int y, int w, int h, UINT format) {
  RECT rect = MakeRect(x, y, w, h);
  if (!(format & DT_SINGLELINE)) return DrawTextW(dc, text.c_str(), -1, &rect, format);
  // On one line, carriage returns and line feeds are not shown (a caption such as
  // "Login" CR LF reads "Login"); some platforms would draw them as boxes.
  std::wstring line;
  line.reserve(text.size());
  for (wchar_t c : text)
    if (c != L'\r' && c != L'\n') line.push_back(c);
  return DrawTextW(dc, line.c_str(), -1, &rect, format);
}

BOOL FillSolid(HDC dc, int x, int y, int w, int h, COLORREF colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  RECT rect = MakeRect(x, y, w, h);
  return FillRect(dc, &rect, brush) != 0;
}

BOOL FrameSolid(HDC dc, int x, int y, int w, int h, COLORREF colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  RECT rect = MakeRect(x, y, w, h);
  return FrameRect(dc, &rect, brush) != 0;
}

BOOL DrawFocusBox(HDC dc, int x, int y, int w, int h) {
  RECT rect = MakeRect(x, y, w, h);
  return DrawFocusRect(dc, &rect);
}

BOOL GetWindowBox(HWND hwnd, WindowBox& box) {
  RECT rect{};
  BOOL ok = GetWindowRect(hwnd, &rect);
  box.Left = rect.left;
  box.Top = rect.top;
  box.Right = rect.right;
  box.Bottom = rect.bottom;
  box.Width = rect.right - rect.left;
  box.Height = rect.bottom - rect.top;
  return ok;
}

int GetBorderInsets(HWND hwnd, int& horizontal, int& vertical) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  int dx = (window.right - window.left) - (client.right - client.left);
  int dy = (window.bottom - window.top) - (client.bottom - client.top);
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (style & WS_VSCROLL) dx -= GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) dy -= GetSystemMetrics(SM_CYHSCROLL);
  horizontal = HalfRounded(dx);
  vertical = HalfRounded(dy);
  return 1;
}

}  // namespace skin
