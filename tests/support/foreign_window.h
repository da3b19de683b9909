#pragma once
// A window of another thread, alive while the object lives: the thread serves its
// messages until the test is done with it.
#include <windows.h>

#include <thread>

#include "tests/support/pump.h"

namespace test {

class ForeignWindow {
 public:
  ForeignWindow() {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    done_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] {
      hwnd_ = CreateWindowExW(0, L"Button", L"theirs", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                              nullptr, nullptr);
      SetEvent(ready_);
      while (MsgWaitForMultipleObjects(1, &done_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpMessages();
      DestroyWindow(hwnd_);
    });
    WaitForSingleObject(ready_, INFINITE);
  }
  ~ForeignWindow() {
    SetEvent(done_);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(done_);
  }
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HANDLE ready_;
  HANDLE done_;
  std::thread thread_;
  HWND hwnd_ = nullptr;
};

}  // namespace test
