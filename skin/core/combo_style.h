#pragma once
// What the skin reads from a combo box's style. The type is in the two low bits: CBS_SIMPLE
// 1, CBS_DROPDOWN 2, CBS_DROPDOWNLIST 3; each question looks at one bit of it.
#include <windows.h>

namespace skin {

// Clear only for CBS_DROPDOWN, the editable drop-down combo.
inline constexpr LONG_PTR NotEditableDropDownBit = 0x1;
// Set for drop-down and drop-down-list combos, clear for simple ones.
inline constexpr LONG_PTR DropButtonBit = 0x2;

// An editable drop-down combo's edit field is a child window that paints itself: the skin
// paints the rest of the control whole, and only the button at the right is the drop
// button. Simple and drop-down-list combos paint themselves first, and the whole control
// counts as the button.
inline bool IsEditableDropDown(LONG_PTR style) { return (style & NotEditableDropDownBit) == 0; }

// Drop-down and drop-down-list combos have a drop button; simple combos have none.
inline bool HasDropButton(LONG_PTR style) { return (style & DropButtonBit) != 0; }

}  // namespace skin
