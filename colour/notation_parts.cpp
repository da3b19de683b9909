// The parts every colour notation is built from.
#include "colour/notation_parts.h"

#include <array>
#include <charconv>

namespace colour::notation_parts {
namespace {

// Reasons quote at most this many characters of what was typed, then an ellipsis.
constexpr std::size_t QuoteLimit = 24;
// No number a colour needs is longer; longer ones are refused before they are converted.
constexpr std::size_t MaxNumberLength = 32;
// Room for the largest double written out in full, with decimals.
constexpr std::size_t NumberBuffer = 512;
constexpr int DecimalBase = 10;
constexpr int BitsPerHexDigit = 4;
constexpr std::uint32_t HexDigitMask = 0xF;
constexpr std::uint32_t ByteMask = 0xFF;
constexpr int GreenShift = 8;
constexpr int BlueShift = 16;  // in a COLORREF; red's place in a hex code

constexpr wchar_t NoBreakSpace = L'\u00A0';
constexpr wchar_t IdeographicSpace = L'\u3000';
constexpr wchar_t DegreeSign = L'\u00B0';
constexpr std::wstring_view DegreeUnit = L"deg";
constexpr wchar_t Ellipsis = L'\u2026';
constexpr wchar_t RangeDash = L'\u2013';
constexpr wchar_t FirstHighSurrogate = 0xD800;
constexpr wchar_t LastHighSurrogate = 0xDBFF;

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

bool IsHighSurrogate(wchar_t c) { return c >= FirstHighSurrogate && c <= LastHighSurrogate; }

bool EndsWithNoCase(std::wstring_view text, std::wstring_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Text as typed, cut to a short prefix, never between the halves of a surrogate pair.
std::wstring Shorten(std::wstring_view text) {
  if (text.size() <= QuoteLimit) return std::wstring(text);
  std::size_t keep = QuoteLimit;
  if (IsHighSurrogate(text[keep - 1])) --keep;
  return std::wstring(text.substr(0, keep)) + Ellipsis;
}

std::wstring_view UnitText(const Channel& channel) {
  return channel.unit == Unit::Percent ? L"%" : L"";
}

std::wstring Range(const Channel& channel) {
  return FormatNumber(channel.low, 0) + RangeDash + FormatNumber(channel.high, 0) +
         std::wstring(UnitText(channel));
}

std::wstring Expectation(const Channel& channel) {
  return std::wstring(L"expected ") + (channel.whole ? L"a whole number " : L"a number ") +
         Range(channel) + L" for " + channel.name;
}

// The number without its unit, when the channel allows one.
std::wstring_view WithoutUnit(std::wstring_view token, Unit unit) {
  if (unit == Unit::Percent && token.back() == L'%') {
    token.remove_suffix(1);
  } else if (unit == Unit::Degrees && token.back() == DegreeSign) {
    token.remove_suffix(1);
  } else if (unit == Unit::Degrees && EndsWithNoCase(token, DegreeUnit)) {
    token.remove_suffix(DegreeUnit.size());
  }
  return token;
}

// A plain decimal: optional sign, digits, optional fraction; no exponent, no blanks.
bool IsDecimal(std::wstring_view text, bool& hasFraction) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  hasFraction = i < text.size() && text[i] == L'.';
  if (hasFraction) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  return digits > 0 && i == text.size();
}

}  // namespace

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' ||
         c == NoBreakSpace || c == IdeographicSpace;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

int HexValue(wchar_t c) {
  if (IsDigit(c)) return c - L'0';
  const wchar_t lower = AsciiLower(c);
  if (lower >= L'a' && lower <= L'f') return lower - L'a' + DecimalBase;
  return -1;
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[i]) != prefix[i]) return false;
  }
  return true;
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring Quote(std::wstring_view text) { return L"'" + Shorten(text) + L"'"; }

