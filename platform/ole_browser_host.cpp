#include "platform/ole_browser_host.h"

#include <exdisp.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "platform/active_object_keys.h"
#include "platform/com_ptr.h"
#include "platform/ole_client_site.h"
#include "platform/ole_session.h"
#include "platform/window_class.h"

namespace platform {

namespace {

// Clip children: the control paints its own window, the host must not paint over it.
// A tab stop, so that the form's Tab reaches the page; no sunken client edge (the host's
// extended style is 0), the page sits flat in the window.
constexpr DWORD HostStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD HostExStyle = 0;
// Offset of the owning OleBrowserHost in the window's extra bytes.
constexpr int OwnerSlot = 0;

// A BSTR freed on exit.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }

 private:
  BSTR value_;
};

class OleBrowserHost final : public Browser {
 public:
  OleBrowserHost() = default;
  ~OleBrowserHost() override {
    // WM_DESTROY releases the control while this object is still whole.
    if (hwnd_) DestroyWindow(hwnd_);
  }
  OleBrowserHost(const OleBrowserHost&) = delete;
  OleBrowserHost& operator=(const OleBrowserHost&) = delete;

  // Makes the host window and activates the control in it. On failure the window is
  // gone again and everything taken is released.
  bool Open(HWND parent, const RECT& bounds) {
    if (!ole_.ok() || !RegisterHostClass()) return false;
    // hwnd_ is set on WM_NCCREATE, so it is cleared again if creation fails later on.
    CreateWindowExW(HostExStyle, BrowserHostClassName, L"", HostStyle, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!hwnd_) return false;
    if (Embed()) return true;
    DestroyWindow(hwnd_);
    return false;
  }

  void Navigate(const std::wstring& address) override {
    if (!browser_) return;
    Bstr url(address);
    if (!url.get()) return;
    // The address alone: flags, target frame, post data and headers are all left out.
    // Navigation is asynchronous; its outcome is the control's to show.
    VARIANT none{};
    VariantInit(&none);
    browser_->Navigate(url.get(), &none, &none, &none, &none);
  }

  HWND Window() const override { return hwnd_; }

 private:
  static bool RegisterHostClass() {
    static const bool registered =
        RegisterWindowClass(BrowserHostClassName, WindowProc, sizeof(LONG_PTR),
                            static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return registered;
  }

  bool Embed() {
    HRESULT result = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IOleObject, object_.PutVoid());
    if (FAILED(result) || !object_) return false;

    site_ = ComPtr<OleClientSite>::Adopt(new OleClientSite(hwnd_));
    IOleClientSite* clientSite = site_.Get();
    // The control asks for its site before it is initialised (OLEMISC_SETCLIENTSITEFIRST).
    if (FAILED(object_->SetClientSite(clientSite))) return false;
    ComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(object_.QueryInto(IID_IPersistStreamInit, persist)) &&
        FAILED(persist->InitNew())) {
      return false;
    }

    RECT client{};
    GetClientRect(hwnd_, &client);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, clientSite, 0, hwnd_, &client)))
      return false;
    if (FAILED(object_.QueryInto(IID_IOleInPlaceObject, inPlace_))) return false;
    site_->SetInPlaceObject(inPlace_.Get());
    if (FAILED(object_.QueryInto(IID_IWebBrowser2, browser_))) return false;
    // Key messages for the page go through the control before the form sees them. A
    // control without an active object still shows pages; its keys are dispatched plainly.
    ComPtr<IOleInPlaceActiveObject> active;
    if (SUCCEEDED(object_.QueryInto(IID_IOleInPlaceActiveObject, active)) && active)
      keys_ = std::make_unique<ActiveObjectKeys>(hwnd_, active.Get());
    return true;
  }

  // The host got the focus (Tab, a click on its edge, the form restoring it): the control
  // becomes UI-active, which gives its document the focus; a control that is UI-active
  // already does nothing then, so the focus is handed to its window here.
  void FocusControl() {
    if (!object_ || !site_ || focusing_) return;
    focusing_ = true;
    RECT client{};
    GetClientRect(hwnd_, &client);
    object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_.Get(), 0, hwnd_, &client);
    HWND inner = nullptr;
    if (GetFocus() == hwnd_ && inPlace_ && SUCCEEDED(inPlace_->GetWindow(&inner)) && inner)
      SetFocus(inner);
    focusing_ = false;
  }

  void Resize(int width, int height) {
    if (!inPlace_) return;
    RECT client{0, 0, width, height};
    inPlace_->SetObjectRects(&client, &client);
  }

  // Takes the control out of the window and lets go of it, in the order OLE expects:
  // deactivate, close, cut the site, release.
  void ReleaseControl() {
    keys_.reset();  // no key reaches the control from here on
    if (inPlace_) inPlace_->InPlaceDeactivate();
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    // The control may still hold the site; it must not reach this window or the
    // in-place object through it any more.
    if (site_) site_->Detach();
    browser_.Reset();
    inPlace_.Reset();
    object_.Reset();
    site_.Reset();
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<OleBrowserHost*>(GetWindowLongPtrW(hwnd, OwnerSlot));
    switch (message) {
      case WM_NCCREATE: {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        owner = static_cast<OleBrowserHost*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, OwnerSlot, reinterpret_cast<LONG_PTR>(owner));
        if (owner) owner->hwnd_ = hwnd;
        break;
      }
      case WM_SIZE:
        if (owner) owner->Resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
      case WM_SETFOCUS:
        if (owner) owner->FocusControl();
        return 0;
      case WM_DESTROY:
        if (owner) owner->ReleaseControl();
        return 0;
      case WM_NCDESTROY:
        // The window goes (with its parent, or by itself): the owner must not touch it again.
        if (owner) owner->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, OwnerSlot, 0);
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  // Declared first so that it ends last, after every COM reference below is released.
  OleSession ole_;
  HWND hwnd_ = nullptr;
  ComPtr<OleClientSite> site_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceObject> inPlace_;
  ComPtr<IWebBrowser2> browser_;
  std::unique_ptr<ActiveObjectKeys> keys_;
  bool focusing_ = false;  // FocusControl is running: a focus change inside it is its own
};

}  // namespace

std::unique_ptr<Browser> CreateOleBrowserHost(HWND parent, const RECT& bounds) {
  auto host = std::make_unique<OleBrowserHost>();
  if (!host->Open(parent, bounds)) return nullptr;
  return host;
}

}  // namespace platform
