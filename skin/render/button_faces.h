#pragma once
// The face buffers of a command button: one memory context per visual state, each holding
// a bitmap as large as the button, kept in the properties "0HDC".."3HDC" and
// "0BMP".."3BMP" from the attachment to the removal of the skin. RenderButtonFaces
// (painters.h) draws the faces into them.
#include <windows.h>

#include "skin/core/window_props.h"

namespace skin {

// The four buffers while a button is being attached: made together, and released with
// this object unless the window keeps them.
class FaceBuffers {
 public:
  FaceBuffers() = default;
  FaceBuffers(const FaceBuffers&) = delete;
  FaceBuffers& operator=(const FaceBuffers&) = delete;
  ~FaceBuffers();
  // Four buffers of width x height, recorded in the window's properties and rendered;
  // false when any of them cannot be made (nothing is recorded then).
  bool Make(HWND hwnd, int width, int height);
  // The attachment failed: the window's properties forget the buffers, which go with
  // this object.
  void Forget(HWND hwnd);
  // The window owns them now.
  void Keep();

 private:
  HDC dcs_[FaceCount]{};
  HBITMAP bitmaps_[FaceCount]{};
};

// New bitmaps of width x height in the buffers, the old ones freed, and the faces rendered
// again. When one cannot be made, every face keeps its old bitmap.
void ResizeButtonFaces(HWND hwnd, int width, int height);

// Frees the buffers and their bitmaps and removes their properties.
void ReleaseButtonFaces(HWND hwnd);

}  // namespace skin
