// Reading colour notations: one small total parser per notation, and a table that says
// which notation a text is written in.
#include "colour/notation.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "colour/named_colours.h"
#include "colour/notation_parts.h"

namespace colour {
namespace {

using namespace notation_parts;

constexpr double ByteMax = 255;
constexpr double PercentMax = 100;
constexpr double HueMax = 360;  // accepted, and read as 0
constexpr double LabLMax = 100;
constexpr double LabAbMin = -128;  // the span Lab profiles encode for a and b
constexpr double LabAbMax = 127;

constexpr std::size_t ShortHexDigits = 3;     // #RGB
constexpr std::size_t LongHexDigits = 6;      // #RRGGBB
constexpr std::uint32_t HexBase = 16;
constexpr unsigned ShortHexScale = 0x11;  // #ABC stands for #AABBCC
constexpr int TopByteShift = 24;
constexpr std::size_t ByteHexDigits = 2;
constexpr wchar_t FirstNonAscii = 0x80;

ParseResult Refuse(std::wstring reason) { return {std::nullopt, std::move(reason)}; }

template <typename Value>
ParseResult Accept(Notation notation, const Value& value) {
  return {ParsedColour{notation, value}, {}};
}

Rgb8 ToRgb8(std::span<const double> channels) {
  return {static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
          static_cast<std::uint8_t>(channels[2])};
}

// ---- Functional notations: name(v1, v2, v3) or name(v1 v2 v3) ------------------------

constexpr Channel RgbChannels[] = {{L"red", 0, ByteMax, true, Unit::None},
                                    {L"green", 0, ByteMax, true, Unit::None},
                                    {L"blue", 0, ByteMax, true, Unit::None}};
constexpr Channel HslChannels[] = {{L"hue", 0, HueMax, false, Unit::Degrees},
                                    {L"saturation", 0, PercentMax, false, Unit::Percent},
                                    {L"lightness", 0, PercentMax, false, Unit::Percent}};
constexpr Channel HsvChannels[] = {{L"hue", 0, HueMax, false, Unit::Degrees},
                                    {L"saturation", 0, PercentMax, false, Unit::Percent},
                                    {L"value", 0, PercentMax, false, Unit::Percent}};
constexpr Channel HsbChannels[] = {{L"hue", 0, HueMax, false, Unit::Degrees},
                                    {L"saturation", 0, PercentMax, false, Unit::Percent},
                                    {L"brightness", 0, PercentMax, false, Unit::Percent}};
constexpr Channel CmykChannels[] = {{L"cyan", 0, PercentMax, false, Unit::Percent},
                                     {L"magenta", 0, PercentMax, false, Unit::Percent},
                                     {L"yellow", 0, PercentMax, false, Unit::Percent},
                                     {L"black", 0, PercentMax, false, Unit::Percent}};
constexpr Channel LabChannels[] = {{L"L", 0, LabLMax, false, Unit::None},
                                    {L"a", LabAbMin, LabAbMax, false, Unit::None},
                                    {L"b", LabAbMin, LabAbMax, false, Unit::None}};
constexpr std::size_t MostChannels = std::size(CmykChannels);

using Channels = std::array<double, MostChannels>;

// A functional notation's name followed by anything but a letter ("rgba" is not "rgb").
bool StartsWithFunction(std::wstring_view text, std::wstring_view name) {
  return StartsWithNoCase(text, name) &&
         (text.size() == name.size() || !IsAsciiLetter(text[name.size()]));
}

// Reads name(...) into out, one value per channel; the reason it cannot, or empty.
std::wstring ReadFunction(std::wstring_view text, std::wstring_view name,
                          std::span<const Channel> channels, std::span<double> out) {
  const std::wstring written(name);
  const std::wstring_view rest = Trim(text.substr(name.size()));
  if (rest.empty() || rest.front() != L'(') return L"expected '(' after " + written;
  const std::size_t close = rest.find(L')');
  if (close == std::wstring_view::npos) return L"missing ')' at the end of " + written + L"(...)";
  if (close + 1 != rest.size()) {
    return L"unexpected text " + Quote(Trim(rest.substr(close + 1))) + L" after " + written +
           L"(...)";
  }
  const std::wstring_view inner = Trim(rest.substr(1, close - 1));
  const std::wstring takes = written + L"() takes " + std::to_wstring(channels.size()) +
                             L" values (" + ChannelNames(channels) + L")";
  if (inner.empty()) return takes + L", found none";
  const std::vector<std::wstring_view> values = SplitValues(inner);
  if (values.size() != channels.size()) {
    return takes + L", found " + std::to_wstring(values.size());
  }
  return ReadValues(values, channels, out);
}

// A hue of 360 is the same as 0; the value types keep hue below 360.
double HueValue(double degrees) { return degrees >= HueMax ? 0.0 : degrees; }

ParseResult ParseRgb(std::wstring_view text) {
  Channels v{};
  std::wstring reason = ReadFunction(text, L"rgb", RgbChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::Rgb, ToRgb8(v));
}

ParseResult ParseHsl(std::wstring_view text) {
  Channels v{};
  std::wstring reason = ReadFunction(text, L"hsl", HslChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::Hsl, Hsl{HueValue(v[0]), v[1], v[2]});
}

// hsb() is hsv() by its other name; reasons call the third value what the text calls it.
ParseResult ParseHsv(std::wstring_view text) {
  const bool hsb = StartsWithNoCase(text, L"hsb");
  Channels v{};
  std::wstring reason = hsb ? ReadFunction(text, L"hsb", HsbChannels, v)
                            : ReadFunction(text, L"hsv", HsvChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::Hsv, Hsv{HueValue(v[0]), v[1], v[2]});
}

ParseResult ParseCmyk(std::wstring_view text) {
  Channels v{};
  std::wstring reason = ReadFunction(text, L"cmyk", CmykChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::Cmyk, Cmyk{v[0], v[1], v[2], v[3]});
}

ParseResult ParseLab(std::wstring_view text) {
  Channels v{};
  std::wstring reason = ReadFunction(text, L"lab", LabChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::Lab, Lab{v[0], v[1], v[2]});
}

// ---- Hex notations ---------------------------------------------------------------------

struct HexResult {
  std::uint32_t value = 0;
  std::wstring reason;  // empty when value is set
};

// At least one and at most maxDigits hex digits after the prefix. The value is only
// meaningful when the digits fit in 32 bits; callers with a larger maxDigits check the
// count themselves.
HexResult ReadHexDigits(std::wstring_view digits, std::wstring_view prefix,
                        std::size_t maxDigits) {
  if (digits.empty()) return {0, L"no hex digits after " + Quote(prefix)};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (HexValue(digits[i]) < 0) {
      return {0, QuoteCharacter(digits.substr(i)) + L" is not a hex digit (after " +
                     Quote(prefix) + L")"};
    }
  }
  if (digits.size() > maxDigits) {
    return {0, L"too many hex digits after " + Quote(prefix) + L": " +
                   std::to_wstring(digits.size()) + L", at most " + std::to_wstring(maxDigits)};
  }
  std::uint32_t value = 0;
  for (wchar_t c : digits) value = value * HexBase + static_cast<std::uint32_t>(HexValue(c));
  return {value, {}};
}

ParseResult ParseHex(std::wstring_view text) {
  const std::wstring_view digits = text.substr(1);
  HexResult hex = ReadHexDigits(digits, L"#", std::wstring_view::npos);
  if (!hex.reason.empty()) return Refuse(std::move(hex.reason));
  if (digits.size() == ShortHexDigits) {
    const auto channel = [&](std::size_t i) {
      return static_cast<std::uint8_t>(HexValue(digits[i]) * ShortHexScale);
    };
    return Accept(Notation::Hex, Rgb8{channel(0), channel(1), channel(2)});
  }
  if (digits.size() != LongHexDigits) {
    return Refuse(L"expected 3 or 6 hex digits after '#', found " +
                  std::to_wstring(digits.size()));
  }
  return Accept(Notation::Hex, FromHexCode(hex.value));
}

// A COLORREF in hex after its prefix (0x, &H or $).
ParseResult ParseColorrefLiteral(Notation notation, std::wstring_view prefix,
                                 std::wstring_view digits) {
  HexResult hex = ReadHexDigits(digits, prefix, ColorrefHexDigits);
  if (!hex.reason.empty()) return Refuse(std::move(hex.reason));
  if (hex.value > ColorrefMax) {
    std::wstring topByte;
    AppendHex(topByte, hex.value >> TopByteShift, ByteHexDigits);
    return Refuse(L"a COLORREF's top byte must be 00, found " + topByte +
                  L" (a system-colour or palette reference is not a colour)");
  }
  return Accept(notation, FromColorref(hex.value));
}

ParseResult ParseColorrefHex(std::wstring_view text) {
  return ParseColorrefLiteral(Notation::ColorrefHex, text.substr(0, 2), text.substr(2));
}

ParseResult ParseVbLiteral(std::wstring_view text) {
  std::wstring_view digits = text.substr(2);
  if (!digits.empty() && digits.back() == L'&') digits.remove_suffix(1);  // the Long suffix
  return ParseColorrefLiteral(Notation::VbLiteral, text.substr(0, 2), digits);
}

ParseResult ParseDelphiLiteral(std::wstring_view text) {
  return ParseColorrefLiteral(Notation::DelphiLiteral, text.substr(0, 1), text.substr(1));
}

// ---- Bare numbers ----------------------------------------------------------------------

constexpr Channel ColorrefChannel = {L"a decimal COLORREF", 0, ColorrefMax, true,
                                      Unit::None};

ParseResult ParseColorrefDecimal(std::wstring_view text) {
  double value = 0;
  std::wstring reason = ReadValue(text, ColorrefChannel, value);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::ColorrefDecimal, FromColorref(static_cast<std::uint32_t>(value)));
}

