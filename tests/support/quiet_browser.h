#pragma once
// A browser for tests that goes nowhere: a plain child window recording what it is asked for.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/browser.h"
#include "skin/core/window_props.h"

namespace test {

class QuietBrowser : public platform::Browser {
 public:
  struct Request {
    std::wstring address;
    bool parentSkinned;
  };
  static std::vector<Request>& Requests() {
    static std::vector<Request> requests;
    return requests;
  }
  QuietBrowser(HWND parent, const RECT& r)
      : hwnd_(CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, nullptr, nullptr, nullptr)) {}
  ~QuietBrowser() override { DestroyWindow(hwnd_); }
  void Navigate(const std::wstring& address) override {
    Requests().push_back({address, skin::IsSkinned(GetParent(hwnd_))});
  }
  HWND Window() const override { return hwnd_; }
  static std::unique_ptr<platform::Browser> Make(HWND parent, const RECT& r) {
    return std::make_unique<QuietBrowser>(parent, r);
  }

 private:
  HWND hwnd_;
};

}  // namespace test
