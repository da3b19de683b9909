// Which page an address shows: every chart, the start page, blanks written either way, and
// everything that is no page of the built-in site.
#include <gtest/gtest.h>

#include <string>

#include "colour/named_colours.h"
#include "site/catalogue.h"
#include "site/pages/hue_families.h"
#include "site/site_address.h"

namespace {

using site::PageId;

struct AddressCase {
  const wchar_t* address;
  PageId page;
};

const AddressCase AddressCases[] = {
    {L"https://www.tintora.example/b", PageId::Start},
    {L"https://www.tintora.example/soft/qovu/cmyk-color.html", PageId::Cmyk},
    {L"https://www.tintora.example/soft/qovu/rgb-color.html", PageId::Rgb216},
    {L"https://www.tintora.example/soft/qovu/PANTONE CU.htm", PageId::PantoneCu},
    {L"https://www.tintora.example/soft/qovu/PANTONE%20CU.htm", PageId::PantoneCu},
    {L"https://www.tintora.example/soft/qovu/PANTONE U.htm", PageId::PantoneU},
    {L"https://www.tintora.example/soft/qovu/PANTONE%20U.htm", PageId::PantoneU},
    {L"https://www.tintora.example/soft/qovu/PANTONE C.htm", PageId::PantoneC},
    {L"https://www.tintora.example/soft/qovu/PANTONE%20C.htm", PageId::PantoneC},
    {L"https://www.tintora.example/soft/qovu/new_page_RAL.htm", PageId::Ral},
    {L"https://www.tintora.example/soft/qovu/new_page_512.htm", PageId::Rgb512},
    {L"https://www.tintora.example/soft/qovu/jdcolor.html", PageId::Common},
    {L"https://www.tintora.example/soft/qovu/zywdzcolor.html", PageId::Chinese},
    {L"https://www.tintora.example/soft/qovu/txonlecolor.html", PageId::Mixer},
    {L"https://www.tintora.example/soft/qovu/ysdmcolor.html", PageId::Codes},
    {L"https://www.tintora.example/soft/qovu/fool.htm", PageId::Converter},
    // Scheme and host in any case; a query or a fragment does not change the page.
    {L"HTTPS://WWW.Tintora.Example/b", PageId::Start},
    {L"https://www.tintora.example/soft/qovu/fool.htm?x=1#top", PageId::Converter},
    {L"https://www.tintora.example/soft/qovu/%63myk-color.html", PageId::Cmyk},
    // Paths are matched exactly.
    {L"https://www.tintora.example/", PageId::NotFound},
    {L"https://www.tintora.example", PageId::NotFound},
    {L"https://www.tintora.example/B", PageId::NotFound},
    {L"https://www.tintora.example/b/", PageId::NotFound},
    {L"https://www.tintora.example/soft/qovu/PANTONE%2520CU.htm", PageId::NotFound},
    {L"https://www.tintora.example/soft/qovu/PANTONECU.htm", PageId::NotFound},
    {L"https://www.tintora.example/soft/qovu/pantone cu.htm", PageId::NotFound},
    {L"https://www.tintora.example/soft/qovu/", PageId::NotFound},
    {L"https://www.tintora.example/soft/qovu/nothing.html", PageId::NotFound},
    // Other sites, and text that is no address.
    {L"https://www.tintora.example.org/b", PageId::NotFound},
    {L"https://tintora.example/b", PageId::NotFound},
    {L"http://www.tintora.example:8080/b", PageId::NotFound},
    {L"www.tintora.example/b", PageId::NotFound},
    {L"/b", PageId::NotFound},
    {L"", PageId::NotFound},
};

TEST(SiteAddress, EachAddressShowsItsPage) {
  for (const AddressCase& c : AddressCases)
    EXPECT_EQ(site::PageIdFor(c.address), c.page) << std::wstring(c.address).c_str();
}

TEST(SiteAddress, PercentEscapesDecodeAsUtf8AndMalformedOnesStay) {
  const struct {
    const wchar_t* text;
    const wchar_t* decoded;
  } cases[] = {
      {L"a%20b", L"a b"},           {L"%E4%B8%AD%E6%96%87", L"中文"},
      {L"%e4%b8%ad", L"中"},         {L"100%", L"100%"},
      {L"%2", L"%2"},               {L"%zz%20", L"%zz "},
      {L"%%20", L"% "},             {L"中 文", L"中 文"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(site::PercentDecode(c.text), c.decoded) << std::wstring(c.text).c_str();
}

TEST(HueFamilies, EveryNamedColourIsInExactlyOneFamily) {
  size_t members = 0;
  for (const site::HueFamily& family : site::HueFamilies()) members += family.names.size();
  EXPECT_EQ(members, colour::NamedColours().size());
  for (const colour::NamedColour& named : colour::NamedColours())
    EXPECT_NE(site::FamilyOf(named.english), nullptr) << std::wstring(named.english).c_str();
}

}  // namespace
