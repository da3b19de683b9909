#pragma once
// Key messages for an in-place OLE control, routed through its active object.
//
// An in-place control expects its container to hand it every key message before the
// container's own keyboard handling (its TranslateAccelerator): that is how Tab moves
// between the fields of a page, and how Delete and Ctrl+C/V/X/A reach the field that has
// the focus, none of which a plain dispatch to the control's window achieves.
#include <ole2.h>

#include "platform/com_ptr.h"
#include "platform/key_preview.h"

namespace platform {

// While it lives, key messages aimed at window or inside it are offered to object first.
// S_OK from the object uses a message up; any other result leaves it to the form and the
// usual dispatch. Holds a reference to object.
class ActiveObjectKeys final : public KeyPreview {
 public:
  ActiveObjectKeys(HWND window, IOleInPlaceActiveObject* object);
  ActiveObjectKeys(const ActiveObjectKeys&) = delete;
  ActiveObjectKeys& operator=(const ActiveObjectKeys&) = delete;

  bool PreviewKey(const MSG& msg) override;

 private:
  ComPtr<IOleInPlaceActiveObject> object_;
  // Declared last so that it ends first, while the object is still held.
  KeyPreviewRegistration registration_;
};

}  // namespace platform
