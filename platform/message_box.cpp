#include "platform/message_box.h"

namespace platform {

int MsgBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT buttons) {
  return MessageBoxW(owner, text.c_str(), title.c_str(), buttons);
}

}  // namespace platform
