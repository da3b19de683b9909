#include "platform/system_browser_check.h"

#include <exdisp.h>
#include <ole2.h>

#include "platform/com_ptr.h"
#include "platform/ole_session.h"

namespace platform {

namespace {

// The HTML engine's document object. The control shows every page through one of these,
// so where it cannot be created (no HTML engine installed) the control shows nothing.
constexpr CLSID HtmlDocumentClsid = {
    0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

bool CanCreate(REFCLSID clsid) {
  ComPtr<IUnknown> object;
  HRESULT result =
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.PutVoid());
  return SUCCEEDED(result) && object;
}

bool ProbeSystemBrowser() {
  OleSession ole;
  if (!ole.ok()) return false;
  // The document object first: where the engine is missing the control itself is never
  // created, so nothing of it gets a chance to ask for an installation.
  return CanCreate(HtmlDocumentClsid) && CanCreate(CLSID_WebBrowser);
}

}  // namespace

bool SystemBrowserCanShowPages() {
  static const bool canShowPages = ProbeSystemBrowser();
  return canShowPages;
}

}  // namespace platform
