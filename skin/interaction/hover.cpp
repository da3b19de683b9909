// Hover tracking: a control learns of the mouse's arrival from its first move, asks for a
// leave notification, and returns to its normal look when the mouse leaves.
#include "skin/interaction/hover.h"

#include "platform/window_services.h"
#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/painters.h"

namespace skin {

namespace {
// The leave blends the hover face once at this level before the normal face fades in.
constexpr int LeaveBlendLevel = 140;
}  // namespace

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

LRESULT OnMouseLeave(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  int state = StateNormal;
  switch (KindOf(hwnd)) {
    case SkinKind::CommandButton:
      WriteProp(hwnd, PropMouseFlag, 0);
      BlendFace(hwnd, StateHover, LeaveBlendLevel);
      BeginFade(hwnd, StateNormal, 0);
      break;
    case SkinKind::ComboBox:
    case SkinKind::DriveList:
      WriteProp(hwnd, PropMouseFlag, 0);
      PaintComboButton(hwnd, nullptr, state, false);
      break;
    case SkinKind::CheckBox:
      WriteProp(hwnd, PropMouseFlag, 0);
      PaintCheckBox(hwnd, StateNormal, false);
      break;
    case SkinKind::OptionButton:
      WriteProp(hwnd, PropMouseFlag, 0);
      PaintOptionButton(hwnd, StateNormal, false);
      break;
    case SkinKind::Header: {
      // A pressed item is forgotten too.
      const int hovered = ReadIntProp(hwnd, PropHmIndex);
      WriteProp(hwnd, PropMouseFlag, 0);
      WriteProp(hwnd, PropHdIndex, NoHeaderItem);
      WriteProp(hwnd, PropHmIndex, NoHeaderItem);
      if (hovered >= 0) PaintHeaderItem(hwnd, nullptr, hovered, StateNormal);
      break;
    }
    default:
      break;
  }
  return result;
}

}  // namespace skin
