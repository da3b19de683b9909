#pragma once
// Closes the message boxes a test provokes, from a timer that fires inside their modal loop.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

struct SeenMessageBox {
  HWND hwnd, owner;
  std::wstring title, text;
  bool iconShown;
};

class MessageBoxWatcher {
 public:
  // Looks for a box every intervalMs (the platform's timers go no faster than about 10).
  explicit MessageBoxWatcher(UINT intervalMs = 30);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  const std::vector<SeenMessageBox>& seen() const { return seen_; }

 private:
  UINT_PTR timer_ = 0;
  std::vector<SeenMessageBox> seen_;
};

}  // namespace test
