#pragma once
// Key messages offered to a window's own handler before the message loop's form keys.
//
// An embedded control that keeps its own keyboard interface (the web-browser control's
// page fields, say) must see Tab, Delete and the clipboard keys before the form turns
// Tab into a move to the next control or Enter and Esc into button clicks. The control's
// host registers a preview for its window; the loop offers it every key message aimed at
// that window or at a window inside it, and a message the preview takes goes no further:
// no translation, no dispatch, no form keys.
#include <windows.h>

namespace platform {

class KeyPreview {
 public:
  virtual ~KeyPreview() = default;
  // True when the message was used up.
  virtual bool PreviewKey(const MSG& msg) = 0;
};

// Offers key messages aimed at window or its descendants to preview, on the calling thread,
// for as long as the registration lives. The preview must outlive the registration. A
// later registration for the same window or one inside it takes precedence.
class KeyPreviewRegistration {
 public:
  KeyPreviewRegistration(HWND window, KeyPreview& preview);
  ~KeyPreviewRegistration();
  KeyPreviewRegistration(const KeyPreviewRegistration&) = delete;
  KeyPreviewRegistration& operator=(const KeyPreviewRegistration&) = delete;
};

// Offers a keyboard message (key down and up, characters, system keys) to the preview
// registered for its window, if any; true when the preview used it up. Other messages are
// not offered.
bool PreviewKeyMessage(const MSG& msg);

}  // namespace platform
