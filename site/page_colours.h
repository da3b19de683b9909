#pragma once
// The colours of the page furniture (not of the charts): COLORREF, 0x00BBGGRR.
#include <windows.h>

namespace site {

inline constexpr COLORREF PageBackground = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF Ink = RGB(0x2B, 0x2B, 0x2B);            // titles, labels
inline constexpr COLORREF MutedInk = RGB(0x6E, 0x6E, 0x6E);       // notes, heads, subtitle
inline constexpr COLORREF RuleColour = RGB(0xDD, 0xDD, 0xDD);     // under the page header
inline constexpr COLORREF Accent = RGB(0x54, 0xA5, 0xD5);         // the skin's frame blue
inline constexpr COLORREF AccentDark = RGB(0x1F, 0x4E, 0x79);     // selection outline
inline constexpr COLORREF RowHoverTint = RGB(0xEE, 0xF5, 0xFB);
inline constexpr COLORREF RowSelectedTint = RGB(0xD5, 0xE7, 0xF6);
inline constexpr COLORREF CardFill = RGB(0xF7, 0xF8, 0xFA);
inline constexpr COLORREF CardBorder = RGB(0xD9, 0xDD, 0xE3);
inline constexpr COLORREF PlaceholderHatch = RGB(0xC9, 0xCD, 0xD3);  // a chart not built in
inline constexpr COLORREF StatusFill = RGB(0xF2, 0xF3, 0xF5);
inline constexpr COLORREF LightText = RGB(0xFF, 0xFF, 0xFF);      // labels on dark chips
inline constexpr COLORREF DarkText = RGB(0x1A, 0x1A, 0x1A);       // labels on light chips

}  // namespace site
