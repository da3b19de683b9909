#include "site/catalogue.h"

#include <iterator>
#include <optional>
#include <string>

#include "site/site_address.h"

namespace site {

namespace {

// Licensed collections have pages that say why they are not here.
const ChartEntry ChartTable[] = {
    {PageId::Cmyk, L"/soft/qovu/cmyk-color.html", L"CMYK 颜色表",
     L"Ink tints as printed"},
    {PageId::Rgb216, L"/soft/qovu/rgb-color.html", L"RGB 颜色表",
     L"The 216-colour cube"},
    {PageId::PantoneC, L"/soft/qovu/PANTONE C.htm", L"PANTONE C",
     L"Licensed: not built in"},
    {PageId::PantoneU, L"/soft/qovu/PANTONE U.htm", L"PANTONE U",
     L"Licensed: not built in"},
    {PageId::PantoneCu, L"/soft/qovu/PANTONE CU.htm", L"PANTONE CU",
     L"Licensed: not built in"},
    {PageId::Ral, L"/soft/qovu/new_page_RAL.htm", L"RAL 国际色卡",
     L"Licensed: not built in"},
    {PageId::Rgb512, L"/soft/qovu/new_page_512.htm", L"512 颜色表",
     L"Eight levels a channel"},
    {PageId::Common, L"/soft/qovu/jdcolor.html", L"常用颜色表",
     L"148 CSS colours by hue"},
    {PageId::Chinese, L"/soft/qovu/zywdzcolor.html", L"中文对照颜色表",
     L"Chinese–English names"},
    {PageId::Mixer, L"/soft/qovu/txonlecolor.html", L"自定调色",
     L"Mix by RGB, HSV or CMYK"},
    {PageId::Codes, L"/soft/qovu/ysdmcolor.html", L"颜色代码表",
     L"Every code of a colour"},
    {PageId::Converter, L"/soft/qovu/fool.htm", L"颜色转换工具",
     L"Convert any notation"},
};

}  // namespace

std::span<const ChartEntry> Charts() { return ChartTable; }

const ChartEntry* ChartFor(PageId id) {
  for (const ChartEntry& chart : ChartTable)
    if (chart.id == id) return &chart;
  return nullptr;
}

PageId PageIdFor(std::wstring_view address) {
  std::optional<std::wstring> path = PagePathOf(address);
  if (!path) return PageId::NotFound;
  if (*path == StartPagePath) return PageId::Start;
  for (const ChartEntry& chart : ChartTable)
    if (*path == chart.path) return chart.id;
  return PageId::NotFound;
}

}  // namespace site
