// The CSS named colours and their Chinese names: the table itself and lookups.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "colour/named_colours.h"

using colour::FindNamedColour;
using colour::NamedColour;
using colour::Rgb8;

TEST(NamedColours, TableHasEveryCssColourOnceInBothLanguages) {
  const auto table = colour::NamedColours();
  ASSERT_EQ(table.size(), 148u);
  std::set<std::wstring_view> chinese;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const NamedColour& entry = table[i];
    // Alphabetical and unique: each name after the one before it.
    if (i > 0) {
      EXPECT_LT(table[i - 1].english, entry.english);
    }
    for (wchar_t c : entry.english) EXPECT_TRUE(c >= L'a' && c <= L'z') << i;
    EXPECT_FALSE(entry.chinese.empty()) << i;
    for (wchar_t c : entry.chinese) EXPECT_GE(c, 0x4E00) << i;  // CJK ideographs only
    EXPECT_TRUE(chinese.insert(entry.chinese).second) << "Chinese name repeated at " << i;
  }
}

TEST(NamedColours, ValuesFromTheCssColourModule) {
  const struct {
    const wchar_t* name;
    Rgb8 rgb;
  } cases[] = {
      {L"rebeccapurple", {0x66, 0x33, 0x99}}, {L"cornflowerblue", {0x64, 0x95, 0xED}},
      {L"darkseagreen", {0x8F, 0xBC, 0x8F}},  {L"lightgoldenrodyellow", {0xFA, 0xFA, 0xD2}},
      {L"mediumpurple", {0x93, 0x70, 0xDB}},  {L"navajowhite", {0xFF, 0xDE, 0xAD}},
      {L"darkgray", {0xA9, 0xA9, 0xA9}},      {L"gray", {0x80, 0x80, 0x80}},
      {L"green", {0x00, 0x80, 0x00}},         {L"lime", {0x00, 0xFF, 0x00}},
      {L"teal", {0x00, 0x80, 0x80}},          {L"yellowgreen", {0x9A, 0xCD, 0x32}},
  };
  for (const auto& c : cases) {
    const NamedColour* found = FindNamedColour(c.name);
    ASSERT_NE(found, nullptr) << c.name;
    EXPECT_EQ(found->rgb, c.rgb) << c.name;
  }
}

// Every grey is spelled both ways: seven pairs of one colour with two Chinese names.
TEST(NamedColours, GrayAndGreyAreTheSameColour) {
  int pairs = 0;
  for (const NamedColour& entry : colour::NamedColours()) {
    const std::size_t at = entry.english.find(L"gray");
    if (at == std::wstring_view::npos) continue;
    std::wstring grey(entry.english);
    grey.replace(at, 4, L"grey");
    const NamedColour* twin = FindNamedColour(grey);
    ASSERT_NE(twin, nullptr) << grey.size();
    EXPECT_EQ(twin->rgb, entry.rgb);
    ++pairs;
  }
  EXPECT_EQ(pairs, 7);
}

TEST(NamedColours, LooksUpEnglishInAnyCaseAndChineseExactly) {
  const struct {
    std::wstring name;
    const wchar_t* english;  // nullptr: no such colour
  } cases[] = {
      {L"red", L"red"},
      {L"RED", L"red"},
      {L"RebeccaPurple", L"rebeccapurple"},
      {L"LIGHTGOLDENRODYELLOW", L"lightgoldenrodyellow"},
      {L"丽贝卡紫", L"rebeccapurple"},
      {L"灰色", L"gray"},
      {L"中灰色", L"grey"},
      {L"猩红色", L"crimson"},
      {L"aliceblue", L"aliceblue"},
      {L"yellowgreen", L"yellowgreen"},
      {L"", nullptr},
      {L"bleu", nullptr},
      {L"red ", nullptr},
      {L"lightgoldenrodyellows", nullptr},
      {L"紅色", nullptr},  // the traditional form is not the name
      {L"红色 ", nullptr},
      {std::wstring(100000, L'a'), nullptr},
  };
  for (const auto& c : cases) {
    const NamedColour* found = FindNamedColour(c.name);
    if (c.english == nullptr) {
      EXPECT_EQ(found, nullptr) << c.name.size();
    } else {
      ASSERT_NE(found, nullptr) << c.english;
      EXPECT_EQ(found->english, c.english);
    }
  }
}
