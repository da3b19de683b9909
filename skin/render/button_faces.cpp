// The four faces of a command button, rendered ahead into its face buffers.
#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {
// Caption and focus rectangle keep this far from the face's edge.
constexpr int CaptionInset = 2;
}  // namespace

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
