#pragma once
// Recording window procedures: windows of the classes registered here, and windows given the
// recording subclass, log every message their own procedure receives; a hook may answer any.
#include <windows.h>

#include <functional>
#include <vector>

namespace test {

struct Recorded {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class Recorder {
 public:
  static std::vector<Recorded>& Log();
  static void Clear() { Log().clear(); }
  // How many messages of one number reached the recording procedure (of one window).
  static int Count(UINT message, HWND hwnd = nullptr);
  // Runs for every message logged; returning true with a result answers the message.
  using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
  static void SetHook(Hook hook);
};

// The recording procedure of the recording classes: logs, the hook, then DefWindowProcW.
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window of a recording class (registered on first use); a pop-up without a parent.
HWND CreateRecordingWindow(const wchar_t* className, HWND parent = nullptr, DWORD style = 0,
                           int x = 0, int y = 0, int w = 100, int h = 100);

// Puts the recording procedure in front of a window's own. Installed before the skin, it
// shows exactly what the skin passes on as the previous procedure.
void InstallRecordingSubclass(HWND hwnd);

}  // namespace test
