#pragma once
// The controls of the pages that have their own (the mixer and the converter): ordinary
// Win32 controls, children of the page pane, made when the page opens and destroyed when
// it closes.
#include <windows.h>

#include <memory>

#include "site/page.h"

namespace site {

class PageControls {
 public:
  virtual ~PageControls() = default;
  // Makes the controls in the room the layout kept on the page (the page at its top).
  virtual void Create(HWND pane, const Page& page, HFONT font) = 0;
  // A control's WM_COMMAND; true when the results changed.
  virtual bool OnCommand(int id, int code) = 0;
  // Writes the results into the page.
  virtual void Fill(Page& page) = 0;
};

// The controls of a page; null for pages without any.
std::unique_ptr<PageControls> MakePageControls(PageId id);

std::unique_ptr<PageControls> MakeMixerControls();
std::unique_ptr<PageControls> MakeConverterControls();

}  // namespace site
