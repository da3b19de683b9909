// WM_PAINT: which controls the skin paints whole, which it paints over, which it frames.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/button_style.h"
#include "skin/core/combo_style.h"
#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/interaction/fade.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/header_items.h"
#include "skin/render/paint_handlers.h"
#include "skin/render/painters.h"
#include "skin/render/primitives.h"
#include "skin/render/progress.h"
#include "skin/render/rounding.h"
#include "skin/render/skin_colors.h"
#include "skin/render/skin_draw.h"

namespace skin {

namespace {


// Shown from its face buffers at full opacity; a running fade ends here.
LRESULT PaintCommandButton(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  if (!IsFaceDrawnButtonStyle(ReadProp(hwnd, PropOldStyle)))
    return CallPrevious(previous, hwnd, message, wParam, lParam);
  StopFade(hwnd);
  PaintDc paint(hwnd);
  PaintButtonBlend(hwnd, paint);
  return 0;
}

// An editable combo is painted whole (its edit field is a child window and paints
// itself); the other styles paint themselves first and get the flat frame over that.
LRESULT PaintComboBox(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  int state = ReadIntProp(hwnd, PropOldState);
  WindowBox box;
  GetWindowBox(hwnd, box);
  if (IsEditableDropDown(GetWindowLongPtrW(hwnd, GWL_STYLE))) {
    PaintDc paint(hwnd);
    FillSolid(paint, 0, 0, box.Width, box.Height, White);
    FrameSolid(paint, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
    PaintComboButton(hwnd, paint, state, true);
    return 0;
  }
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  WindowDc windowDc(hwnd);
  DrawFlatDoubleFrame(hwnd, windowDc);
  PaintComboButton(hwnd, windowDc, state, true);
  return result;
}

LRESULT PaintDriveList(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  int state = ReadIntProp(hwnd, PropOldState);
  WindowDc windowDc(hwnd);
  DrawFlatDoubleFrame(hwnd, windowDc);
  PaintComboButton(hwnd, windowDc, state, true);
  return result;
}

LRESULT PaintFramedList(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  WindowDc windowDc(hwnd);
  DrawFlatDoubleFrame(hwnd, windowDc);
  return result;
}

// One solid block from the bottom (vertical) or the left, composed off screen.
void PaintProgressBar(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int w = client.right - client.left;
  const int h = client.bottom - client.top;
  MemorySurface bar(w, h);
  const float f = ProgressFraction(hwnd);
  FillSolid(bar, 0, 0, w, h, White);
  if (f != 0) {
    if (style & PBS_VERTICAL) {
      FillSolid(bar, 0, RoundHalfEven(h - h * f), w, RoundHalfEven(f * h), ProgressFillColor);
    } else {
      FillSolid(bar, 0, 0, RoundHalfEven(f * w), h, ProgressFillColor);
    }
  }
  PaintDc paint(hwnd);
  BitBlt(paint, 0, 0, w, h, bar, 0, 0, SRCCOPY);
}

// Every item from its strip and text over the stretched background, in one copy.
void PaintHeader(HWND hwnd) {
  WindowBox box;
  GetWindowBox(hwnd, box);
  MemorySurface buffer(box.Width, box.Height);
  StretchBlt(buffer, 0, 0, box.Width, box.Height, HeaderBitmap, HeaderBackgroundColumn.x,
             HeaderBackgroundColumn.y, HeaderBackgroundColumn.w, HeaderBackgroundColumn.h,
             SRCCOPY);
  const int count = static_cast<int>(SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0));
  if (count > 0) {
    const int pressed = ReadIntProp(hwnd, PropHdIndex);
    const int hovered = ReadIntProp(hwnd, PropHmIndex);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    for (int i = 0; i < count; ++i) {
      RECT item{};
      SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      const std::wstring text = HeaderItemText(hwnd, i);
      // The pressed item wins when both indices name it.
      const int state = i == pressed ? StatePressed : i == hovered ? StateHover : StateNormal;
      DrawPiece(buffer, item.left, 0, item.right - item.left, box.Height, HeaderBitmap,
                HeaderStripFor(state), HeaderStripMargins);
      if (!text.empty()) {
        Selected selectedFont(buffer, font);
        SetBkMode(buffer, TRANSPARENT);
        DrawCaption(buffer, text, item.left, 0, item.right - item.left, item.bottom,
                    CaptionFormat);
      }
    }
  }
  PaintDc paint(hwnd);
  BitBlt(paint, 0, 0, box.Width, box.Height, buffer, 0, 0, SRCCOPY);
}

LRESULT PaintGrid(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) {
    WindowBox box;
    GetWindowBox(hwnd, box);
    WindowDc windowDc(hwnd);
    FrameSolid(windowDc, 0, 0, box.Width, box.Height, FrameColorFor(hwnd));
  }
  return result;
}

}  // namespace

LRESULT OnPaint(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (KindOf(hwnd)) {
    case SkinKind::CommandButton:
      return PaintCommandButton(previous, hwnd, message, wParam, lParam);
    case SkinKind::ComboBox:
      return PaintComboBox(previous, hwnd, message, wParam, lParam);
    case SkinKind::DriveList:
      return PaintDriveList(previous, hwnd, message, wParam, lParam);
    case SkinKind::CheckBox: {
      LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
      PaintCheckBox(hwnd, StateNormal, true);
      return result;
    }
    case SkinKind::OptionButton: {
      LRESULT result = CallPrevious(previous, hwnd, message, wParam, lParam);
      PaintOptionButton(hwnd, StateNormal, true);
      return result;
    }
    case SkinKind::DataList:
    case SkinKind::ComboList:
      return PaintFramedList(previous, hwnd, message, wParam, lParam);
    case SkinKind::ProgressBar:
      PaintProgressBar(hwnd);
      return 0;
    case SkinKind::Header:
      PaintHeader(hwnd);
      return 0;
    case SkinKind::Grid:
      return PaintGrid(previous, hwnd, message, wParam, lParam);
    case SkinKind::Form:
    case SkinKind::Other:
      break;
  }
  return CallPrevious(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
