#pragma once
// A recording window procedure, in the manner of message-sequence tests: windows of the
// classes registered here log every message they receive and answer with programmable
// results, so a test can tell exactly what reached a window's own procedure.
#include <windows.h>

#include <functional>
#include <string>
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
  // Messages of one number that reached the recording procedure.
  static std::vector<Recorded> Of(UINT message);
  static int Count(UINT message) { return static_cast<int>(Of(message).size()); }
  // A hook that runs inside the recording procedure for every message it logs; returning
  // true with a result answers the message instead of DefWindowProc.
  using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
  static void SetHook(Hook hook);
};

// The recording procedure itself: logs, then the hook, then DefWindowProcW.
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class of the given name with RecordingProc.
void RegisterRecordingClass(const wchar_t* name);

// A top-level or child window of a recording class.
HWND CreateRecordingWindow(const wchar_t* className, HWND parent = nullptr,
                           DWORD style = 0, int x = 0, int y = 0, int w = 100, int h = 100);

// Puts a recording procedure in front of a window's own: every message is logged (and
// offered to the hook) before it reaches the original procedure. Installed before the
// skin, it shows exactly what the skin passes on as the "previous procedure".
void InstallRecordingSubclass(HWND hwnd);

}  // namespace test
