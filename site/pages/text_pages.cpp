// Pages of running text: the licensed collections that are not built in, and "page not
// found".
#include <string>

#include "site/page_builders.h"

namespace site {

Page BuildLicensedPage(PageId id) {
  const ChartEntry* chart = ChartFor(id);
  const std::wstring title = chart ? chart->title : L"";
  const std::wstring path = chart ? chart->path : L"";
  Page page;
  page.id = id;
  page.title = title + L" · Not built in";
  page.subtitle = L"This colour collection is licensed by its owner, so Tintora does not carry it.";
  Section text;
  text.title = L"Why this chart is empty";
  text.paragraphs = {
      L"The colour values of " + title + L" belong to the collection's owner and may only be "
      L"published under licence. Tintora contains none of them: not in the program, not in "
      L"its source.",
      L"Tintora's own charts (CMYK, RGB, 512 colours, the named colours, colour codes, the "
      L"mixer and the converter) come from open data and work on every machine.",
  };
  page.sections.push_back(std::move(text));

  Section build;
  build.title = L"How to show it";
  build.paragraphs = {
      L"Build Tintora against a chart site that provides this chart. The site's address is "
      L"fixed when the program is built, with TINTORA_BASE_ADDRESS:",
      L"    cmake --preset win32 -DTINTORA_BASE_ADDRESS=https://charts.example.com",
      L"The buttons then load their pages from that site into the system's web browser; "
      L"this chart is the page " + path + L" there.",
  };
  page.sections.push_back(std::move(build));
  return page;
}

Page BuildNotFoundPage(std::wstring_view address) {
  Page page;
  page.id = PageId::NotFound;
  page.title = L"Page not found";
  page.subtitle = L"There is no page at this address:";
  Section text;
  text.paragraphs = {
      std::wstring(address),
      L"The chart buttons below still work, and the start page lists every chart.",
  };
  page.sections.push_back(std::move(text));
  return page;
}

}  // namespace site
