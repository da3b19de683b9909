#include "platform/window_services.h"

namespace platform {

namespace {

using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// Looked up at run time: the program starts on systems whose user32 lacks the export.
BOOL WINAPI User32TrackMouseEvent(LPTRACKMOUSEEVENT request) {
  static const auto proc = reinterpret_cast<TrackMouseEventProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "TrackMouseEvent")));
  return proc ? proc(request) : FALSE;
}

// comctl32 stays loaded for the rest of the process once it is needed.
BOOL WINAPI Comctl32TrackMouseEvent(LPTRACKMOUSEEVENT request) {
  static const auto proc = reinterpret_cast<TrackMouseEventProc>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comctl32.dll"), "_TrackMouseEvent")));
  return proc ? proc(request) : FALSE;
}

}  // namespace

WindowServices DefaultServices() {
  return WindowServices{&SetTimer, &KillTimer, &User32TrackMouseEvent, &Comctl32TrackMouseEvent};
}

WindowServices& Services() {
  static WindowServices services = DefaultServices();
  return services;
}

}  // namespace platform
