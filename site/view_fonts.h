#pragma once
// The fonts the chart view draws with, made once for the view and deleted with it.
#include <windows.h>

namespace site {

class ViewFonts {
 public:
  ViewFonts();
  ~ViewFonts();
  ViewFonts(const ViewFonts&) = delete;
  ViewFonts& operator=(const ViewFonts&) = delete;

  HFONT title() const { return title_; }      // the page's title
  HFONT heading() const { return heading_; }  // section titles
  HFONT body() const { return body_; }        // labels, notes, the status line: the form's font

 private:
  HFONT title_ = nullptr;
  HFONT heading_ = nullptr;
  HFONT body_ = nullptr;
};

}  // namespace site
