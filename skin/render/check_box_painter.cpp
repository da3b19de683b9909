// The check-box glyph: a framed square at the control's left edge, vertically centred.
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/rounding.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

int PaintCheckBox(HWND hwnd, int state, bool force) {
  if (ReadIntProp(hwnd, PropOldState) == state && !force) return 0;
  WriteProp(hwnd, PropOldState, state);

  const int cx = GetSystemMetrics(SM_CXMENUCHECK);
  const int cy = GetSystemMetrics(SM_CYMENUCHECK);
  WindowBox box;
  GetWindowBox(hwnd, box);
  const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
  const bool enabled = IsWindowEnabled(hwnd);

  // Composed off screen and copied in one step, so the glyph never flickers.
  MemorySurface glyph(cx, cy);
  WindowDc windowDc(hwnd);
  FillSolid(glyph, 0, 0, cx, cy, White);
  if (enabled) {
    FrameSolid(glyph, 0, 0, cx, cy,
               state == StatePressed ? CheckFramePressedColor : SkinFrameColor);
    const SkinPiece* band = state == StateHover     ? &CheckHoverBand
                            : state == StatePressed ? &CheckPressedBand
                                                    : nullptr;
    if (band) {
      StretchBlt(glyph, 1, 1, cx - 2, cy - 2, GlyphBitmap, band->x, band->y, band->w, band->h,
                 SRCCOPY);
    }
  } else {
    FrameSolid(glyph, 0, 0, cx, cy, SkinFrameDisabledColor);
  }
  if (check == BST_CHECKED) {
    const SkinPiece& mark = CheckMark[enabled];
    DrawGlyph(glyph, HalfRounded(cx - mark.w), HalfRounded(cy - mark.h), CheckBitmap, mark);
  } else if (check == BST_INDETERMINATE) {
    const SkinPiece& square = IndeterminateSquare[enabled];
    DrawGlyph(glyph, HalfRounded(cx - square.w), HalfRounded(cy - square.h), CheckBitmap,
              square);
  }
  BitBlt(windowDc, 0, HalfRounded(box.Height - cy), cx, cy, glyph, 0, 0, SRCCOPY);
  return 1;
}

}  // namespace skin
