// Every colour notation read, refused and written back; named colours by either name and nearest.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/named_colours.h"
#include "colour/notation.h"

namespace colour {
namespace {

using Value = std::variant<Rgb8, Hsl, Hsv, Cmyk, Lab>;

// Long enough to find any parser that copies, recurses or quotes without bound.
constexpr std::size_t Overlong = 100000;
constexpr std::size_t LongestReason = 160;  // a reason stays a readable sentence
constexpr std::size_t QuotedPrefix = 24;    // characters of an overlong text a reason quotes

std::wstring Repeat(std::wstring_view piece, std::size_t times = Overlong) {
  std::wstring text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// Texts as people type them; the canonical form of every notation: the round trip below.
TEST(Notation, ReadsEveryNotation) {
  const std::tuple<std::wstring, Notation, Value> cases[] = {
      {L"#AbC", Notation::Hex, Rgb8{0xAA, 0xBB, 0xCC}},
      {L"rgb ( 10 ,20,  30 )", Notation::Rgb, Rgb8{10, 20, 30}},
      {L"1 ,\t2, 3", Notation::RgbList, Rgb8{1, 2, 3}},
      {L"0 0 255", Notation::RgbList, Rgb8{0, 0, 255}},
      {L"HSL(210.5deg 33.3 40)", Notation::Hsl, Hsl{210.5, 33.3, 40}},
      {L"hsl(90°, 0.5%, 99.9%)", Notation::Hsl, Hsl{90, 0.5, 99.9}},
      {L"hsl(360, 0%, 0%)", Notation::Hsl, Hsl{0, 0, 0}},
      {L"hsb(60 50% 75%)", Notation::Hsv, Hsv{60, 50, 75}},
      {L"CMYK(0 12.5 100 5)", Notation::Cmyk, Cmyk{0, 12.5, 100, 5}},
      {L"lab(0, -128, 127)", Notation::Lab, Lab{0, -128, 127}},
      {L"DarkSlateGrey", Notation::CssName, Rgb8{0x2F, 0x4F, 0x4F}},
      {L"丽贝卡紫", Notation::ChineseName, Rgb8{0x66, 0x33, 0x99}},
  };
  for (const auto& [written, notation, value] : cases) {
    // Blanks around a colour are no part of it, in every notation.
    for (const std::wstring& text : {written, L" \t" + written + L"\r\n\u3000"}) {
      const ParseResult result = ParseColour(text);
      ASSERT_TRUE(result) << text << ": " << result.reason;
      EXPECT_EQ(result.colour->notation, notation) << text;
      EXPECT_EQ(result.colour->value, value) << text;
    }
  }
}

// One text per reason, and per kind of input that trips parsers (look-alike digits, overlong text).
TEST(Notation, RefusesBadInputWithTheReason) {
  const std::pair<std::wstring, std::wstring> cases[] = {  // a text, and a part of its reason
      {L" \t\u3000 ", L"the text is empty"},
      {L"@@", L"'@@' is not written in any colour notation"},
      {L"rgba(1, 2, 3)", L"unknown notation 'rgba'"},
      {L"#", L"no hex digits after '#'"},
      {L"#ＦＦ0000", L"'Ｆ' is not a hex digit"},
      {L"#" + Repeat(L"F"), L"expected 3 or 6 hex digits after '#', found 100000"},
      {L"rgb()", L"rgb() takes 3 values (red, green, blue), found none"},
      {L"rgb(300, 0, 0)", L"value 300 is out of range 0–255 for red"},
      {L"rgb(0, 0, 12.5)", L"expected a whole number 0–255 for blue, found '12.5'"},
      {L"rgb(255, 0", L"missing ')' at the end of rgb(...)"},
      {L"rgb(255,,0)", L"the value for green is missing"},
      {L"rgb(1, 2, 3) x", L"unexpected text 'x' after rgb(...)"},
      {L"rgb 1 2 3", L"expected '(' after rgb"},
      {L"rgb(" + Repeat(L"9") + L", 0, 0)",
       L"the number '" + Repeat(L"9", QuotedPrefix) + L"…' for red is too long"},
      {L"255 0", L"expected three numbers (red, green, blue) or one (a decimal COLORREF), found 2"},
      {Repeat(L"1 "), L"found 100000"},
      {L"hsb(0, 0%, 120%)", L"value 120% is out of range 0–100% for brightness"},
      {L"cmyk(100%, 0%, 0%)", L"cmyk() takes 4 values (cyan, magenta, yellow, black), found 3"},
      {L"lab(50 -129 0)", L"value -129 is out of range -128–127 for a"},
      {L"0x80000005", L"a COLORREF's top byte must be 00, found 80"},
      {L"0x1FFFFFFFF", L"too many hex digits after '0x': 9, at most 8"},
      {L"16777216", L"value 16777216 is out of range 0–16777215 for a decimal COLORREF"},
      {Repeat(L"a"), L"unknown colour name '" + Repeat(L"a", QuotedPrefix) + L"…'"},
      // A cut never splits a surrogate pair: 'x' and 11 pairs fill 23 of the 24 characters.
      {L"x" + Repeat(L"\U0001F600"), L"'x" + Repeat(L"\U0001F600", 11) + L"…'"},
  };
  for (const auto& [text, reason] : cases) {
    const ParseResult result = ParseColour(text);
    EXPECT_FALSE(result) << text.substr(0, 60);
    EXPECT_NE(result.reason.find(reason), std::wstring::npos) << text.substr(0, 60) << ": " << result.reason;
    EXPECT_LE(result.reason.size(), LongestReason) << text.substr(0, 60);
  }
}

// The rest as the converter page shows them, in the chart view tests.
TEST(Notation, FormatsWriteTheCanonicalText) {
  const std::pair<std::wstring, const wchar_t*> cases[] = {
      {FormatHex({0, 0xAB, 0x0F}), L"#00AB0F"},
      {FormatHsl({210.54, 33.33, 40}), L"hsl(210.5, 33.3%, 40%)"},
      {FormatHsl({359.97, 0, 0}), L"hsl(0, 0%, 0%)"},
      {FormatHsv({240, 100, 100}), L"hsv(240, 100%, 100%)"},
      {FormatCmyk({100, 0, 12.4, 99.6}), L"cmyk(100%, 0%, 12%, 100%)"},
      {FormatLab({53.2408, 80.0925, 67.2032}), L"lab(53.24 80.09 67.2)"},
      {FormatLab({0, -0.001, -20.5}), L"lab(0 0 -20.5)"},
  };
  for (const auto& [written, expected] : cases) EXPECT_EQ(written, expected);
}

// Every screen colour survives its text: exactly in the 8-bit notations, to the same 8 bits in the rest.
TEST(Notation, EveryScreenColourSurvivesItsText) {
  const std::pair<std::wstring (*)(const Rgb8&), Notation> formats[] = {
      {FormatHex, Notation::Hex},                     {FormatRgb, Notation::Rgb},
      {FormatColorrefHex, Notation::ColorrefHex},     {FormatVbLiteral, Notation::VbLiteral},
      {FormatDelphiLiteral, Notation::DelphiLiteral}, {FormatColorrefDecimal, Notation::ColorrefDecimal}};
  // Every colour whose channels are multiples of 5: one decimal of hue and percent must hold.
  for (int r = 0; r <= 255; r += 5)
    for (int g = 0; g <= 255; g += 5)
      for (int b = 0; b <= 255; b += 5) {
        const Rgb8 rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                       static_cast<std::uint8_t>(b)};
        for (const auto& [format, notation] : formats) {
          const ParseResult result = ParseColour(format(rgb));
          ASSERT_TRUE(result) << format(rgb);
          EXPECT_EQ(result.colour->notation, notation);
          EXPECT_EQ(result.colour->value, Value{rgb}) << format(rgb);
        }
        const Lab lab = SrgbToLab(rgb);
        const ParseResult read = ParseColour(FormatLab(lab));
        const ParseResult hsl = ParseColour(FormatHsl(ToHsl(ToDouble(rgb))));
        const ParseResult hsv = ParseColour(FormatHsv(ToHsv(ToDouble(rgb))));
        ASSERT_TRUE(read && hsl && hsv);
        EXPECT_EQ(LabToSrgb(std::get<Lab>(read.colour->value)), LabToSrgb(lab)) << FormatLab(lab);
        EXPECT_EQ(ToRgb8(FromHsl(std::get<Hsl>(hsl.colour->value))), rgb);
        EXPECT_EQ(ToRgb8(FromHsv(std::get<Hsv>(hsv.colour->value))), rgb);
      }
}

// Sorted and unique in lower-case ASCII (lookups search it by halves); Chinese names unique too;
// each colour is its own nearest, and one no name has its neighbour.
TEST(NamedColours, TableIsSortedAndUniqueAndTheNearestIsItselfOrItsNeighbour) {
  const auto table = NamedColours();
  std::set<std::wstring_view> chinese;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_TRUE(i == 0 || table[i - 1].english < table[i].english) << i;
    for (wchar_t c : table[i].english) EXPECT_TRUE(c >= L'a' && c <= L'z') << i;
    EXPECT_TRUE(chinese.insert(table[i].chinese).second) << "Chinese name repeated at " << i;
    const NearestNamed nearest = NearestNamedColour(table[i].rgb);
    ASSERT_NE(nearest.colour, nullptr);
    // Colours CSS names twice (aqua and cyan, the gray/grey spellings) find the first.
    EXPECT_EQ(nearest.colour->rgb, table[i].rgb) << i;
    EXPECT_LE(nearest.colour->english, table[i].english);
    EXPECT_EQ(nearest.deltaE, 0.0);
  }
  const NearestNamed orange = NearestNamedColour({0xFF, 0x80, 0x00});  // no named colour
  ASSERT_NE(orange.colour, nullptr);
  EXPECT_EQ(orange.colour->english, L"darkorange");
  EXPECT_TRUE(orange.deltaE > 0 && orange.deltaE < 10) << orange.deltaE;
}

// CSS values; English in any case, Chinese exactly; the first, last and longest name; near misses
// (more through ParseColour above).
TEST(NamedColours, LooksUpEnglishInAnyCaseAndChineseExactly) {
  const std::tuple<std::wstring, const wchar_t*, Rgb8> cases[] = {  // english nullptr: no such colour
      {L"LIGHTGOLDENRODYELLOW", L"lightgoldenrodyellow", {0xFA, 0xFA, 0xD2}},
      {L"aliceblue", L"aliceblue", {0xF0, 0xF8, 0xFF}},
      {L"yellowgreen", L"yellowgreen", {0x9A, 0xCD, 0x32}},
      {L"中灰色", L"grey", {0x80, 0x80, 0x80}},
      {L"red ", nullptr, {}},
      {L"lightgoldenrodyellows", nullptr, {}},
      {L"紅色", nullptr, {}},  // the traditional form is not the name
  };
  for (const auto& [name, english, rgb] : cases) {
    const NamedColour* found = FindNamedColour(name);
    ASSERT_EQ(found != nullptr, english != nullptr) << name.substr(0, 60);
    if (!found) continue;
    EXPECT_EQ(found->english, english);
    EXPECT_EQ(found->rgb, rgb) << english;
  }
}

}  // namespace
}  // namespace colour
