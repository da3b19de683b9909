// Which page an address shows: every chart and the start page, and all that is no page of the site.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "colour/named_colours.h"
#include "site/catalogue.h"
#include "site/pages/hue_families.h"
#include "site/site_address.h"

namespace site {
namespace {

TEST(SiteAddress, EachAddressShowsItsPage) {
  for (const ChartEntry& chart : Charts())
    EXPECT_EQ(PageIdFor(std::wstring(BuiltInOrigin) + chart.path), chart.id) << chart.path;
  const std::pair<const wchar_t*, PageId> cases[] = {
      // Scheme and host in any case, escapes decoded; a query or a fragment changes nothing.
      {L"HTTPS://WWW.Tintora.Example/b", PageId::Start},
      {L"https://www.tintora.example/soft/qovu/fool.htm?x=1#top", PageId::Converter},
      {L"https://www.tintora.example/soft/qovu/%63myk-color.html", PageId::Cmyk},
      // Paths are matched exactly, and decoded once.
      {L"https://www.tintora.example/", PageId::NotFound},
      {L"https://www.tintora.example/B", PageId::NotFound},
      {L"https://www.tintora.example/b/", PageId::NotFound},
      {L"https://www.tintora.example/soft/qovu/PANTONE%2520CU.htm", PageId::NotFound},
      {L"https://www.tintora.example.org/b", PageId::NotFound},
      {L"http://www.tintora.example:8080/b", PageId::NotFound},
      {L"www.tintora.example/b", PageId::NotFound},
  };
  for (const auto& [address, page] : cases) EXPECT_EQ(PageIdFor(address), page) << std::wstring(address);
}

TEST(SiteAddress, PercentEscapesDecodeAsUtf8AndMalformedOnesStay) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"%E4%B8%AD%E6%96%87", L"中文"}, {L"%e4%b8%ad", L"中"}, {L"100%", L"100%"}, {L"%2", L"%2"},
      {L"%zz%20", L"%zz "},              {L"%%20", L"% "},      {L"中 文", L"中 文"}};
  for (const auto& [text, decoded] : cases) EXPECT_EQ(PercentDecode(text), decoded) << std::wstring(text);
}

TEST(HueFamilies, EveryNamedColourIsInExactlyOneFamily) {
  size_t members = 0;
  for (const HueFamily& family : HueFamilies()) members += family.names.size();
  EXPECT_EQ(members, colour::NamedColours().size());
  for (const colour::NamedColour& named : colour::NamedColours())
    EXPECT_NE(FamilyOf(named.english), nullptr) << std::wstring(named.english);
}

}  // namespace
}  // namespace site