ParseResult ParseRgbList(std::wstring_view text) {
  const std::vector<std::wstring_view> values = SplitValues(text);
  if (values.size() != std::size(RgbChannels)) {
    return Refuse(
        L"expected three numbers (red, green, blue) or one (a decimal COLORREF), found " +
        std::to_wstring(values.size()));
  }
  Channels v{};
  std::wstring reason = ReadValues(values, RgbChannels, v);
  if (!reason.empty()) return Refuse(std::move(reason));
  return Accept(Notation::RgbList, ToRgb8(v));
}

// ---- Names -----------------------------------------------------------------------------

ParseResult ParseName(Notation notation, std::wstring_view text) {
  if (const NamedColour* named = FindNamedColour(text)) return Accept(notation, named->rgb);
  return Refuse(L"unknown colour name " + Quote(text));
}

ParseResult ParseCssName(std::wstring_view text) {
  // Letters then '(' is a functional notation we do not read, not a misspelt name.
  std::size_t letters = 0;
  while (letters < text.size() && IsAsciiLetter(text[letters])) ++letters;
  if (Trim(text.substr(letters)).starts_with(L'(')) {
    return Refuse(L"unknown notation " + Quote(text.substr(0, letters)) +
                  L": expected rgb, hsl, hsv, hsb, cmyk or lab");
  }
  return ParseName(Notation::CssName, text);
}

