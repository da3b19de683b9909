#pragma once
// The embedded web browser of the main window, behind one operation: navigate.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace platform {

class Browser {
 public:
  virtual ~Browser() = default;
  // Loads the address into the browser, replacing the page shown. Never blocks.
  virtual void Navigate(const std::wstring& address) = 0;
  // The browser's outermost window, a child of the form it was created in.
  virtual HWND Window() const = 0;
};

// Makes a browser as a child of parent, at bounds (client pixels of parent).
using BrowserFactory =
    std::function<std::unique_ptr<Browser>(HWND parent, const RECT& bounds)>;

// The system's web-browser control hosted in place, or, where it cannot show pages,
// a plain window that shows the address last asked for. Decided once per process.
std::unique_ptr<Browser> CreateSystemBrowser(HWND parent, const RECT& bounds);

// The browser the forms get: the system browser unless a test has put in its own.
std::unique_ptr<Browser> CreateBrowser(HWND parent, const RECT& bounds);
// As above, with the form's own choice in place of the system browser; a test's factory
// still comes first.
std::unique_ptr<Browser> CreateBrowser(HWND parent, const RECT& bounds,
                                       const BrowserFactory& otherwise);
// Replaces the factory (tests inject a recording browser); an empty one restores the default.
void SetBrowserFactory(BrowserFactory factory);

}  // namespace platform
