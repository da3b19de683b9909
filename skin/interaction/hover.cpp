// Hover tracking: a control learns of the mouse's arrival from its first move and asks for
// a leave notification; its kind's leave behaviour returns it to its normal look.
#include "skin/interaction/hover.h"

#include "platform/window_services.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/hit_tests.h"

namespace skin {

void TrackLeave(HWND hwnd) {
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof(request);  // 24 bytes on 64-bit, 16 on 32-bit
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = hwnd;
  request.dwHoverTime = 0;
  if (HasTrackMouseEvent) {
    platform::Services().trackMouseEvent(&request);
  } else {
    platform::Services().commonTrackMouseEvent(&request);
  }
}

void EnterCheck(HWND hwnd) {
  if (ReadIntProp(hwnd, PropMouseFlag) != 0) return;
  // A control that holds the mouse gets moves with the cursor elsewhere, and they are no
  // entry: a leave notification asked for then may never come (Wine only tracks a window
  // under the cursor), and the real entry that follows would ask for none.
  if (!CursorIsOver(hwnd)) return;
  WriteProp(hwnd, PropMouseFlag, 1);
  TrackLeave(hwnd);
}

}  // namespace skin
