#pragma once
// Drawing primitives and window geometry used by every painter. Rectangles are taken as
// x, y, width, height and become left, top, right = x + w, bottom = y + h (exclusive).
#include <windows.h>

#include <string>

namespace skin {

// The window's outer rectangle in screen coordinates, with its width and height.
struct WindowBox {
  LONG Left = 0;
  LONG Top = 0;
  LONG Right = 0;
  LONG Bottom = 0;
  LONG Width = 0;
  LONG Height = 0;
};

// Every caption of the skin: one line, centred both ways, an ellipsis when too wide.
inline constexpr UINT CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// The window's whole text; empty when it has none.
std::wstring WindowText(HWND hwnd);
// Draws text with the font, colour and background mode already in the context.
int DrawCaption(HDC dc, const std::wstring& text, int x, int y, int w, int h, UINT format);
BOOL FillSolid(HDC dc, int x, int y, int w, int h, COLORREF colour);
// A one-pixel frame just inside the rectangle.
BOOL FrameSolid(HDC dc, int x, int y, int w, int h, COLORREF colour);
// The platform's dotted focus rectangle, drawn by inverting: a second call removes it.
BOOL DrawFocusBox(HDC dc, int x, int y, int w, int h);
// Fills box from the window rectangle; on failure the box holds zeros.
BOOL GetWindowBox(HWND hwnd, WindowBox& box);
// Half the non-client thickness across (without scroll bars), rounded half to even.
int GetBorderInsets(HWND hwnd, int& horizontal, int& vertical);

}  // namespace skin
