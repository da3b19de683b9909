#include "tests/support/recorder.h"

#include <set>

namespace test {

namespace {
Recorder::Hook& CurrentHook() {
  static Recorder::Hook hook;
  return hook;
}
}  // namespace

std::vector<Recorded>& Recorder::Log() {
  static std::vector<Recorded> log;
  return log;
}

std::vector<Recorded> Recorder::Of(UINT message) {
  std::vector<Recorded> found;
  for (const Recorded& r : Log())
    if (r.message == message) found.push_back(r);
  return found;
}

void Recorder::SetHook(Hook hook) { CurrentHook() = std::move(hook); }

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Recorder::Log().push_back(Recorded{hwnd, message, wParam, lParam});
  LRESULT result = 0;
  if (CurrentHook() && CurrentHook()(hwnd, message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

namespace {
constexpr wchar_t OriginalProcProp[] = L"TestOriginalProc";

LRESULT CALLBACK RecordingSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, OriginalProcProp));
  Recorder::Log().push_back(Recorded{hwnd, message, wParam, lParam});
  LRESULT result = 0;
  if (CurrentHook() && CurrentHook()(hwnd, message, wParam, lParam, result)) return result;
  if (message == WM_NCDESTROY) RemovePropW(hwnd, OriginalProcProp);
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}
}  // namespace

void InstallRecordingSubclass(HWND hwnd) {
  LONG_PTR original =
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingSubclassProc));
  SetPropW(hwnd, OriginalProcProp, reinterpret_cast<HANDLE>(original));
}

void RegisterRecordingClass(const wchar_t* name) {
  static std::set<std::wstring> registered;
  if (registered.count(name)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  registered.insert(name);
}

HWND CreateRecordingWindow(const wchar_t* className, HWND parent, DWORD style, int x, int y,
                           int w, int h) {
  RegisterRecordingClass(className);
  if (!style) style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
  return CreateWindowExW(0, className, L"", style, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace test
