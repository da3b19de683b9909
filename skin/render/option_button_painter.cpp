// The option-button glyph: a circle at the control's left edge, vertically centred, drawn
// in place so that its transparent corners keep the control's own painting.
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

int PaintOptionButton(HWND hwnd, int state, bool force) {
  if (ReadIntProp(hwnd, PropOldState) == state && !force) return 0;
  WriteProp(hwnd, PropOldState, state);

  WindowBox box;
  GetWindowBox(hwnd, box);
  const int cx = GetSystemMetrics(SM_CXMENUCHECK);
  const int cy = GetSystemMetrics(SM_CYMENUCHECK);
  const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
  const int y0 = HalfRounded(box.Height - cy);
  const bool enabled = IsWindowEnabled(hwnd);
  WindowDc windowDc(hwnd);

  const SkinPiece* circle = nullptr;
  if (!enabled) {
    circle = &OptionCircles[StateDisabled];
  } else if (state >= StateNormal && state <= StatePressed) {
    circle = &OptionCircles[state];
  }
  if (circle) DrawPiece(windowDc, 0, y0, cx, cy, GlyphBitmap, *circle, OptionCircleMargins,
                        SkinKeyColor);
  if (check == BST_CHECKED) {
    const SkinPiece& dot = OptionDot[enabled];
    DrawGlyph(windowDc, HalfRounded(cx - dot.w), RoundHalfEven(y0 + (cy - dot.h) / 2.0),
              CheckBitmap, dot);
  }
  return 1;
}

}  // namespace skin
