#pragma once
// A window of another thread, alive while the object lives; the thread serves its messages.
#include <windows.h>

#include <future>
#include <thread>

namespace test {

class ForeignWindow {
 public:
  ForeignWindow() {
    std::promise<HWND> made;
    thread_ = std::thread([&made] {
      HWND hwnd = CreateWindowExW(0, L"Button", L"theirs", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr,
                                  nullptr);
      made.set_value(hwnd);
      MSG msg{};
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(hwnd);
    });
    hwnd_ = made.get_future().get();
  }
  ~ForeignWindow() {
    PostThreadMessageW(GetWindowThreadProcessId(hwnd_, nullptr), WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND hwnd() const { return hwnd_; }

 private:
  std::thread thread_;
  HWND hwnd_;
};

}  // namespace test
