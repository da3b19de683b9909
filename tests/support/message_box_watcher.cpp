#include "tests/support/message_box_watcher.h"

#include "skin/render/primitives.h"

namespace test {

namespace {

constexpr int MessageBoxTextId = 0xFFFF;  // the box's text control
constexpr int MessageBoxIconId = 0x0440;
std::vector<SeenMessageBox>* watched = nullptr;

// Records and answers the first visible message box not answered yet.
BOOL CALLBACK Answer(HWND hwnd, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  for (const SeenMessageBox& box : *watched)
    if (box.hwnd == hwnd) return TRUE;
  HWND icon = GetDlgItem(hwnd, MessageBoxIconId);
  watched->push_back({hwnd, GetWindow(hwnd, GW_OWNER), skin::WindowText(hwnd),
                      skin::WindowText(GetDlgItem(hwnd, MessageBoxTextId)),
                      icon && IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0) != 0});
  PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
  if (watched) EnumThreadWindows(GetCurrentThreadId(), Answer, 0);
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(UINT intervalMs) {
  watched = &seen_;
  timer_ = SetTimer(nullptr, 0, intervalMs, Look);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  KillTimer(nullptr, timer_);
  watched = nullptr;
}

}  // namespace test
