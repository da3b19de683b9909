#pragma once
// Window classes of this module, registered once per process.
#include <windows.h>

namespace platform {

// Registers the class unless it exists already; true when it exists afterwards.
// extraBytes: window extra bytes for an owner pointer; background: 0 for none.
inline bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int extraBytes = 0,
                                HBRUSH background = nullptr) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = extraBytes;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace platform
