// Reading and writing every colour notation: what each accepts, why it refuses the rest,
// and that writing then reading gives the same colour back.
#include <gtest/gtest.h>

#include <string>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/notation.h"

using colour::Cmyk;
using colour::Hsl;
using colour::Hsv;
using colour::Lab;
using colour::ParseColour;
using colour::Rgb8;
using colour::Notation;

namespace {

using Value = std::variant<Rgb8, Hsl, Hsv, Cmyk, Lab>;

// Long enough to find any parser that copies, recurses or quotes without bound.
constexpr std::size_t Overlong = 100000;
// A reason quotes at most a short prefix of the text, so it stays a readable sentence.
constexpr std::size_t LongestReason = 160;
constexpr std::size_t QuotedPrefix = 24;  // characters of an overlong text a reason quotes

std::wstring Repeat(std::wstring_view piece, std::size_t times = Overlong) {
  std::wstring text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text.substr(0, 60)) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Every screen colour whose channels are multiples of step (255 is one for 5 and 15).
template <typename Visit>
void ForGrid(int step, Visit visit) {
  for (int r = 0; r <= 255; r += step)
    for (int g = 0; g <= 255; g += step)
      for (int b = 0; b <= 255; b += step)
        visit(Rgb8{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)});
}

}  // namespace

TEST(Notation, ReadsEveryNotation) {
  const struct {
    std::wstring text;
    Notation notation;
    Value value;
  } cases[] = {
      {L"#FF0000", Notation::Hex, Rgb8{255, 0, 0}},
      {L"#ff8000", Notation::Hex, Rgb8{255, 128, 0}},
      {L"#AbC", Notation::Hex, Rgb8{0xAA, 0xBB, 0xCC}},
      {L"rgb(255, 0, 0)", Notation::Rgb, Rgb8{255, 0, 0}},
      {L"RGB(1 2 3)", Notation::Rgb, Rgb8{1, 2, 3}},
      {L"rgb ( 10 ,20,  30 )", Notation::Rgb, Rgb8{10, 20, 30}},
      {L"255,128,0", Notation::RgbList, Rgb8{255, 128, 0}},
      {L"0 0 255", Notation::RgbList, Rgb8{0, 0, 255}},
      {L"1 ,\t2, 3", Notation::RgbList, Rgb8{1, 2, 3}},
      {L"hsl(120, 100%, 50%)", Notation::Hsl, Hsl{120, 100, 50}},
      {L"HSL(210.5deg 33.3 40)", Notation::Hsl, Hsl{210.5, 33.3, 40}},
      {L"hsl(90°, 0.5%, 99.9%)", Notation::Hsl, Hsl{90, 0.5, 99.9}},
      {L"hsl(360, 0%, 0%)", Notation::Hsl, Hsl{0, 0, 0}},
      {L"hsv(240, 100%, 100%)", Notation::Hsv, Hsv{240, 100, 100}},
      {L"hsb(60 50% 75%)", Notation::Hsv, Hsv{60, 50, 75}},
      {L"cmyk(100%, 0%, 0%, 0%)", Notation::Cmyk, Cmyk{100, 0, 0, 0}},
      {L"CMYK(0 12.5 100 5)", Notation::Cmyk, Cmyk{0, 12.5, 100, 5}},
      {L"lab(53.24 80.09 67.2)", Notation::Lab, Lab{53.24, 80.09, 67.2}},
      {L"lab(0, -128, 127)", Notation::Lab, Lab{0, -128, 127}},
      {L"0x00D58F1B", Notation::ColorrefHex, Rgb8{0x1B, 0x8F, 0xD5}},
      {L"0XFF", Notation::ColorrefHex, Rgb8{255, 0, 0}},
      {L"&H00FF0000&", Notation::VbLiteral, Rgb8{0, 0, 255}},
      {L"&hff", Notation::VbLiteral, Rgb8{255, 0, 0}},
      {L"$0000FF00", Notation::DelphiLiteral, Rgb8{0, 255, 0}},
      {L"6697881", Notation::ColorrefDecimal, Rgb8{0x99, 0x33, 0x66}},
      {L"16777215", Notation::ColorrefDecimal, Rgb8{255, 255, 255}},
      {L"0", Notation::ColorrefDecimal, Rgb8{0, 0, 0}},
      {L"rebeccapurple", Notation::CssName, Rgb8{0x66, 0x33, 0x99}},
      {L"DarkSlateGrey", Notation::CssName, Rgb8{0x2F, 0x4F, 0x4F}},
      {L"丽贝卡紫", Notation::ChineseName, Rgb8{0x66, 0x33, 0x99}},
      {L"红色", Notation::ChineseName, Rgb8{255, 0, 0}},
  };
  for (const auto& c : cases) {
    // Blanks around a colour are no part of it, in every notation.
    for (const std::wstring& text : {c.text, L" \t" + c.text + L"\r\n\u3000"}) {
      const colour::ParseResult result = ParseColour(text);
      ASSERT_TRUE(result) << Narrow(text) << ": " << Narrow(result.reason);
      EXPECT_EQ(result.colour->notation, c.notation) << Narrow(text);
      EXPECT_EQ(result.colour->value, c.value) << Narrow(text);
      EXPECT_TRUE(result.reason.empty());
    }
  }
}

