#include "app/gallery/kind_classes.h"

#include <windows.h>

#include <commctrl.h>

namespace gallery {

namespace {

void Superclass(const wchar_t* base, const wchar_t* name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(nullptr, base, &wc)) return;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  wc.style &= ~CS_GLOBALCLASS;
  RegisterClassExW(&wc);
}

}  // namespace

void RegisterKindClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  Superclass(L"Button", CheckBoxClass);
  Superclass(L"Button", OptionButtonClass);
  Superclass(L"ComboBox", DriveListClass);
  Superclass(PROGRESS_CLASSW, ProgressBarClass);
  Superclass(L"ListBox", DataListClass);
  WNDCLASSEXW grid{};
  grid.cbSize = sizeof(grid);
  grid.lpfnWndProc = DefWindowProcW;
  grid.hInstance = GetModuleHandleW(nullptr);
  grid.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  grid.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  grid.lpszClassName = GridClass;
  RegisterClassExW(&grid);
}

}  // namespace gallery
