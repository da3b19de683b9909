#include "platform/ole_client_site.h"

#include <cstddef>

namespace platform {

OleClientSite::OleClientSite(HWND window) : window_(window) {}

void OleClientSite::SetInPlaceObject(IOleInPlaceObject* inPlaceObject) {
  inPlaceObject_ = inPlaceObject;
}

void OleClientSite::Detach() {
  window_ = nullptr;
  inPlaceObject_ = nullptr;
}

// --- IUnknown ---

HRESULT OleClientSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (IsEqualIID(iid, IID_IDocHostUIHandler)) {
    *object = static_cast<IDocHostUIHandler*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG OleClientSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG OleClientSite::Release() {
  LONG remaining = InterlockedDecrement(&references_);
  if (remaining == 0) delete this;
  return static_cast<ULONG>(remaining);
}

// --- IOleClientSite: the control is never saved, named or given a document ---

HRESULT OleClientSite::SaveObject() { return E_NOTIMPL; }

HRESULT OleClientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT OleClientSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT OleClientSite::ShowObject() { return S_OK; }
HRESULT OleClientSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT OleClientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleWindow ---

HRESULT OleClientSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return window_ ? S_OK : E_FAIL;
}

HRESULT OleClientSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceSite ---

HRESULT OleClientSite::CanInPlaceActivate() { return window_ ? S_OK : S_FALSE; }
HRESULT OleClientSite::OnInPlaceActivate() { return S_OK; }
HRESULT OleClientSite::OnUIActivate() { return S_OK; }

HRESULT OleClientSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                        LPRECT position, LPRECT clip,
                                        LPOLEINPLACEFRAMEINFO frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *document = nullptr;  // no separate document window: the frame is all there is
  *frame = nullptr;
  if (!window_) return E_FAIL;

  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  // The control fills the host window's client area.
  GetClientRect(window_, position);
  *clip = *position;
  // The control sets cb; the rest describes a frame with no menus and no accelerators.
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = window_;
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

HRESULT OleClientSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT OleClientSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT OleClientSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT OleClientSite::DiscardUndoState() { return E_NOTIMPL; }
HRESULT OleClientSite::DeactivateAndUndo() { return E_NOTIMPL; }

HRESULT OleClientSite::OnPosRectChange(LPCRECT) {
  // The container decides the size: whatever the control asks for, it keeps filling the
  // host window, and an in-place object must be told its rectangles in reply.
  if (!window_ || !inPlaceObject_) return S_OK;
  RECT client{};
  GetClientRect(window_, &client);
  inPlaceObject_->SetObjectRects(&client, &client);
  return S_OK;
}

// --- IOleInPlaceUIWindow: no tool space to negotiate ---

HRESULT OleClientSite::GetBorder(LPRECT border) {
  if (border) SetRectEmpty(border);
  return INPLACE_E_NOTOOLSPACE;
}

HRESULT OleClientSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }

HRESULT OleClientSite::SetBorderSpace(LPCBORDERWIDTHS widths) {
  // Null or all zero means the control wants no tool space, the one thing we can grant.
  if (!widths) return S_OK;
  bool none = widths->left == 0 && widths->top == 0 && widths->right == 0 && widths->bottom == 0;
  return none ? S_OK : OLE_E_INVALIDRECT;
}

HRESULT OleClientSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }

// --- IOleInPlaceFrame: no menus, status bar or accelerators of our own ---

HRESULT OleClientSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
HRESULT OleClientSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT OleClientSite::RemoveMenus(HMENU) { return S_OK; }
HRESULT OleClientSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT OleClientSite::EnableModeless(BOOL) { return S_OK; }
HRESULT OleClientSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// --- IDocHostUIHandler ---

// S_FALSE: the engine shows its own menu.
HRESULT OleClientSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_FALSE; }

HRESULT OleClientSite::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  // The engine sets cbSize for the version of the structure it knows; every version has
  // the flags and the double-click action, later ones a style sheet and a namespace list,
  // which we leave empty (the engine would free what we put there).
  if (info->cbSize < offsetof(DOCHOSTUIINFO, pchHostCss)) return E_INVALIDARG;
  info->dwFlags = HostUiFlags;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  if (info->cbSize >= sizeof(DOCHOSTUIINFO)) {
    info->pchHostCss = nullptr;
    info->pchHostNS = nullptr;
  }
  return S_OK;
}

// S_FALSE: the engine puts up its own interface, which in a frame without menus or tool
// space is nothing.
HRESULT OleClientSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                              IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
  return S_FALSE;
}

HRESULT OleClientSite::HideUI() { return S_OK; }
HRESULT OleClientSite::UpdateUI() { return S_OK; }
HRESULT OleClientSite::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT OleClientSite::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT OleClientSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

// S_FALSE: keys the engine offers are not ours; it handles them as it would alone.
HRESULT OleClientSite::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }

// S_FALSE with no path: the engine's own settings.
HRESULT OleClientSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return S_FALSE;
}

// No replacement: the engine's own drop target.
HRESULT OleClientSite::GetDropTarget(IDropTarget*, IDropTarget** replacement) {
  if (replacement) *replacement = nullptr;
  return E_NOTIMPL;
}

// Pages get no object of ours to script.
HRESULT OleClientSite::GetExternal(IDispatch** external) {
  if (external) *external = nullptr;
  return S_FALSE;
}

// S_FALSE: addresses are loaded as given.
HRESULT OleClientSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
  if (translated) *translated = nullptr;
  return S_FALSE;
}

// S_FALSE: data on the clipboard or in a drag is used as the engine made it.
HRESULT OleClientSite::FilterDataObject(IDataObject*, IDataObject** filtered) {
  if (filtered) *filtered = nullptr;
  return S_FALSE;
}

}  // namespace platform
