#pragma once
// The fade of a command button: the face of its visual state blended onto the window again
// and again, a little more opaque every 15 ms, until it covers the button. Its state lives
// in the button's OLDSTATE (the face), ALPHALEVEL (the next blend's opacity) and TIMERID.
// A button's behaviours reach it through begin, step, stop and blend below and need not
// touch ALPHALEVEL or the timer themselves.
#include <windows.h>

namespace skin {

// The fade timer: id 1, one step every 15 ms, delivered as WM_TIMER.
inline constexpr UINT_PTR FadeTimerId = 1;
inline constexpr UINT FadeIntervalMs = 15;
// The level at which a blend covers the button with the face.
inline constexpr int FullyOpaque = 255;

// Begin: the face of `state` fades in from `fromLevel`. A fade already running goes on
// with the new face and level, on its own timer.
void BeginFade(HWND hwnd, int state, int fromLevel);
// Step: one WM_TIMER of the fade, whatever its id: a blend at the current level, then 3
// more; after the blend at 255 the fade ends at rest, level 0.
void StepFade(HWND hwnd);
// Stop: no more steps; the next blend (a paint's) shows the face of OLDSTATE whole.
void StopFade(HWND hwnd);
// Stop, showing the face of `state` whole at once; the fade then rests at level 0.
void ShowFaceAtOnce(HWND hwnd, int state);
// Blend: the face of `state` blended once onto the window at `level`, over whatever the
// window shows; the fade's own level and timer are left as they are.
void BlendFace(HWND hwnd, int state, int level);

// The parts the above are made of.
// Blends the face of OLDSTATE onto dc (0: the window's own) at ALPHALEVEL.
int PaintButtonBlend(HWND hwnd, HDC dc);
// Starts the window's fade timer; 0 when one is already running.
UINT_PTR StartTimer(HWND hwnd);
// Stops the window's fade timer; 0 when none was running.
BOOL StopTimer(HWND hwnd);

}  // namespace skin
