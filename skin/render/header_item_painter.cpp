// One item of a header control, redrawn when the mouse changes its state.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/header_items.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {
// Item texts are read into a buffer of this many characters, terminator included.
constexpr int HeaderTextCapacity = 256;
}  // namespace

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
