#pragma once
// Window classes named as the skin's kinds that the platform has no class for: each
// superclasses the standard control that behaves like it (or answers what the painters
// ask), so the skin can be tried on real peers.
#include <windows.h>

namespace gallery {

inline constexpr wchar_t CheckBoxClass[] = L"ThunderRT6CheckBox";          // auto check box
inline constexpr wchar_t OptionButtonClass[] = L"ThunderRT6OptionButton";  // auto radio button
inline constexpr wchar_t DriveListClass[] = L"ThunderRT6DriveListBox";     // drop-down list combo
inline constexpr wchar_t ProgressBarClass[] = L"ProgressBarWndClass";      // comctl32 progress bar
inline constexpr wchar_t DataListClass[] = L"DataListWndClass";            // list box
inline constexpr wchar_t GridClass[] = L"ApexGridOleDB32";                 // a plain white window

// Registers the classes above (once per process) and initialises the common controls.
void RegisterKindClasses();

}  // namespace gallery
