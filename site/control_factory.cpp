#include "site/control_factory.h"

#include <commctrl.h>

#include <cwchar>

#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/engine/detach.h"

namespace site {

namespace {

// The form runtime's option-button class; the skin knows it by this name.
constexpr wchar_t OptionButtonClassName[] = L"ThunderRT6OptionButton";
constexpr int MaxIntegerDigits = 9;

void EnsureCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}


}  // namespace

HWND CreatePageControl(HWND pane, const ControlSpec& wanted, HFONT font) {
  EnsureCommonControls();
  const RECT& r = wanted.bounds;
  HWND control = CreateWindowExW(
      wanted.exStyle, wanted.className, wanted.text, WS_CHILD | WS_VISIBLE | wanted.style, r.left, r.top,
      r.right - r.left, r.bottom - r.top, pane,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(wanted.id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  // The font goes in before the skin renders the control's faces from it.
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (wanted.subclass) SetWindowSubclass(control, wanted.subclass, wanted.subclassId, 0);
  return control;
}

HWND CreateUpDown(HWND pane, HWND buddy, int id, int low, int high, int value) {
  EnsureCommonControls();
  constexpr DWORD Style = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                          UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK;
  HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, L"", Style, 0, 0, 0, 0, pane,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!arrows) return nullptr;
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
  SendMessageW(arrows, UDM_SETPOS32, 0, static_cast<LPARAM>(value));
  return arrows;
}

void AttachPageControls(HWND pane) {
  if (!pane || !skin::IsSkinned(pane)) return;
  EnumChildWindows(pane, skin::AttachChildProc, 0);
}

void DetachPageControls(HWND pane) {
  if (pane) EnumChildWindows(pane, skin::DetachChildProc, 0);
}

const wchar_t* OptionButtonClass() {
  static const bool registered = [] {
    WNDCLASSEXW button{};
    button.cbSize = sizeof(button);
    if (!GetClassInfoExW(nullptr, L"Button", &button)) return false;
    button.hInstance = GetModuleHandleW(nullptr);
    button.lpszClassName = OptionButtonClassName;
    button.style &= ~CS_GLOBALCLASS;
    return RegisterClassExW(&button) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered ? OptionButtonClassName : L"Button";
}

std::wstring WindowTextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

bool ReadInteger(HWND edit, int& value) {
  std::wstring text = WindowTextOf(edit);
  if (text.empty() || text.size() > MaxIntegerDigits) return false;
  int result = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    result = result * 10 + (c - L'0');
  }
  value = result;
  return true;
}

}  // namespace site