std::wstring QuoteCharacter(std::wstring_view text) {
  const bool pair = text.size() > 1 && IsHighSurrogate(text[0]);
  return Quote(text.substr(0, pair ? 2 : 1));
}

std::wstring FormatNumber(double value, int decimals) {
  std::array<char, NumberBuffer> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
  if (error != std::errc{}) return L"?";
  std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  if (text.find('.') != std::string_view::npos) {
    while (text.back() == '0') text.remove_suffix(1);
    if (text.back() == '.') text.remove_suffix(1);
  }
  if (text == "-0") text = "0";
  return std::wstring(text.begin(), text.end());
}

void AppendHex(std::wstring& text, std::uint32_t value, std::size_t digits) {
  constexpr std::wstring_view Digits = L"0123456789ABCDEF";
  for (std::size_t i = digits; i-- > 0;) {
    text += Digits[(value >> (BitsPerHexDigit * i)) & HexDigitMask];
  }
}

std::wstring ReadValue(std::wstring_view token, const Channel& channel, double& out) {
  if (token.empty()) return std::wstring(L"the value for ") + channel.name + L" is missing";
  const std::wstring_view number = WithoutUnit(token, channel.unit);
  if (number.size() > MaxNumberLength) {
    return L"the number " + Quote(token) + L" for " + channel.name + L" is too long";
  }
  bool hasFraction = false;
  if (!IsDecimal(number, hasFraction) || (channel.whole && hasFraction)) {
    return Expectation(channel) + L", found " + Quote(token);
  }
  // Checked above to be ASCII digits, a sign and a point; the conversion takes no '+'.
  std::string narrow;
  for (wchar_t c : number) {
    if (c != L'+') narrow += static_cast<char>(c);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value,
                                            std::chars_format::fixed);
  if (error != std::errc{} || end != narrow.data() + narrow.size() || value < channel.low ||
      value > channel.high) {
    return L"value " + Shorten(token) + L" is out of range " + Range(channel) + L" for " +
           channel.name;
  }
  out = value + 0.0;  // adding zero turns -0 into 0
  return {};
}

std::vector<std::wstring_view> SplitValues(std::wstring_view text) {
  std::vector<std::wstring_view> values;
  if (text.find(L',') != std::wstring_view::npos) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = text.find(L',', start);
      values.push_back(Trim(text.substr(start, comma - start)));
      if (comma == std::wstring_view::npos) break;
      start = comma + 1;
    }
    return values;
  }
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) values.push_back(text.substr(start, i - start));
  }
  return values;
}

std::wstring ChannelNames(std::span<const Channel> channels) {
  std::wstring names;
  for (const Channel& channel : channels) {
    if (!names.empty()) names += L", ";
    names += channel.name;
  }
  return names;
}

std::wstring ReadValues(std::span<const std::wstring_view> values,
                        std::span<const Channel> channels, std::span<double> out) {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    std::wstring reason = ReadValue(values[i], channels[i], out[i]);
    if (!reason.empty()) return reason;
  }
  return {};
}

Rgb8 FromColorref(std::uint32_t colorref) {
  return {static_cast<std::uint8_t>(colorref & ByteMask),
          static_cast<std::uint8_t>((colorref >> GreenShift) & ByteMask),
          static_cast<std::uint8_t>((colorref >> BlueShift) & ByteMask)};
}

std::uint32_t ToColorref(const Rgb8& rgb) {
  return rgb.r | (static_cast<std::uint32_t>(rgb.g) << GreenShift) |
         (static_cast<std::uint32_t>(rgb.b) << BlueShift);
}

Rgb8 FromHexCode(std::uint32_t code) {
  const Rgb8 swapped = FromColorref(code);
  return {swapped.b, swapped.g, swapped.r};
}

std::uint32_t ToHexCode(const Rgb8& rgb) {
  return (static_cast<std::uint32_t>(rgb.r) << BlueShift) |
         (static_cast<std::uint32_t>(rgb.g) << GreenShift) | rgb.b;
}

}  // namespace colour::notation_parts
