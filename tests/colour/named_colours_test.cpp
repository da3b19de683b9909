// The CSS named colours and their Chinese names: the table itself, lookups by either name,
// and the nearest named colour by CIEDE2000.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "colour/named_colours.h"

namespace colour {
namespace {

// Alphabetical and unique in lower-case ASCII (lookups search it by halves), each with a
// Chinese name that no other colour has.
TEST(NamedColours, TableHasEveryCssColourOnceInBothLanguages) {
  const auto table = NamedColours();
  ASSERT_EQ(table.size(), 148u);
  std::set<std::wstring_view> chinese;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_TRUE(i == 0 || table[i - 1].english < table[i].english) << i;
    for (wchar_t c : table[i].english) EXPECT_TRUE(c >= L'a' && c <= L'z') << i;
    EXPECT_FALSE(table[i].chinese.empty()) << i;
    EXPECT_TRUE(chinese.insert(table[i].chinese).second) << "Chinese name repeated at " << i;
  }
}

// Values from the CSS Color Module; English names in any case, Chinese names exactly. The
// first, the last and the longest name, and near misses of each kind.
TEST(NamedColours, LooksUpEnglishInAnyCaseAndChineseExactly) {
  const std::tuple<std::wstring, const wchar_t*, Rgb8> cases[] = {  // english nullptr: no such colour
      {L"RebeccaPurple", L"rebeccapurple", {0x66, 0x33, 0x99}},
      {L"LIGHTGOLDENRODYELLOW", L"lightgoldenrodyellow", {0xFA, 0xFA, 0xD2}},
      {L"aliceblue", L"aliceblue", {0xF0, 0xF8, 0xFF}},
      {L"yellowgreen", L"yellowgreen", {0x9A, 0xCD, 0x32}},
      {L"green", L"green", {0x00, 0x80, 0x00}},
      {L"丽贝卡紫", L"rebeccapurple", {0x66, 0x33, 0x99}},
      {L"中灰色", L"grey", {0x80, 0x80, 0x80}},
      {L"", nullptr, {}},
      {L"red ", nullptr, {}},
      {L"lightgoldenrodyellows", nullptr, {}},
      {L"紅色", nullptr, {}},  // the traditional form is not the name
      {std::wstring(100000, L'a'), nullptr, {}},
  };
  for (const auto& [name, english, rgb] : cases) {
    const NamedColour* found = FindNamedColour(name);
    ASSERT_EQ(found != nullptr, english != nullptr) << name.substr(0, 60);
    if (!found) continue;
    EXPECT_EQ(found->english, english);
    EXPECT_EQ(found->rgb, rgb) << english;
  }
}

TEST(NamedColours, TheNearestIsItselfOrItsNeighbour) {
  for (const NamedColour& entry : NamedColours()) {
    const NearestNamed nearest = NearestNamedColour(entry.rgb);
    ASSERT_NE(nearest.colour, nullptr);
    // Colours CSS names twice (aqua and cyan, the gray/grey spellings) find the first.
    EXPECT_EQ(nearest.colour->rgb, entry.rgb) << entry.english.size();
    EXPECT_LE(nearest.colour->english, entry.english);
    EXPECT_EQ(nearest.deltaE, 0.0);
  }
  const NearestNamed orange = NearestNamedColour({0xFF, 0x80, 0x00});  // no named colour
  ASSERT_NE(orange.colour, nullptr);
  EXPECT_EQ(orange.colour->english, L"darkorange");
  EXPECT_TRUE(orange.deltaE > 0 && orange.deltaE < 10) << orange.deltaE;
}

}  // namespace
}  // namespace colour