TEST(Notation, RefusesBadInputWithTheReason) {
  const struct {
    std::wstring text;
    std::wstring reason;  // a part of the reason that names what is wrong
  } cases[] = {
      // Nothing, or nothing recognisable.
      {L"", L"the text is empty"},
      {L" \t\u3000 ", L"the text is empty"},
      {L"@@", L"'@@' is not written in any colour notation"},
      {L"rgba(1, 2, 3)", L"unknown notation 'rgba'"},
      // #RGB, #RRGGBB
      {L"#", L"no hex digits after '#'"},
      {L"#FF00", L"expected 3 or 6 hex digits after '#', found 4"},
      {L"#GG0000", L"'G' is not a hex digit"},
      {L"#-10000", L"'-' is not a hex digit"},
      {L"#FF 0000", L"' ' is not a hex digit"},
      {L"#ＦＦ0000", L"'Ｆ' is not a hex digit"},
      {L"#" + Repeat(L"F"), L"expected 3 or 6 hex digits after '#', found 100000"},
      // rgb()
      {L"rgb()", L"rgb() takes 3 values (red, green, blue), found none"},
      {L"rgb(300, 0, 0)", L"value 300 is out of range 0–255 for red"},
      {L"rgb(0, -5, 0)", L"value -5 is out of range 0–255 for green"},
      {L"rgb(0, 0, 12.5)", L"expected a whole number 0–255 for blue, found '12.5'"},
      {L"rgb(50%, 0, 0)", L"expected a whole number 0–255 for red, found '50%'"},
      {L"rgb(255, 0", L"missing ')' at the end of rgb(...)"},
      {L"rgb(255, 0)", L"rgb() takes 3 values (red, green, blue), found 2"},
      {L"rgb(255,,0)", L"the value for green is missing"},
      {L"rgb(1, 2, 3) x", L"unexpected text 'x' after rgb(...)"},
      {L"rgb 1 2 3", L"expected '(' after rgb"},
      {L"rgb(１, 2, 3)", L"expected a whole number 0–255 for red, found '１'"},
      {L"rgb(" + Repeat(L"9") + L", 0, 0)",
       L"the number '" + Repeat(L"9", QuotedPrefix) + L"…' for red is too long"},
      // r,g,b and r g b
      {L"255 0", L"expected three numbers (red, green, blue) or one (a decimal COLORREF), found 2"},
      {L"256,0,0", L"value 256 is out of range 0–255 for red"},
      {L"0 0 -1", L"value -1 is out of range 0–255 for blue"},
      {L"1 2 三", L"expected a whole number 0–255 for blue, found '三'"},
      {L"1,2,3,", L"found 4"},
      {Repeat(L"1 "), L"found 100000"},
      // hsl()
      {L"hsl()", L"hsl() takes 3 values (hue, saturation, lightness), found none"},
      {L"hsl(400, 50%, 50%)", L"value 400 is out of range 0–360 for hue"},
      {L"hsl(-10, 50%, 50%)", L"value -10 is out of range 0–360 for hue"},
      {L"hsl(120, 101%, 50%)", L"value 101% is out of range 0–100% for saturation"},
      {L"hsl(120, 50%, 50%%)", L"expected a number 0–100% for lightness, found '50%%'"},
      {L"hsl(120, 50%, 五十%)", L"expected a number 0–100% for lightness, found '五十%'"},
      {L"hsl(120, 50%", L"missing ')' at the end of hsl(...)"},
      {L"hsl(1e2, 50%, 50%)", L"expected a number 0–360 for hue, found '1e2'"},
      {L"hsl(" + Repeat(L"1") + L", 50%, 50%)",
       L"the number '" + Repeat(L"1", QuotedPrefix) + L"…' for hue is too long"},
      // hsv() and hsb(): the last value is named as written
      {L"hsv(0, 0%, 120%)", L"value 120% is out of range 0–100% for value"},
      {L"hsb(0, 0%, 120%)", L"value 120% is out of range 0–100% for brightness"},
      {L"hsv(0 0)", L"hsv() takes 3 values (hue, saturation, value), found 2"},
      {L"hsb(", L"missing ')' at the end of hsb(...)"},
      // cmyk()
      {L"cmyk()", L"found none"},
      {L"cmyk(100%, 0%, 0%)", L"cmyk() takes 4 values (cyan, magenta, yellow, black), found 3"},
      {L"cmyk(0, 0, 0, 100.5)", L"value 100.5 is out of range 0–100% for black"},
      {L"cmyk(0, -1%, 0, 0)", L"value -1% is out of range 0–100% for magenta"},
      {L"cmyk(0, 0, 0, 0", L"missing ')'"},
      // lab()
      {L"lab(101 0 0)", L"value 101 is out of range 0–100 for L"},
      {L"lab(50 -129 0)", L"value -129 is out of range -128–127 for a"},
      {L"lab(50 0 \u22125)", L"expected a number -128–127 for b, found '\u22125'"},
      {L"lab(50 0)", L"lab() takes 3 values (L, a, b), found 2"},
      // 0x00BBGGRR
      {L"0x", L"no hex digits after '0x'"},
      {L"0x80000005", L"a COLORREF's top byte must be 00, found 80"},
      {L"0x1FFFFFFFF", L"too many hex digits after '0x': 9, at most 8"},
      {L"0x00FFZZ", L"'Z' is not a hex digit (after '0x')"},
      {L"0x-1", L"'-' is not a hex digit"},
      {L"0x" + Repeat(L"0"), L"too many hex digits after '0x': 100000, at most 8"},
      // &H00BBGGRR& and &HBBGGRR
      {L"&H", L"no hex digits after '&H'"},
      {L"&h&", L"no hex digits after '&h'"},
      {L"&HFF000000&", L"top byte must be 00, found FF"},
      {L"&H00FF00&&", L"'&' is not a hex digit (after '&H')"},
      {L"&H\u3000FF", L"'\u3000' is not a hex digit"},
      // $00BBGGRR
      {L"$", L"no hex digits after '$'"},
      {L"$FF000005", L"top byte must be 00, found FF"},
      {L"$GG", L"'G' is not a hex digit (after '$')"},
      // decimal COLORREF
      {L"16777216", L"value 16777216 is out of range 0–16777215 for a decimal COLORREF"},
      {L"-1", L"value -1 is out of range 0–16777215 for a decimal COLORREF"},
      {L"12.5", L"expected a whole number 0–16777215 for a decimal COLORREF, found '12.5'"},
      {L"123abc", L"found '123abc'"},
      {Repeat(L"9"),
       L"the number '" + Repeat(L"9", QuotedPrefix) + L"…' for a decimal COLORREF is too long"},
      // names
      {L"bleu", L"unknown colour name 'bleu'"},
      {L"rebecca purple", L"unknown colour name 'rebecca purple'"},
      {L"rébeccapurple", L"unknown colour name 'rébeccapurple'"},
      {L"红", L"unknown colour name '红'"},
      {L"\U0001F600red", L"unknown colour name '\U0001F600red'"},
      {Repeat(L"a"), L"unknown colour name '" + Repeat(L"a", QuotedPrefix) + L"…'"},
      {Repeat(L"红"), L"unknown colour name '" + Repeat(L"红", QuotedPrefix) + L"…'"},
      // A cut never splits a surrogate pair: 'x' and 11 pairs fill 23 of the 24 characters.
      {L"x" + Repeat(L"\U0001F600"), L"'x" + Repeat(L"\U0001F600", 11) + L"…'"},
  };
  for (const auto& c : cases) {
    const colour::ParseResult result = ParseColour(c.text);
    EXPECT_FALSE(result) << Narrow(c.text);
    EXPECT_NE(result.reason.find(c.reason), std::wstring::npos)
        << Narrow(c.text) << "\n  reason: " << Narrow(result.reason);
    EXPECT_LE(result.reason.size(), LongestReason) << Narrow(c.text);
  }
}

