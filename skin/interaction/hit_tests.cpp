#include "skin/interaction/hit_tests.h"

#include <windows.h>

#include <commctrl.h>

#include "skin/render/primitives.h"

namespace skin {

namespace {
// Set for simple and drop-down-list combos: the whole control counts as the button.
constexpr LONG_PTR WholeControlIsButtonBit = 0x1;
// The drop button's area keeps this far inside the control's edges.
constexpr int DropButtonInset = 2;
}  // namespace

bool CursorIsOver(HWND hwnd) {
  POINT cursor{};
  GetCursorPos(&cursor);
  return WindowFromPoint(cursor) == hwnd;
}

bool IsOnDropButton(HWND combo, int x, int y) {
  if (GetWindowLongPtrW(combo, GWL_STYLE) & WholeControlIsButtonBit) return true;
  WindowBox box;
  GetWindowBox(combo, box);
  const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  return x >= box.Width - scrollBar - DropButtonInset && x <= box.Width - DropButtonInset &&
         y >= DropButtonInset && y <= box.Height - DropButtonInset;
}

int HeaderItemAt(HWND header, int x) {
  const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT item{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    if (item.left <= x && x <= item.right) return i;
  }
  return -1;
}

}  // namespace skin
