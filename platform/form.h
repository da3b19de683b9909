#pragma once
// A form: a top-level window of the runtime's own class (FormClassName), built from a control
// table in twips, with the load, mouse and click events the application's forms handle.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/form_class.h"
#include "platform/form_design.h"

namespace platform {

// Mouse buttons and shift keys as the form events report them.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

class Form {
 public:
  Form(const FormDesign& design, std::vector<ControlDesign> controls);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window and its controls (hidden) and runs Form_Load. Loaded already: nothing.
  void Load();
  // Loads the form if needed, then shows it modeless and without an owner.
  void Show();
  // Destroys the window; the form can be loaded again later.
  void Unload();

  bool IsLoaded() const { return hwnd_ != nullptr; }
  HWND hwnd() const { return hwnd_; }
  const FormDesign& design() const { return design_; }

  // The window of a windowed control (text box, command button); null for others.
  HWND Control(std::wstring_view name, int index = -1) const;
  // Screen rectangle of any control, windowless ones included, in client pixels.
  RECT ControlRect(std::wstring_view name, int index = -1) const;
  std::wstring Text(std::wstring_view name, int index = -1) const;
  void SetText(std::wstring_view name, const std::wstring& text, int index = -1);
  void SetFocusTo(std::wstring_view name, int index = -1);

  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF colour);
  // Position of the window's top-left corner in screen twips.
  float Top() const;
  float Left() const;
  void SetTop(float twips);
  void SetLeft(float twips);
  void Minimize();

  // Clicks a control as the user would: the form's click event for it runs.
  void ClickControl(std::wstring_view name, int index = -1);

  // Tab, Enter, Esc and access keys; true when the key was the form's.
  bool HandleKey(const MSG& msg);

  // The form of a window of the form class, or null.
  static Form* FromWindow(HWND hwnd);
  static constexpr const wchar_t* WindowClass = FormClassName;

 protected:
  // Controls the table cannot describe (an embedded browser, say), made after the table's
  // and before Form_Load, as part of loading the form.
  virtual void CreateOtherControls() {}
  // Puts a window made outside the table into the tab order at tabIndex; the tab stops
  // inside it (WS_TABSTOP descendants, as they are when Tab is pressed) follow it.
  void AddTabStop(HWND window, int tabIndex);
  virtual void Form_Load() {}
  // A press on the form's surface (not on a control), and its release: the release is
  // reported only when the press kept the mouse until then.
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  // A command button, label or image was clicked.
  virtual void Control_Click(const ControlDesign& /*control*/) {}

 private:
  struct ControlState {
    ControlDesign design;
    HWND hwnd = nullptr;
    std::wstring text;  // labels: the caption drawn
    RECT rect{};        // client pixels
    HBRUSH backBrush = nullptr;
    HBITMAP picture = nullptr;
  };

  static void EnsureWindowClass();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void ReleaseResources();
  HFONT FontFor(const FontSpec* font);
  int FindIndex(std::wstring_view name, int index) const;
  int ControlAt(POINT point) const;
  int ControlFromWindow(HWND hwnd) const;
  void Paint();
  void OnButtonDown(int button, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(int button, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam);
  std::vector<HWND> TabOrder() const;
  void MoveFocus(bool forward);
  HWND FocusTarget() const;

  FormDesign design_;
  std::vector<ControlState> controls_;
  HWND hwnd_ = nullptr;
  COLORREF backColor_;
  HBRUSH backBrush_ = nullptr;
  HBITMAP picture_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::vector<std::pair<const FontSpec*, HFONT>> fonts_;
  std::vector<std::pair<HWND, int>> otherTabStops_;  // window, tab index
  HWND lastFocus_ = nullptr;
  int pressedControl_ = -1;  // windowless control holding the mouse, -1 for none
  bool surfacePressed_ = false;
};

}  // namespace platform