ParseResult ParseChineseName(std::wstring_view text) {
  return ParseName(Notation::ChineseName, text);
}

// ---- Which notation a text is written in -----------------------------------------------

bool StartsNumber(wchar_t c) { return IsDigit(c) || c == L'+' || c == L'-' || c == L'.'; }

bool ClaimsHex(std::wstring_view t) { return t.front() == L'#'; }
bool ClaimsRgb(std::wstring_view t) { return StartsWithFunction(t, L"rgb"); }
bool ClaimsHsl(std::wstring_view t) { return StartsWithFunction(t, L"hsl"); }
bool ClaimsHsv(std::wstring_view t) {
  return StartsWithFunction(t, L"hsv") || StartsWithFunction(t, L"hsb");
}
bool ClaimsCmyk(std::wstring_view t) { return StartsWithFunction(t, L"cmyk"); }
bool ClaimsLab(std::wstring_view t) { return StartsWithFunction(t, L"lab"); }
bool ClaimsColorrefHex(std::wstring_view t) { return StartsWithNoCase(t, L"0x"); }
bool ClaimsVbLiteral(std::wstring_view t) { return StartsWithNoCase(t, L"&h"); }
bool ClaimsDelphiLiteral(std::wstring_view t) { return t.front() == L'$'; }
// One number on its own; a list has a comma or a blank in it.
bool ClaimsColorrefDecimal(std::wstring_view t) {
  if (!StartsNumber(t.front())) return false;
  for (wchar_t c : t) {
    if (c == L',' || IsBlank(c)) return false;
  }
  return true;
}
bool ClaimsRgbList(std::wstring_view t) { return StartsNumber(t.front()); }
bool ClaimsCssName(std::wstring_view t) { return IsAsciiLetter(t.front()); }
bool ClaimsChineseName(std::wstring_view t) { return t.front() >= FirstNonAscii; }

struct NotationEntry {
  bool (*claims)(std::wstring_view trimmed);  // is the text written in this notation?
  ParseResult (*parse)(std::wstring_view trimmed);
};

// Tried in order; the first notation that claims the text has the final word, so a
// mistyped colour gets that notation's reason rather than a guess at another. The order
// matters where claims overlap: 0x before the bare numbers, one number before a list, the
// functional names before the colour names.
constexpr NotationEntry Notations[] = {
    {ClaimsHex, ParseHex},
    {ClaimsRgb, ParseRgb},
    {ClaimsHsl, ParseHsl},
    {ClaimsHsv, ParseHsv},
    {ClaimsCmyk, ParseCmyk},
    {ClaimsLab, ParseLab},
    {ClaimsColorrefHex, ParseColorrefHex},
    {ClaimsVbLiteral, ParseVbLiteral},
    {ClaimsDelphiLiteral, ParseDelphiLiteral},
    {ClaimsColorrefDecimal, ParseColorrefDecimal},
    {ClaimsRgbList, ParseRgbList},
    {ClaimsCssName, ParseCssName},
    {ClaimsChineseName, ParseChineseName},
};

}  // namespace

ParseResult ParseColour(std::wstring_view text) {
  const std::wstring_view trimmed = Trim(text);
  if (trimmed.empty()) return Refuse(L"no colour given: the text is empty");
  for (const NotationEntry& notation : Notations) {
    if (notation.claims(trimmed)) return notation.parse(trimmed);
  }
  return Refuse(Quote(trimmed) + L" is not written in any colour notation");
}

}  // namespace colour
