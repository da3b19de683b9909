#include "skin/core/detach.h"

#include <initializer_list>

#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/skin_bitmaps.h"

namespace skin {

namespace {

void DetachCommandButton(HWND hwnd) {
  for (int n = 0; n < FaceCount; ++n) {
    HDC face = FaceDc(hwnd, n);
    HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(ReadProp(hwnd, FaceBitmapPropName(n)));
    if (face) DeleteDC(face);
    if (bitmap) DeleteObject(bitmap);
    DeleteProp(hwnd, FaceDcPropName(n));
    DeleteProp(hwnd, FaceBitmapPropName(n));
  }
  StopTimer(hwnd);
  // The whole saved style goes back, as it was when the skin was attached.
  SetWindowLongPtrW(hwnd, GWL_STYLE, ReadProp(hwnd, PropOldStyle));
  for (const wchar_t* name :
       {PropOldStyle, PropMouseFlag, PropTimerId, PropOldState, PropAlphaLevel}) {
    DeleteProp(hwnd, name);
  }
  SetWindowRgn(hwnd, nullptr, TRUE);
}

void DetachHoverControl(HWND hwnd) {
  DeleteProp(hwnd, PropMouseFlag);
  DeleteProp(hwnd, PropOldState);
}

void DetachHeader(HWND hwnd) {
  DeleteProp(hwnd, PropMouseFlag);
  DeleteProp(hwnd, PropHdIndex);
  DeleteProp(hwnd, PropHmIndex);
}

// The last skinned window is gone: the engine lets go of its artwork.
void ReleaseEngine() {
  SkinnedWindowCount = 0;
  ReleaseSkinBitmaps();
  SkinInitialized = false;
}

}  // namespace

int DetachSkin(HWND hwnd) {
  if (!hwnd) return 0;
  LONG_PTR previous = ReadProp(hwnd, PropProcAddr);
  if (!previous) return 0;

  switch (KindOf(hwnd)) {
    case SkinKind::Form:
      // Descendants lose the skin before the form.
      EnumChildWindows(hwnd, DetachChildProc, 0);
      break;
    case SkinKind::CommandButton:
      DetachCommandButton(hwnd);
      break;
    case SkinKind::ComboBox:
    case SkinKind::DriveList:
    case SkinKind::CheckBox:
    case SkinKind::OptionButton:
      DetachHoverControl(hwnd);
      break;
    case SkinKind::Header:
      DetachHeader(hwnd);
      break;
    case SkinKind::ProgressBar:
    case SkinKind::DataList:
    case SkinKind::ComboList:
    case SkinKind::Grid:
    case SkinKind::Other:
      break;
  }

  // The window's own procedure may have removed the skin itself meanwhile, from a message
  // the removal sent it: then that removal restored it and counted it.
  if (ReadProp(hwnd, PropProcAddr) != previous) return 0;
  DeleteProp(hwnd, PropProcAddr);
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous);
  // The control's own procedure now repaints its own frame.
  SendMessageW(hwnd, WM_NCPAINT, 1, 0);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
  if (--SkinnedWindowCount <= 0) ReleaseEngine();
  return 1;
}

BOOL CALLBACK DetachChildProc(HWND hwnd, LPARAM) {
  DetachSkin(hwnd);
  return TRUE;
}

}  // namespace skin
