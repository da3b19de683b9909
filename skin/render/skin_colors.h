#pragma once
// The skin's colours, as COLORREF (0x00BBGGRR).
#include <windows.h>

namespace skin {

inline constexpr COLORREF SkinFrameColor = 0xD5A554;          // frames of enabled controls
inline constexpr COLORREF SkinFrameDisabledColor = 0xE9CFA4;  // frames of disabled controls
inline constexpr COLORREF CheckFramePressedColor = 0xC48639;  // check-box frame while pressed
inline constexpr COLORREF DisabledCaptionColor = 0x968A79;    // caption on the disabled face
inline constexpr COLORREF ProgressFillColor = 0xF6D64C;       // filled part of a progress bar
inline constexpr COLORREF SkinKeyColor = 0xFF00FF;            // transparent pixels of the artwork
inline constexpr COLORREF White = 0xFFFFFF;
inline constexpr COLORREF Black = 0x000000;

}  // namespace skin
