// The CSS named colours and their Chinese names: the table itself, lookups by either name,
// and the nearest named colour by CIEDE2000.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "colour/named_colours.h"

using colour::FindNamedColour;
using colour::NamedColour;
using colour::Rgb8;

// Alphabetical and unique in lower-case ASCII, each with a Chinese name of ideographs that
// no other colour has; every gray has a grey twin of the same colour (seven pairs).
TEST(NamedColours, TableHasEveryCssColourOnceInBothLanguages) {
  const auto table = colour::NamedColours();
  ASSERT_EQ(table.size(), 148u);
  std::set<std::wstring_view> chinese;
  int grayPairs = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const NamedColour& entry = table[i];
    if (i > 0) {
      EXPECT_LT(table[i - 1].english, entry.english);
    }
    for (wchar_t c : entry.english) EXPECT_TRUE(c >= L'a' && c <= L'z') << i;
    EXPECT_FALSE(entry.chinese.empty()) << i;
    for (wchar_t c : entry.chinese) EXPECT_GE(c, 0x4E00) << i;  // CJK ideographs only
    EXPECT_TRUE(chinese.insert(entry.chinese).second) << "Chinese name repeated at " << i;
    if (const std::size_t at = entry.english.find(L"gray"); at != std::wstring_view::npos) {
      std::wstring grey(entry.english);
      const NamedColour* twin = FindNamedColour(grey.replace(at, 4, L"grey"));
      ASSERT_NE(twin, nullptr) << i;
      EXPECT_EQ(twin->rgb, entry.rgb) << i;
      ++grayPairs;
    }
  }
  EXPECT_EQ(grayPairs, 7);
}

// Values from the CSS Color Module; English names in any case, Chinese names exactly.
TEST(NamedColours, LooksUpEnglishInAnyCaseAndChineseExactly) {
  const struct {
    std::wstring name;
    const wchar_t* english;  // nullptr: no such colour
    Rgb8 rgb;
  } cases[] = {
      {L"red", L"red", {0xFF, 0, 0}},
      {L"RED", L"red", {0xFF, 0, 0}},
      {L"RebeccaPurple", L"rebeccapurple", {0x66, 0x33, 0x99}},
      {L"LIGHTGOLDENRODYELLOW", L"lightgoldenrodyellow", {0xFA, 0xFA, 0xD2}},
      {L"丽贝卡紫", L"rebeccapurple", {0x66, 0x33, 0x99}},
      {L"灰色", L"gray", {0x80, 0x80, 0x80}},
      {L"中灰色", L"grey", {0x80, 0x80, 0x80}},
      {L"猩红色", L"crimson", {0xDC, 0x14, 0x3C}},
      {L"aliceblue", L"aliceblue", {0xF0, 0xF8, 0xFF}},
      {L"yellowgreen", L"yellowgreen", {0x9A, 0xCD, 0x32}},
      {L"cornflowerblue", L"cornflowerblue", {0x64, 0x95, 0xED}},
      {L"darkseagreen", L"darkseagreen", {0x8F, 0xBC, 0x8F}},
      {L"mediumpurple", L"mediumpurple", {0x93, 0x70, 0xDB}},
      {L"navajowhite", L"navajowhite", {0xFF, 0xDE, 0xAD}},
      {L"darkgray", L"darkgray", {0xA9, 0xA9, 0xA9}},
      {L"green", L"green", {0x00, 0x80, 0x00}},
      {L"lime", L"lime", {0x00, 0xFF, 0x00}},
      {L"teal", L"teal", {0x00, 0x80, 0x80}},
      {L"", nullptr, {}},
      {L"bleu", nullptr, {}},
      {L"red ", nullptr, {}},
      {L"lightgoldenrodyellows", nullptr, {}},
      {L"紅色", nullptr, {}},  // the traditional form is not the name
      {L"红色 ", nullptr, {}},
      {std::wstring(100000, L'a'), nullptr, {}},
  };
  for (const auto& c : cases) {
    const NamedColour* found = FindNamedColour(c.name);
    if (c.english == nullptr) {
      EXPECT_EQ(found, nullptr) << c.name.size();
      continue;
    }
    ASSERT_NE(found, nullptr) << c.english;
    EXPECT_EQ(found->english, c.english);
    EXPECT_EQ(found->rgb, c.rgb) << c.english;
  }
}

TEST(NamedColours, TheNearestIsItselfOrItsNeighbour) {
  for (const NamedColour& entry : colour::NamedColours()) {
    const colour::NearestNamed nearest = colour::NearestNamedColour(entry.rgb);
    ASSERT_NE(nearest.colour, nullptr);
    // Colours CSS names twice (aqua and cyan, the gray/grey spellings) find the first.
    EXPECT_EQ(nearest.colour->rgb, entry.rgb) << entry.english.size();
    EXPECT_LE(nearest.colour->english, entry.english);
    EXPECT_EQ(nearest.deltaE, 0.0);
  }
  const struct {
    Rgb8 rgb;
    const wchar_t* english;
    double atMost;  // CIEDE2000
  } cases[] = {
      {{0xFE, 0x01, 0x01}, L"red", 1.0},     {{0x66, 0x33, 0x98}, L"rebeccapurple", 1.0},
      {{0x01, 0x01, 0x01}, L"black", 1.0},   {{0x7F, 0x7F, 0x7F}, L"gray", 1.0},
      {{0xFF, 0x80, 0x00}, L"darkorange", 10.0},
  };
  for (const auto& c : cases) {
    const colour::NearestNamed nearest = colour::NearestNamedColour(c.rgb);
    ASSERT_NE(nearest.colour, nullptr);
    EXPECT_EQ(nearest.colour->english, c.english);
    EXPECT_GT(nearest.deltaE, 0.0);
    EXPECT_LE(nearest.deltaE, c.atMost);
  }
}
