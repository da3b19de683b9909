#pragma once
// The window services the skin engine reaches for timers and mouse tracking, gathered in
// one place so that a test can stand in for them (a timer that cannot be set, a user32
// without TrackMouseEvent). The defaults are the platform's own.
#include <windows.h>

namespace platform {

struct WindowServices {
  UINT_PTR(WINAPI* setTimer)(HWND, UINT_PTR, UINT, TIMERPROC);
  BOOL(WINAPI* killTimer)(HWND, UINT_PTR);
  // user32's TrackMouseEvent and comctl32's _TrackMouseEvent, looked up when first used.
  BOOL(WINAPI* trackMouseEvent)(LPTRACKMOUSEEVENT);
  BOOL(WINAPI* commonTrackMouseEvent)(LPTRACKMOUSEEVENT);
};

// The services in use; tests may replace members and put the defaults back.
WindowServices& Services();
WindowServices DefaultServices();

}  // namespace platform
