// The drop-down button of a combo box or drive list, at the control's right edge.
#include "skin/core/combo_style.h"
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

namespace {
// The button keeps this margin to the control's right, top and bottom edges.
constexpr int ButtonMargin = 1;
}  // namespace

void PaintComboButton(HWND hwnd, HDC dc, int& state, bool force) {
  if (SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0)) state = StatePressed;
  if (ReadIntProp(hwnd, PropOldState) == state && !force) return;
  if (!HasDropButton(GetWindowLongPtrW(hwnd, GWL_STYLE))) return;
  WriteProp(hwnd, PropOldState, state);

  WindowBox box;
  GetWindowBox(hwnd, box);
  const int w = GetSystemMetrics(SM_CXVSCROLL) + 1;
  const int h = box.Height - 2 * ButtonMargin;
  MemorySurface button(w, h);
  if (state == StateHover) {
    DrawPiece(button, 0, 0, w, h, ComboBitmap, ComboHoverStrip, ComboStripMargins);
  } else if (state == StatePressed) {
    DrawPiece(button, 0, 0, w, h, ComboBitmap, ComboPressedStrip, ComboStripMargins);
  } else {
    FillSolid(button, 0, 0, w, h, White);
  }
  const SkinPiece& arrow = ComboArrow[IsWindowEnabled(hwnd) ? 1 : 0];
  DrawGlyph(button, HalfRounded(w - arrow.w), HalfRounded(box.Height - 6), ComboBitmap, arrow);

  CopyToWindow(hwnd, dc, box.Width - w - ButtonMargin, ButtonMargin, w, h, button);
}

}  // namespace skin
