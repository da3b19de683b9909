#include "skin/core/attach.h"

#include "skin/core/button_style.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/skin_wndproc.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/button_region.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_bitmaps.h"

namespace skin {

namespace {

// The four face buffers of a command button: made together, and released here unless the
// attachment completes and the window keeps them (DetachSkin frees them from there).
class FaceBuffers {
 public:
  FaceBuffers() = default;
  FaceBuffers(const FaceBuffers&) = delete;
  FaceBuffers& operator=(const FaceBuffers&) = delete;
  ~FaceBuffers() {
    for (int n = 0; n < FaceCount; ++n) {
      if (dcs_[n]) DeleteDC(dcs_[n]);
      if (bitmaps_[n]) DeleteObject(bitmaps_[n]);
    }
  }
  // Four memory contexts with a bitmap of width x height each; false when any of them
  // cannot be made.
  bool Make(HDC reference, int width, int height) {
    for (int n = 0; n < FaceCount; ++n) {
      dcs_[n] = CreateCompatibleDC(reference);
      bitmaps_[n] = CreateCompatibleBitmap(reference, width, height);
      if (!dcs_[n] || !bitmaps_[n]) return false;
      DeleteObject(SelectObject(dcs_[n], bitmaps_[n]));
    }
    return true;
  }
  void Record(HWND hwnd) const {
    for (int n = 0; n < FaceCount; ++n) {
      WriteProp(hwnd, FaceDcPropName(n), reinterpret_cast<LONG_PTR>(dcs_[n]));
      WriteProp(hwnd, FaceBitmapPropName(n), reinterpret_cast<LONG_PTR>(bitmaps_[n]));
    }
  }
  // The window owns them now.
  void Keep() {
    for (int n = 0; n < FaceCount; ++n) {
      dcs_[n] = nullptr;
      bitmaps_[n] = nullptr;
    }
  }

 private:
  HDC dcs_[FaceCount]{};
  HBITMAP bitmaps_[FaceCount]{};
};

// Four face buffers as large as the window, the saved style, owner-draw where the style
// allows it, the fade state and the rounded region. False when the faces cannot be made:
// the button then keeps its own look.
bool AttachCommandButton(HWND hwnd, FaceBuffers& faces) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  {
    WindowDc windowDc(hwnd);
    if (!faces.Make(windowDc, box.Width, box.Height)) return false;
    faces.Record(hwnd);
    RenderButtonFaces(hwnd);
  }

  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (IsFaceDrawnButtonStyle(style)) SendMessageW(hwnd, BM_SETSTYLE, BS_OWNERDRAW, TRUE);

  WriteProp(hwnd, PropOldStyle, style);
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropTimerId, 0);
  WriteProp(hwnd, PropOldState, IsWindowEnabled(hwnd) ? StateNormal : StateDisabled);
  WriteProp(hwnd, PropAlphaLevel, 0);

  SetButtonRegion(hwnd, box.Width, box.Height);
  return true;
}

// Combo boxes, drive lists, check boxes and option buttons track hover and their last state.
void AttachHoverControl(HWND hwnd) {
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropOldState, StateNormal);
}

void AttachHeader(HWND hwnd) {
  WriteProp(hwnd, PropMouseFlag, 0);
  WriteProp(hwnd, PropHdIndex, NoHeaderItem);
  WriteProp(hwnd, PropHmIndex, NoHeaderItem);
}

// A window procedure can only be replaced on windows of this process, and only this
// thread's windows are ever detached by their WM_DESTROY here. WM_ACTIVATE, WM_ENTERIDLE
// and WM_CTLCOLORLISTBOX may name anyone's window.
bool BelongsToThisThread(HWND hwnd) {
  return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

}  // namespace

int SkinWindow(HWND hwnd) {
  if (!SkinInitialized) {
    SkinInitialized = true;
    HasTrackMouseEvent = ApiExists("TrackMouseEvent", L"User32");
    BuildSkinBitmaps();
  }
  return AttachSkin(hwnd);
}

int AttachSkin(HWND hwnd) {
  if (!hwnd || IsSkinned(hwnd)) return 0;
  if (!BelongsToThisThread(hwnd)) return 0;
  // Attached once only, also when the window's own procedure asks for it again in the
  // middle of its attachment: a second attachment would chain the window to the skin's
  // own procedure, and every message would go round in circles.
  if (ReadProp(hwnd, PropAttaching)) return 0;
  WriteProp(hwnd, PropAttaching, 1);

  FaceBuffers faces;
  bool ready = true;
  switch (KindOf(hwnd)) {
    case SkinKind::Form:
      // Descendants first; nested forms come round again and are skipped as skinned.
      EnumChildWindows(hwnd, AttachChildProc, 0);
      break;
    case SkinKind::CommandButton:
      ready = AttachCommandButton(hwnd, faces);
      break;
    case SkinKind::ComboBox:
    case SkinKind::DriveList:
    case SkinKind::CheckBox:
    case SkinKind::OptionButton:
      AttachHoverControl(hwnd);
      break;
    case SkinKind::Header:
      AttachHeader(hwnd);
      break;
    case SkinKind::ProgressBar:
    case SkinKind::DataList:
    case SkinKind::ComboList:
    case SkinKind::Grid:
    case SkinKind::Other:
      break;
  }

  // Every window has a procedure: none comes back only when the window is gone, destroyed
  // by its own procedure from a message its attachment sent (a button answers the font,
  // caption and style requests). It is then not counted, and its faces are released.
  const LONG_PTR previous =
      ready ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc)) : 0;
  if (!previous) {
    for (int n = 0; n < FaceCount; ++n) {
      DeleteProp(hwnd, FaceDcPropName(n));
      DeleteProp(hwnd, FaceBitmapPropName(n));
    }
    DeleteProp(hwnd, PropAttaching);
    return 0;
  }
  faces.Keep();
  ++SkinnedWindowCount;
  WriteProp(hwnd, PropProcAddr, previous);
  DeleteProp(hwnd, PropAttaching);
  // Paint the frame at once through the skin (wParam 1: the whole window).
  SendMessageW(hwnd, WM_NCPAINT, 1, 0);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
  return 1;
}

BOOL CALLBACK AttachChildProc(HWND hwnd, LPARAM) {
  AttachSkin(hwnd);
  return TRUE;
}

bool ApiExists(const char* procedure, const wchar_t* library) {
  HMODULE module = GetModuleHandleW(library);
  bool loadedHere = false;
  if (!module) {
    module = LoadLibraryW(library);
    loadedHere = module != nullptr;
  }
  if (!module) return false;
  bool found = GetProcAddress(module, procedure) != nullptr;
  if (loadedHere) FreeLibrary(module);
  return found;
}

}  // namespace skin
