#include "skin/kinds/hover_control.h"

#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"

namespace skin {

bool HoverControlAttach(HWND hwnd, Subclass subclass) {
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropOldState, StateNormal);
  return subclass(hwnd);
}

void HoverControlDetach(HWND hwnd) {
  DeleteProp(hwnd, PropMouseFlag);
  DeleteProp(hwnd, PropOldState);
}

}  // namespace skin
