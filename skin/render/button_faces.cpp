// The four faces of a command button: their buffers, and the faces rendered ahead into them.
#include "skin/render/button_faces.h"

#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {
// Caption and focus rectangle keep this far from the face's edge.
constexpr int CaptionInset = 2;
}  // namespace

FaceBuffers::~FaceBuffers() {
  for (int n = 0; n < FaceCount; ++n) {
    if (dcs_[n]) DeleteDC(dcs_[n]);
    if (bitmaps_[n]) DeleteObject(bitmaps_[n]);
  }
}

bool FaceBuffers::Make(HWND hwnd, int width, int height) {
  WindowDc windowDc(hwnd);
  for (int n = 0; n < FaceCount; ++n) {
    dcs_[n] = CreateCompatibleDC(windowDc);
    bitmaps_[n] = CreateCompatibleBitmap(windowDc, width, height);
    if (!dcs_[n] || !bitmaps_[n]) return false;
    DeleteObject(SelectObject(dcs_[n], bitmaps_[n]));
  }
  for (int n = 0; n < FaceCount; ++n) {
    WriteProp(hwnd, FaceDcPropName(n), reinterpret_cast<LONG_PTR>(dcs_[n]));
    WriteProp(hwnd, FaceBitmapPropName(n), reinterpret_cast<LONG_PTR>(bitmaps_[n]));
  }
  RenderButtonFaces(hwnd);
  return true;
}

void FaceBuffers::Forget(HWND hwnd) {
  for (int n = 0; n < FaceCount; ++n) {
    DeleteProp(hwnd, FaceDcPropName(n));
    DeleteProp(hwnd, FaceBitmapPropName(n));
  }
}

void FaceBuffers::Keep() {
  for (int n = 0; n < FaceCount; ++n) {
    dcs_[n] = nullptr;
    bitmaps_[n] = nullptr;
  }
}

void ResizeButtonFaces(HWND hwnd, int width, int height) {
  WindowDc windowDc(hwnd);
  // The face buffers stay; the bitmaps inside them are replaced and recorded, so that the
  // removal of the skin frees the ones the buffers hold. All four are made first.
  GdiObject<HBITMAP> bitmaps[FaceCount];
  bool made = true;
  for (auto& bitmap : bitmaps) {
    bitmap.reset(CreateCompatibleBitmap(windowDc, width, height));
    made = made && bitmap;
  }
  for (int n = 0; made && n < FaceCount; ++n) {
    // A buffer that is gone (its window destroyed by its own procedure) takes nothing.
    HDC face = FaceDc(hwnd, n);
    HGDIOBJ old = face ? SelectObject(face, bitmaps[n]) : nullptr;
    if (!old) continue;
    DeleteObject(old);
    WriteProp(hwnd, FaceBitmapPropName(n), reinterpret_cast<LONG_PTR>(bitmaps[n].release()));
  }
  RenderButtonFaces(hwnd);
}

void ReleaseButtonFaces(HWND hwnd) {
  for (int n = 0; n < FaceCount; ++n) {
    HDC face = FaceDc(hwnd, n);
    HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(ReadProp(hwnd, FaceBitmapPropName(n)));
    if (face) DeleteDC(face);
    if (bitmap) DeleteObject(bitmap);
    DeleteProp(hwnd, FaceDcPropName(n));
    DeleteProp(hwnd, FaceBitmapPropName(n));
  }
}

void RenderButtonFaces(HWND hwnd) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  const std::wstring caption = WindowText(hwnd);
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  // The focus rectangle is part of every face while the button has the focus.
  const bool focused = GetFocus() == hwnd;
  const int inner = 2 * CaptionInset;

  for (int n = 0; n < FaceCount; ++n) {
    HDC face = FaceDc(hwnd, n);
    if (!face) continue;
    Selected selectedFont(face, font);
    SetBkMode(face, TRANSPARENT);
    DrawPiece(face, 0, 0, box.Width, box.Height, ButtonBitmap, ButtonFaces[n],
              ButtonFaceMargins);
    SetTextColor(face, n == StateDisabled ? DisabledCaptionColor : Black);
    DrawCaption(face, caption, CaptionInset, CaptionInset, box.Width - inner,
                box.Height - inner, CaptionFormat);
    if (focused)
      DrawFocusBox(face, CaptionInset, CaptionInset, box.Width - inner, box.Height - inner);
  }
}

}  // namespace skin
