#pragma once
// Making a page's controls: created as children of the page pane and given the form's
// font; once a page has made them all, they are attached to the skin when the pane wears
// it, so that they look like every other control of the program.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace site {

struct ControlSpec {
  const wchar_t* className = L"";
  const wchar_t* text = L"";
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are added
  DWORD exStyle = 0;
  RECT bounds{};    // pane client pixels
  int id = 0;
  // A procedure of the page's own under the skin's, installed before the skin attaches.
  SUBCLASSPROC subclass = nullptr;
  UINT_PTR subclassId = 0;
};

HWND CreatePageControl(HWND pane, const ControlSpec& wanted, HFONT font);

// Attaches the pane's controls to the skin when the pane is skinned. Controls made after
// the form was skinned announce themselves to nobody, so the page does what the skin did
// for the form's own. Called after every control and every subclass of them is in place:
// the skin's procedure must be the outermost, or its removal would cut later ones out.
void AttachPageControls(HWND pane);
// The reverse, before any of the controls goes: with the skin's procedure off them, each
// later subclass can be taken off in its own order (up-down arrows take theirs off their
// text box when they are destroyed).
void DetachPageControls(HWND pane);

// Up-down arrows bound to an edit's right edge, setting the edit's number in [low, high].
HWND CreateUpDown(HWND pane, HWND buddy, int id, int low, int high, int value);

// The option-button class the skin draws as option buttons: a button superclass under the
// form runtime's option-button name. Registered on first use.
const wchar_t* OptionButtonClass();

// An edit's text as a whole number; nothing when it is not one.
bool ReadInteger(HWND edit, int& value);
std::wstring WindowTextOf(HWND hwnd);

// A control the page owns: destroyed with the page.
class OwnedWindow {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND hwnd) : hwnd_(hwnd) {}
  ~OwnedWindow() { reset(); }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  OwnedWindow& operator=(HWND hwnd) {
    reset();
    hwnd_ = hwnd;
    return *this;
  }
  void reset() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
  HWND get() const { return hwnd_; }
  operator HWND() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace site
