#pragma once
// The builders of the site's pages, one file each (or one for a family of pages).
#include <string_view>

#include "site/page.h"

namespace site {

Page BuildStartPage();
Page BuildCmykPage();
Page BuildRgb216Page();
Page BuildRgb512Page();
Page BuildCommonColoursPage();
Page BuildChineseTablePage();
Page BuildColourCodesPage();
Page BuildLicensedPage(PageId id);  // the PANTONE and RAL pages
Page BuildNotFoundPage(std::wstring_view address);
// The mixer's and the converter's pages before their controls fill in the results.
Page BuildMixerPage();
Page BuildConverterPage();

// The page an address shows.
Page BuildPage(PageId id, std::wstring_view address);

}  // namespace site
