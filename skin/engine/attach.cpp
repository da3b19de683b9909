#include "skin/engine/attach.h"

#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/skin_wndproc.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/skin_bitmaps.h"

namespace skin {

namespace {

// A window procedure can only be replaced on windows of this process, and only this
// thread's windows are ever detached by their WM_DESTROY here. WM_ACTIVATE, WM_ENTERIDLE
// and WM_CTLCOLORLISTBOX may name anyone's window.
bool BelongsToThisThread(HWND hwnd) {
  return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

// Every window has a procedure: none comes back only when the window is gone, destroyed
// by its own procedure from a message its attachment sent (a button answers the font,
// caption and style requests). It is then not counted.
bool InstallSkinProc(HWND hwnd) {
  const LONG_PTR previous =
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  if (!previous) return false;
  ++SkinnedWindowCount;
  WriteProp(hwnd, PropProcAddr, previous);
  return true;
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

  const KindRow& kind = KindRowOf(KindOf(hwnd));
  // Descendants first; nested forms come round again and are skipped as skinned.
  if (kind.descendantsFirst) EnumChildWindows(hwnd, AttachChildProc, 0);
  // A kind without state of its own is only subclassed.
  const bool attached = kind.attach ? kind.attach(hwnd, InstallSkinProc) : InstallSkinProc(hwnd);
  DeleteProp(hwnd, PropAttaching);
  if (!attached) {
    // A window gone during its attachment still carries what the attachment wrote.
    ReleaseWindowProps(hwnd);
    return 0;
  }
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
