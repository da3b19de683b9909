// Writing colour notations, each the exact inverse of its parser: what a format writes,
// ParseColour reads back to the same value.
#include "colour/notation.h"
#include "colour/notation_parts.h"

namespace colour {
namespace {

using namespace notation_parts;

// Decimals of hue and of the HSL and HSV percentages: enough for every 8-bit sRGB colour
// to come back exactly through the text (checked over all 16.7 million).
constexpr int kHueDecimals = 1;
constexpr int kPercentDecimals = 1;
// Lab to hundredths: far below any visible difference, and enough for every 8-bit sRGB
// colour to come back through the text (checked over all 16.7 million).
constexpr int kLabDecimals = 2;
constexpr int kWholePercent = 0;
constexpr std::size_t kHexCodeDigits = 6;      // RRGGBB

std::wstring Hue(double hue) {
  std::wstring text = FormatNumber(hue, kHueDecimals);
  return text == L"360" ? L"0" : text;  // a hue just below 360 rounds to the same as 0
}

std::wstring Percent(double value, int decimals) {
  return FormatNumber(value, decimals) + L"%";
}

std::wstring ColorrefWithPrefix(std::wstring_view prefix, const Rgb8& rgb) {
  std::wstring text(prefix);
  AppendHex(text, ToColorref(rgb), kColorrefHexDigits);
  return text;
}

}  // namespace

std::wstring FormatHex(const Rgb8& rgb) {
  std::wstring text = L"#";
  AppendHex(text, ToHexCode(rgb), kHexCodeDigits);
  return text;
}

std::wstring FormatRgb(const Rgb8& rgb) {
  return L"rgb(" + std::to_wstring(rgb.r) + L", " + std::to_wstring(rgb.g) + L", " +
         std::to_wstring(rgb.b) + L")";
}

std::wstring FormatHsl(const Hsl& hsl) {
  return L"hsl(" + Hue(hsl.h) + L", " + Percent(hsl.s, kPercentDecimals) + L", " +
         Percent(hsl.l, kPercentDecimals) + L")";
}

std::wstring FormatHsv(const Hsv& hsv) {
  return L"hsv(" + Hue(hsv.h) + L", " + Percent(hsv.s, kPercentDecimals) + L", " +
         Percent(hsv.v, kPercentDecimals) + L")";
}

std::wstring FormatCmyk(const Cmyk& cmyk) {
  return L"cmyk(" + Percent(cmyk.c, kWholePercent) + L", " + Percent(cmyk.m, kWholePercent) +
         L", " + Percent(cmyk.y, kWholePercent) + L", " + Percent(cmyk.k, kWholePercent) + L")";
}

std::wstring FormatLab(const Lab& lab) {
  return L"lab(" + FormatNumber(lab.L, kLabDecimals) + L" " + FormatNumber(lab.a, kLabDecimals) +
         L" " + FormatNumber(lab.b, kLabDecimals) + L")";
}

std::wstring FormatColorrefHex(const Rgb8& rgb) { return ColorrefWithPrefix(L"0x", rgb); }

std::wstring FormatVbLiteral(const Rgb8& rgb) { return ColorrefWithPrefix(L"&H", rgb) + L"&"; }

std::wstring FormatDelphiLiteral(const Rgb8& rgb) { return ColorrefWithPrefix(L"$", rgb); }

std::wstring FormatColorrefDecimal(const Rgb8& rgb) { return std::to_wstring(ToColorref(rgb)); }

}  // namespace colour
