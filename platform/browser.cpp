#include "platform/browser.h"

#include <utility>

#include "platform/address_view.h"
#include "platform/browser_emulation.h"
#include "platform/ole_browser_host.h"
#include "platform/system_browser_check.h"

namespace platform {

namespace {

// The factory a test has put in; empty for the system browser.
BrowserFactory& InjectedFactory() {
  static BrowserFactory factory;
  return factory;
}

}  // namespace

std::unique_ptr<Browser> CreateSystemBrowser(HWND parent, const RECT& bounds) {
  // Before anything of the HTML engine is created in this process, the check included:
  // the engine reads the mode it shows pages in when it starts.
  static const bool emulationSet = (ApplyBrowserEmulation(), true);
  (void)emulationSet;
  if (SystemBrowserCanShowPages()) {
    // The check passed, yet hosting can still fail (e.g. the control refuses to activate);
    // the address view then takes its place.
    if (std::unique_ptr<Browser> hosted = CreateOleBrowserHost(parent, bounds)) return hosted;
  }
  return CreateAddressView(parent, bounds);
}

std::unique_ptr<Browser> CreateBrowser(HWND parent, const RECT& bounds) {
  return CreateBrowser(parent, bounds, CreateSystemBrowser);
}

std::unique_ptr<Browser> CreateBrowser(HWND parent, const RECT& bounds,
                                       const BrowserFactory& otherwise) {
  // A copy, so that a factory which replaces itself while it runs stays alive until done.
  BrowserFactory factory = InjectedFactory();
  if (factory) return factory(parent, bounds);
  return otherwise ? otherwise(parent, bounds) : CreateSystemBrowser(parent, bounds);
}

void SetBrowserFactory(BrowserFactory factory) { InjectedFactory() = std::move(factory); }

}  // namespace platform
