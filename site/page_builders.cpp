#include "site/page_builders.h"

namespace site {

Page BuildPage(PageId id, std::wstring_view address) {
  switch (id) {
    case PageId::Start:
      return BuildStartPage();
    case PageId::Cmyk:
      return BuildCmykPage();
    case PageId::Rgb216:
      return BuildRgb216Page();
    case PageId::Rgb512:
      return BuildRgb512Page();
    case PageId::Common:
      return BuildCommonColoursPage();
    case PageId::Chinese:
      return BuildChineseTablePage();
    case PageId::Codes:
      return BuildColourCodesPage();
    case PageId::Mixer:
      return BuildMixerPage();
    case PageId::Converter:
      return BuildConverterPage();
    case PageId::PantoneCu:
    case PageId::PantoneU:
    case PageId::PantoneC:
    case PageId::Ral:
      return BuildLicensedPage(id);
    case PageId::NotFound:
      break;
  }
  return BuildNotFoundPage(address);
}

}  // namespace site
