#pragma once
// The parts every colour notation is built from: blanks and hex digits, short quotes of
// what was typed, numbers read by what they stand for and written with trimmed decimals,
// and the byte layout of a COLORREF.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "colour/colour_types.h"

namespace colour::notation_parts {

bool IsBlank(wchar_t c);  // ASCII blanks, no-break space and the ideographic space
bool IsDigit(wchar_t c);
bool IsAsciiLetter(wchar_t c);
int HexValue(wchar_t c);  // 0..15 for a hex digit in either case, otherwise -1
// Whether text starts with prefix (written in lower case), ignoring the case of ASCII.
bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix);
std::wstring_view Trim(std::wstring_view text);

// Text as typed, in quotes; a long text only by a short prefix and an ellipsis.
std::wstring Quote(std::wstring_view text);
// The first character of text (both halves of a surrogate pair), in quotes.
std::wstring QuoteCharacter(std::wstring_view text);

// At most `decimals` decimals, trailing zeros trimmed, never "-0".
std::wstring FormatNumber(double value, int decimals);
// value as `digits` upper-case hex digits.
void AppendHex(std::wstring& text, std::uint32_t value, std::size_t digits);

enum class Unit { None, Percent, Degrees };

// One value of a notation: its name in reasons, its range and how it may be written.
struct Channel {
  const wchar_t* name;
  double low, high;
  bool whole;  // whole numbers only
  Unit unit;   // an optional unit after the number ('%'; 'deg' or a degree sign)
};

// Reads one value by its channel into out; the reason it is not one, or empty.
std::wstring ReadValue(std::wstring_view token, const Channel& channel, double& out);
// Values separated by commas, or else by blanks; each one trimmed. "1,,2" has an empty one.
std::vector<std::wstring_view> SplitValues(std::wstring_view text);
// "red, green, blue"
std::wstring ChannelNames(std::span<const Channel> channels);
// Reads values[i] by channels[i] into out[i]; the reason for the first bad value, or empty.
// values, channels and out have the same length.
std::wstring ReadValues(std::span<const std::wstring_view> values,
                        std::span<const Channel> channels, std::span<double> out);

// A COLORREF holds red in its low byte, then green, then blue; the top byte is zero.
inline constexpr std::uint32_t ColorrefMax = 0xFFFFFF;
inline constexpr std::size_t ColorrefHexDigits = 8;  // 00BBGGRR
Rgb8 FromColorref(std::uint32_t colorref);
std::uint32_t ToColorref(const Rgb8& rgb);
// 0xRRGGBB, the order a #RRGGBB hex code writes.
Rgb8 FromHexCode(std::uint32_t code);
std::uint32_t ToHexCode(const Rgb8& rgb);

}  // namespace colour::notation_parts
