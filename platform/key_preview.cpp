#include "platform/key_preview.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

struct Entry {
  const KeyPreviewRegistration* owner;
  HWND window;
  KeyPreview* preview;
};

// Per thread: key messages are read by the thread that owns the windows.
std::vector<Entry>& Entries() {
  thread_local std::vector<Entry> entries;
  return entries;
}

bool Covers(HWND window, HWND target) { return window == target || IsChild(window, target); }

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

KeyPreviewRegistration::KeyPreviewRegistration(HWND window, KeyPreview& preview) {
  Entries().push_back(Entry{this, window, &preview});
}

KeyPreviewRegistration::~KeyPreviewRegistration() {
  std::vector<Entry>& entries = Entries();
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [this](const Entry& e) { return e.owner == this; }),
                entries.end());
}

bool PreviewKeyMessage(const MSG& msg) {
  if (!IsKeyMessage(msg.message) || !msg.hwnd) return false;
  const std::vector<Entry>& entries = Entries();
  // Newest first, so that a control nested in another control's window is asked first.
  auto found = std::find_if(entries.rbegin(), entries.rend(),
                            [&msg](const Entry& e) { return Covers(e.window, msg.hwnd); });
  if (found == entries.rend()) return false;
  // Called with the list untouched from here on: the preview may register or end
  // registrations (a modal loop inside it, say) without harm.
  KeyPreview* preview = found->preview;
  return preview->PreviewKey(msg);
}

}  // namespace platform
