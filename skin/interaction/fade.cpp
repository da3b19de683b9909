// The fade: a command button's face blended onto the window again and again, a little
// more opaque every 15 ms, until it covers the button.
#include "skin/interaction/fade.h"

#include "platform/window_services.h"
#include "skin/core/button_style.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/primitives.h"

namespace skin {

namespace {
constexpr int FadeStep = 3;

// One blend of the face of OLDSTATE at the given level, which the caller has read or chosen.
void BlendCurrentFace(HWND hwnd, HDC dc, int level) {
  // A disabled button shows its disabled face, whatever state it was in.
  if (!IsWindowEnabled(hwnd)) WriteProp(hwnd, PropOldState, StateDisabled);
  if (!IsFaceDrawnButtonStyle(ReadProp(hwnd, PropOldStyle))) return;

  WindowBox box;
  GetWindowBox(hwnd, box);
  HDC face = FaceDc(hwnd, ReadIntProp(hwnd, PropOldState));
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = static_cast<BYTE>(level);
  // The face is blended over whatever the window shows now, not over the previous face.
  if (dc) {
    AlphaBlend(dc, 0, 0, box.Width, box.Height, face, 0, 0, box.Width, box.Height, blend);
  } else {
    WindowDc windowDc(hwnd);
    AlphaBlend(windowDc, 0, 0, box.Width, box.Height, face, 0, 0, box.Width, box.Height, blend);
  }
}

}  // namespace

void BeginFade(HWND hwnd, int state, int fromLevel) {
  WriteProp(hwnd, PropOldState, state);
  WriteProp(hwnd, PropAlphaLevel, fromLevel);
  StartTimer(hwnd);
}

void StepFade(HWND hwnd) {
  int level = ReadIntProp(hwnd, PropAlphaLevel);
  BlendCurrentFace(hwnd, nullptr, level);
  level += FadeStep;
  if (level > FullyOpaque) {
    StopTimer(hwnd);
    WriteProp(hwnd, PropAlphaLevel, 0);
  } else {
    WriteProp(hwnd, PropAlphaLevel, level);
  }
}

void StopFade(HWND hwnd) {
  StopTimer(hwnd);
  WriteProp(hwnd, PropAlphaLevel, FullyOpaque);
}

void ShowFaceAtOnce(HWND hwnd, int state) {
  StopTimer(hwnd);
  BlendFace(hwnd, state, FullyOpaque);
  WriteProp(hwnd, PropAlphaLevel, 0);
}

void BlendFace(HWND hwnd, int state, int level) {
  WriteProp(hwnd, PropOldState, state);
  BlendCurrentFace(hwnd, nullptr, level);
}

int PaintButtonBlend(HWND hwnd, HDC dc) {
  BlendCurrentFace(hwnd, dc, ReadIntProp(hwnd, PropAlphaLevel));
  return 0;
}

UINT_PTR StartTimer(HWND hwnd) {
  // One timer per window: a running fade goes on with whatever state and level it finds.
  if (ReadProp(hwnd, PropTimerId) != 0) return 0;
  UINT_PTR id = platform::Services().setTimer(hwnd, FadeTimerId, FadeIntervalMs, nullptr);
  WriteProp(hwnd, PropTimerId, static_cast<LONG_PTR>(id));
  return id;
}

BOOL StopTimer(HWND hwnd) {
  auto id = static_cast<UINT_PTR>(ReadProp(hwnd, PropTimerId));
  if (id == 0) return FALSE;
  BOOL result = platform::Services().killTimer(hwnd, id);
  // The property stays, holding 0.
  WriteProp(hwnd, PropTimerId, 0);
  return result;
}

}  // namespace skin
