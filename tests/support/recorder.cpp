#include "tests/support/recorder.h"

#include <set>
#include <string>

namespace test {

namespace {

constexpr wchar_t OriginalProcProp[] = L"TestOriginalProc";
std::vector<Recorded> logged;
Recorder::Hook hook;

// Logs the message; true when the hook answered it.
bool Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  logged.push_back(Recorded{hwnd, message, wParam, lParam});
  return hook && hook(hwnd, message, wParam, lParam, result);
}

LRESULT CALLBACK RecordingSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, OriginalProcProp));
  LRESULT result = 0;
  if (Record(hwnd, message, wParam, lParam, result)) return result;
  if (message == WM_NCDESTROY) RemovePropW(hwnd, OriginalProcProp);
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace

std::vector<Recorded>& Recorder::Log() { return logged; }

int Recorder::Count(UINT message, HWND hwnd) {
  int count = 0;
  for (const Recorded& r : logged) count += r.message == message && (!hwnd || r.hwnd == hwnd);
  return count;
}

void Recorder::SetHook(Hook next) { hook = std::move(next); }

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Record(hwnd, message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateRecordingWindow(const wchar_t* className, HWND parent, DWORD style, int x, int y,
                           int w, int h) {
  static std::set<std::wstring> registered;
  if (registered.insert(className).second) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
  }
  if (!style) style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
  return CreateWindowExW(0, className, L"", style, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void InstallRecordingSubclass(HWND hwnd) {
  LONG_PTR original =
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingSubclassProc));
  SetPropW(hwnd, OriginalProcProp, reinterpret_cast<HANDLE>(original));
}

}  // namespace test
