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
// is refused with a reason. How the text is read:
// - The notation is decided by how the text starts ('#', a function name and '(', "0x",
//   "&H", '$', a number, a letter, any other character for a Chinese name); a text that
//   starts like a notation but is wrong in it is refused with that notation's reason, never
//   read as another notation.
// - Bare numbers: a single number is a decimal COLORREF (0x00BBGGRR read as one number, so
//   "6697881" is 0x663399: red 0x99, green 0x33, blue 0x66); three numbers separated by
//   commas or blanks are red, green and blue ("255 0 0" is red). Any other count is refused.
// - Inside a function the values are separated by commas or, when there is no comma, by
//   blanks. Function names and hex digits may be in either case.
// - rgb values and r g b lists are whole numbers 0-255. Saturation, lightness, value
//   (brightness) and the four inks are percentages 0-100, the '%' sign optional. Hue is in
//   degrees 0-360, optionally followed by "deg" or a degree sign; 360 is read as 0. Lab's L
//   is 0-100, a and b -128-127. Numbers are plain decimals: no exponent, no '%' in rgb.
// - The COLORREF literals take 1 to 8 hex digits (0xFF is red); the top byte must be 00.
//   A VB literal's closing '&' is optional.
// - Names: CSS names in any case, Chinese names exactly as the table writes them.
ParseResult ParseColour(std::wstring_view text);

// Each format writes what ParseColour reads back to the same value. Hue and the HSL/HSV
// percentages have one decimal and Lab two, trailing zeros trimmed: enough for every 8-bit
// sRGB colour to survive the text. CMYK is rounded to whole percent.
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
