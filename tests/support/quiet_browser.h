#pragma once
// A browser for tests that shows nothing and goes nowhere: no test touches the network.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/browser.h"

namespace test {

class QuietBrowser : public platform::Browser {
 public:
  QuietBrowser(HWND parent, const RECT& r)
      : hwnd_(CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, r.left, r.top,
                              r.right - r.left, r.bottom - r.top, parent, nullptr, nullptr, nullptr)) {}
  ~QuietBrowser() override {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  void Navigate(const std::wstring&) override {}
  HWND Window() const override { return hwnd_; }

  static std::unique_ptr<platform::Browser> Make(HWND parent, const RECT& r) {
    return std::make_unique<QuietBrowser>(parent, r);
  }

 private:
  HWND hwnd_;
};

}  // namespace test