// Every cut of a valid text is read as something or refused with a reason, never both or
// neither; truncation is where parsers run off the end.
TEST(Notation, EveryTruncationIsAnswered) {
  for (std::wstring_view text : {L"rgb(255, 128, 0)", L"hsl(210.5, 33.3%, 40%)",
                                 L"cmyk(10%, 20%, 30%, 40%)", L"lab(53.24 -80.09 67.2)",
                                 L"&H00D58F1B&", L"#663399", L"丽贝卡紫"}) {
    for (std::size_t length = 0; length < text.size(); ++length) {
      const colour::ParseResult result = ParseColour(text.substr(0, length));
      EXPECT_NE(result.colour.has_value(), !result.reason.empty())
          << Narrow(std::wstring(text.substr(0, length)));
    }
  }
}

TEST(Notation, FormatsWriteTheCanonicalText) {
  const Rgb8 blueish{0x1B, 0x8F, 0xD5};
  const struct {
    std::wstring written, expected;
  } cases[] = {
      {colour::FormatHex({0x66, 0x33, 0x99}), L"#663399"},
      {colour::FormatHex({0, 0xAB, 0x0F}), L"#00AB0F"},
      {colour::FormatRgb({255, 128, 0}), L"rgb(255, 128, 0)"},
      {colour::FormatHsl({0, 100, 50}), L"hsl(0, 100%, 50%)"},
      {colour::FormatHsl({210.54, 33.33, 40}), L"hsl(210.5, 33.3%, 40%)"},
      {colour::FormatHsl({359.97, 0, 0}), L"hsl(0, 0%, 0%)"},
      {colour::FormatHsv({240, 100, 100}), L"hsv(240, 100%, 100%)"},
      {colour::FormatCmyk({100, 0, 12.4, 99.6}), L"cmyk(100%, 0%, 12%, 100%)"},
      {colour::FormatLab({53.2408, 80.0925, 67.2032}), L"lab(53.24 80.09 67.2)"},
      {colour::FormatLab({0, -0.001, -20.5}), L"lab(0 0 -20.5)"},
      {colour::FormatColorrefHex(blueish), L"0x00D58F1B"},
      {colour::FormatVbLiteral(blueish), L"&H00D58F1B&"},
      {colour::FormatDelphiLiteral(blueish), L"$00D58F1B"},
      {colour::FormatColorrefDecimal(blueish), L"13995803"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.written, c.expected);
}

// Written and read back, the 8-bit notations give the same colour exactly; HSL and HSV text
// keeps every 8-bit colour, and Lab text reaches the same 8-bit colour as the unrounded Lab.
TEST(Notation, EveryScreenColourSurvivesItsText) {
  const struct {
    std::wstring (*format)(const Rgb8&);
    Notation notation;
  } formats[] = {{colour::FormatHex, Notation::Hex},
                 {colour::FormatRgb, Notation::Rgb},
                 {colour::FormatColorrefHex, Notation::ColorrefHex},
                 {colour::FormatVbLiteral, Notation::VbLiteral},
                 {colour::FormatDelphiLiteral, Notation::DelphiLiteral},
                 {colour::FormatColorrefDecimal, Notation::ColorrefDecimal}};
  ForGrid(15, [&](const Rgb8& rgb) {
    for (const auto& f : formats) {
      const colour::ParseResult result = ParseColour(f.format(rgb));
      ASSERT_TRUE(result) << Narrow(f.format(rgb));
      EXPECT_EQ(result.colour->notation, f.notation);
      EXPECT_EQ(result.colour->value, Value{rgb}) << Narrow(f.format(rgb));
    }
    const Lab lab = colour::SrgbToLab(rgb);
    const colour::ParseResult read = ParseColour(colour::FormatLab(lab));
    ASSERT_TRUE(read);
    EXPECT_EQ(colour::LabToSrgb(std::get<Lab>(read.colour->value)), colour::LabToSrgb(lab))
        << Narrow(colour::FormatLab(lab));
  });
  // One decimal of hue and percent is the finest step that must hold: a finer grid.
  ForGrid(5, [](const Rgb8& rgb) {
    const colour::ParseResult hsl = ParseColour(colour::FormatHsl(colour::ToHsl(colour::ToDouble(rgb))));
    const colour::ParseResult hsv = ParseColour(colour::FormatHsv(colour::ToHsv(colour::ToDouble(rgb))));
    ASSERT_TRUE(hsl && hsv);
    EXPECT_EQ(colour::ToRgb8(colour::FromHsl(std::get<Hsl>(hsl.colour->value))), rgb);
    EXPECT_EQ(colour::ToRgb8(colour::FromHsv(std::get<Hsv>(hsv.colour->value))), rgb);
  });
}

TEST(Notation, DecimalValuesReadBackExactly) {
  const Value values[] = {
      Hsl{0, 0, 0},        Hsl{359.9, 100, 100},    Hsl{210.5, 33.3, 0.1},
      Hsv{0.1, 99.9, 50},  Hsv{180, 0.5, 100},      Cmyk{0, 0, 0, 0},
      Cmyk{100, 37, 2, 91}, Lab{100, -128, 127},    Lab{53.24, 80.09, -67.2},
      Lab{0.01, -0.01, 0},
  };
  for (const Value& value : values) {
    std::wstring text;
    if (const Hsl* hsl = std::get_if<Hsl>(&value)) text = colour::FormatHsl(*hsl);
    if (const Hsv* hsv = std::get_if<Hsv>(&value)) text = colour::FormatHsv(*hsv);
    if (const Cmyk* cmyk = std::get_if<Cmyk>(&value)) text = colour::FormatCmyk(*cmyk);
    if (const Lab* lab = std::get_if<Lab>(&value)) text = colour::FormatLab(*lab);
    const colour::ParseResult result = ParseColour(text);
    ASSERT_TRUE(result) << Narrow(text) << ": " << Narrow(result.reason);
    EXPECT_EQ(result.colour->value, value) << Narrow(text);
  }
}
