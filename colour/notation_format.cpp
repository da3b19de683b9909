// Writing colour notations, each the exact inverse of its parser: what a format writes,
// ParseColour reads back to the same value.
#include "colour/notation.h"
#include "colour/notation_parts.h"

namespace colour {
namespace {

using namespace notation_parts;

// Decimals of hue and of the HSL and HSV percentages: enough for every 8-bit sRGB colour
// to come back exactly through the text (checked over all 16.7 million).
constexpr int HueDecimals = 1;
constexpr int PercentDecimals = 1;
// Lab to hundredths: far below any visible difference, and enough for every 8-bit sRGB
// colour to come back through the text (checked over all 16.7 million).
constexpr int LabDecimals = 2;
constexpr int WholePercent = 0;
constexpr std::size_t HexCodeDigits = 6;      // RRGGBB

std::wstring Hue(double hue) {
  std::wstring text = FormatNumber(hue, HueDecimals);
  return text == L"360" ? L"0" : text;  // a hue just below 360 rounds to the same as 0
}

std::wstring Percent(double value, int decimals) {
  return FormatNumber(value, decimals) + L"%";
}

std::wstring ColorrefWithPrefix(std::wstring_view prefix, const Rgb8& rgb) {
  std::wstring text(prefix);
  AppendHex(text, ToColorref(rgb), ColorrefHexDigits);
  return text;
}

}  // namespace

std::wstring FormatHex(const Rgb8& rgb) {
  std::wstring text = L"#";
  AppendHex(text, ToHexCode(rgb), HexCodeDigits);
  return text;
}

std::wstring FormatRgb(const Rgb8& rgb) {
  return L"rgb(" + std::to_wstring(rgb.r) + L", " + std::to_wstring(rgb.g) + L", " +
         std::to_wstring(rgb.b) + L")";
}

std::wstring FormatHsl(const Hsl& hsl) {
  return L"hsl(" + Hue(hsl.h) + L", " + Percent(hsl.s, PercentDecimals) + L", " +
         Percent(hsl.l, PercentDecimals) + L")";
}

std::wstring FormatHsv(const Hsv& hsv) {
  return L"hsv(" + Hue(hsv.h) + L", " + Percent(hsv.s, PercentDecimals) + L", " +
         Percent(hsv.v, PercentDecimals) + L")";
}

std::wstring FormatCmyk(const Cmyk& cmyk) {
  return L"cmyk(" + Percent(cmyk.c, WholePercent) + L", " + Percent(cmyk.m, WholePercent) +
         L", " + Percent(cmyk.y, WholePercent) + L", " + Percent(cmyk.k, WholePercent) + L")";
}

std::wstring FormatLab(const Lab& lab) {
  return L"lab(" + FormatNumber(lab.L, LabDecimals) + L" " + FormatNumber(lab.a, LabDecimals) +
         L" " + FormatNumber(lab.b, LabDecimals) + L")";
}

std::wstring FormatColorrefHex(const Rgb8& rgb) { return ColorrefWithPrefix(L"0x", rgb); }

std::wstring FormatVbLiteral(const Rgb8& rgb) { return ColorrefWithPrefix(L"&H", rgb) + L"&"; }

std::wstring FormatDelphiLiteral(const Rgb8& rgb) { return ColorrefWithPrefix(L"$", rgb); }

std::wstring FormatColorrefDecimal(const Rgb8& rgb) { return std::to_wstring(ToColorref(rgb)); }

}  // namespace colour
