#pragma once
// Visual states kept in OLDSTATE. For command buttons the state is also the number of
// the face buffer shown.
namespace skin {

inline constexpr int StateNormal = 0;
inline constexpr int StateHover = 1;
inline constexpr int StatePressed = 2;
inline constexpr int StateDisabled = 3;  // command buttons only

// A header's HDINDEX (pressed item) and HMINDEX (hovered item) hold an item's index, or
// this for none.
inline constexpr int NoHeaderItem = -1;

}  // namespace skin
