#include "site/view_fonts.h"

#include <initializer_list>

#include "platform/form_design.h"
#include "skin/render/gdi_guard.h"

namespace site {

namespace {

constexpr int PointsPerInch = 72;
constexpr int TitlePoints = 15;
constexpr int HeadingPoints = 9;

HFONT MakeFont(const wchar_t* face, int points, int weight, BYTE charset, BYTE quality) {
  skin::ScreenDc screen;
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), PointsPerInch);
  font.lfWeight = weight;
  font.lfCharSet = charset;
  font.lfQuality = quality;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace

ViewFonts::ViewFonts() {
  const platform::FontSpec& form = platform::DefaultFormFont;
  // As the forms draw it: the Song face crisp, from its embedded bitmaps.
  body_ = MakeFont(form.face, form.points, form.weight, form.charset, NONANTIALIASED_QUALITY);
  // Titles and headings in the same face, bold: a sans face would need a Chinese face
  // linked behind it, which not every machine has.
  heading_ = MakeFont(form.face, HeadingPoints, FW_BOLD, form.charset, NONANTIALIASED_QUALITY);
  title_ = MakeFont(form.face, TitlePoints, FW_BOLD, form.charset, ANTIALIASED_QUALITY);
}

ViewFonts::~ViewFonts() {
  for (HFONT font : {title_, heading_, body_})
    if (font) DeleteObject(font);
}

}  // namespace site
