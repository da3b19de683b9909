#pragma once
// Every notation a designer writes a colour in: parsing, with a plain reason for what is
// wrong, and formatting as the exact inverse.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "colour/colour_types.h"

namespace colour {

enum class Notation {
  Hex,              // #RGB, #RRGGBB
  Rgb,              // rgb(r, g, b), rgb(r g b)
  RgbList,          // r,g,b  or  r g b
  Hsl,              // hsl(h, s%, l%)
  Hsv,              // hsv(h, s%, v%), hsb(...)
  Cmyk,             // cmyk(c%, m%, y%, k%)
  Lab,              // lab(L a b)
  ColorrefHex,      // 0x00BBGGRR
  VbLiteral,        // &H00BBGGRR&, &HBBGGRR
  DelphiLiteral,    // $00BBGGRR
  ColorrefDecimal,  // 6697881
  CssName,          // rebeccapurple
  ChineseName,      // 丽贝卡紫
};

// A colour as written: the notation and its own values (CMYK stays CMYK, Lab stays Lab).
struct ParsedColour {
  Notation notation;
  std::variant<Rgb8, Hsl, Hsv, Cmyk, Lab> value;
};

// Either a colour or the reason the text is not one.
struct ParseResult {
  std::optional<ParsedColour> colour;
  std::wstring reason;  // empty when colour is set
  explicit operator bool() const { return colour.has_value(); }
};

// Leading and trailing blanks are ignored; anything else that is not exactly one colour
// is refused with a reason.
ParseResult ParseColour(std::wstring_view text);

std::wstring FormatHex(const Rgb8& rgb);              // #RRGGBB, upper case
std::wstring FormatRgb(const Rgb8& rgb);              // rgb(r, g, b)
std::wstring FormatHsl(const Hsl& hsl);               // hsl(h, s%, l%)
std::wstring FormatHsv(const Hsv& hsv);               // hsv(h, s%, v%)
std::wstring FormatCmyk(const Cmyk& cmyk);            // cmyk(c%, m%, y%, k%), whole percent
std::wstring FormatLab(const Lab& lab);               // lab(L a b)
std::wstring FormatColorrefHex(const Rgb8& rgb);      // 0x00BBGGRR
std::wstring FormatVbLiteral(const Rgb8& rgb);        // &H00BBGGRR&
std::wstring FormatDelphiLiteral(const Rgb8& rgb);    // $00BBGGRR
std::wstring FormatColorrefDecimal(const Rgb8& rgb);  // decimal COLORREF

}  // namespace colour
