#include "skin/interaction/hit_tests.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>

#include "skin/core/combo_style.h"
#include "skin/core/visual_state.h"
#include "skin/render/primitives.h"

namespace skin {

namespace {
// The drop button's area keeps this far inside the control's edges.
constexpr int DropButtonInset = 2;
// Where the two halves of a message parameter sit.
constexpr int LowWordShift = 0;
constexpr int HighWordShift = 16;
constexpr uint32_t WordBits = 0xFFFF;

// Two bytes of a 32-bit value as a signed 16-bit integer, copied rather than converted,
// so that 0xFFFF comes back as -1.
short WordAt(LPARAM value, int shift) {
  const uint16_t bits = static_cast<uint16_t>((static_cast<uint32_t>(value) >> shift) & WordBits);
  short word = 0;
  std::memcpy(&word, &bits, sizeof(word));
  return word;
}

}  // namespace

short LoWord(LPARAM value) { return WordAt(value, LowWordShift); }
short HiWord(LPARAM value) { return WordAt(value, HighWordShift); }

bool CursorIsOver(HWND hwnd) {
  POINT cursor{};
  GetCursorPos(&cursor);
  return WindowFromPoint(cursor) == hwnd;
}

bool IsOnDropButton(HWND combo, int x, int y) {
  if (!IsEditableDropDown(GetWindowLongPtrW(combo, GWL_STYLE))) return true;
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
  return NoHeaderItem;
}

}  // namespace skin
