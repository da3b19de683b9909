#include "tests/support/message_box_watcher.h"

namespace test {

namespace {

// The message box's text control.
constexpr int MessageBoxTextId = 0xFFFF;
constexpr int MessageBoxIconId = 0x0440;

MessageBoxWatcher* active = nullptr;

std::wstring TextOf(HWND hwnd) {
  wchar_t buffer[512] = {};
  GetWindowTextW(hwnd, buffer, 512);
  return buffer;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(UINT intervalMs) {
  active = this;
  timer_ = SetTimer(nullptr, 0, intervalMs, &MessageBoxWatcher::OnTimer);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  KillTimer(nullptr, timer_);
  active = nullptr;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!active) return;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
        for (const SeenMessageBox& seen : active->seen_)
          if (seen.hwnd == hwnd) return TRUE;  // already answered, not closed yet
        SeenMessageBox box{hwnd, GetWindow(hwnd, GW_OWNER), TextOf(hwnd),
                           TextOf(GetDlgItem(hwnd, MessageBoxTextId)), {}, false,
                           GetPropW(hwnd, L"PROCADDR") != nullptr};
        HWND icon = GetDlgItem(hwnd, MessageBoxIconId);
        box.iconShown = icon && IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          wchar_t childClass[16] = {};
          GetClassNameW(child, childClass, 16);
          if (lstrcmpiW(childClass, L"Button") == 0 && IsWindowVisible(child))
            box.buttons.push_back(TextOf(child));
        }
        active->seen_.push_back(box);
        PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
        return FALSE;
      },
      0);
}

}  // namespace test
