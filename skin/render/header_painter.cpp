// A header control: every item from its strip and text over the stretched background, and
// one item redrawn when the mouse changes its state.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_draw.h"
#include "skin/render/skin_pieces.h"

namespace skin {

namespace {

// Item texts are read into a buffer of this many characters, terminator included.
constexpr int HeaderTextCapacity = 256;

// The item's text (HDM_GETITEM with HDI_TEXT into a buffer as large as it declares),
// without NUL characters; empty when the item has none or does not exist.
std::wstring HeaderItemText(HWND header, int index) {
  wchar_t buffer[HeaderTextCapacity] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = buffer;
  item.cchTextMax = HeaderTextCapacity;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  std::wstring text(buffer, HeaderTextCapacity);
  text.erase(std::remove(text.begin(), text.end(), L'\0'), text.end());
  return text;
}

// The header strip for a visual state: hover and pressed have their own, all else normal.
const SkinPiece& HeaderStripFor(int state) {
  switch (state) {
    case StateHover:
      return HeaderStrips[1];
    case StatePressed:
      return HeaderStrips[2];
    default:
      return HeaderStrips[0];
  }
}

}  // namespace

void PaintHeader(HWND hwnd) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  MemorySurface buffer(box.Width, box.Height);
  StretchBlt(buffer, 0, 0, box.Width, box.Height, HeaderBitmap, HeaderBackgroundColumn.x,
             HeaderBackgroundColumn.y, HeaderBackgroundColumn.w, HeaderBackgroundColumn.h,
             SRCCOPY);
  const int count = static_cast<int>(SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0));
  if (count > 0) {
    const int pressed = ReadIntProp(hwnd, PropHdIndex);
    const int hovered = ReadIntProp(hwnd, PropHmIndex);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    for (int i = 0; i < count; ++i) {
      RECT item{};
      SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      const std::wstring text = HeaderItemText(hwnd, i);
      // The pressed item wins when both indices name it.
      const int state = i == pressed ? StatePressed : i == hovered ? StateHover : StateNormal;
      DrawPiece(buffer, item.left, 0, item.right - item.left, box.Height, HeaderBitmap,
                HeaderStripFor(state), HeaderStripMargins);
      if (!text.empty()) {
        Selected selectedFont(buffer, font);
        SetBkMode(buffer, TRANSPARENT);
        DrawCaption(buffer, text, item.left, 0, item.right - item.left, item.bottom,
                    CaptionFormat);
      }
    }
  }
  PaintDc paint(hwnd);
  BitBlt(paint, 0, 0, box.Width, box.Height, buffer, 0, 0, SRCCOPY);
}

void PaintHeaderItem(HWND hwnd, HDC dc, int index, int state) {
  if (index < 0) return;
  WindowBox box;
  GetWindowBox(hwnd, box);
  RECT item{};
  SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const int w = item.right - item.left;
  const int itemHeight = item.bottom - item.top;

  MemorySurface buffer(w, box.Height);
  Selected font(buffer, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  SetBkMode(buffer, TRANSPARENT);
  DrawPiece(buffer, 0, 0, w, box.Height, HeaderBitmap, HeaderStripFor(state), HeaderStripMargins);
  const std::wstring text = HeaderItemText(hwnd, index);
  if (!text.empty()) DrawCaption(buffer, text, 0, 0, w, box.Height, CaptionFormat);

  CopyToWindow(hwnd, dc, item.left, 0, w, itemHeight, buffer);
}

}  // namespace skin
