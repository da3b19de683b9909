#include "platform/active_object_keys.h"

namespace platform {

namespace {

ComPtr<IOleInPlaceActiveObject> Hold(IOleInPlaceActiveObject* object) {
  if (object) object->AddRef();
  return ComPtr<IOleInPlaceActiveObject>::Adopt(object);
}

}  // namespace

ActiveObjectKeys::ActiveObjectKeys(HWND window, IOleInPlaceActiveObject* object)
    : object_(Hold(object)), registration_(window, *this) {}

bool ActiveObjectKeys::PreviewKey(const MSG& msg) {
  // A reference of our own for the call: the control may end this route (its host
  // destroyed from a page's script, say) before it returns.
  ComPtr<IOleInPlaceActiveObject> object = Hold(object_.Get());
  if (!object) return false;
  // The method takes a non-const message; the loop's copy stays as it was.
  MSG copy = msg;
  return object->TranslateAccelerator(&copy) == S_OK;
}

}  // namespace platform
