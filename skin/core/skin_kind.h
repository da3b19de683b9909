#pragma once
// Classification of windows by their lower-cased class name.
#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

enum class SkinKind {
  Form,           // "#32770", "thunderformdc", "thunderrt6formdc", "form"
  CommandButton,  // "thundercommandbutton", "thunderrt6commandbutton", "button"
  ComboBox,       // "thundercombobox", "thunderrt6combobox", "combo", "combobox"
  DriveList,      // "thunderdrivelistbox", "thunderrt6drivelistbox"
  CheckBox,       // "thundercheckbox", "thunderrt6checkbox"
  OptionButton,   // "thunderoptionbutton", "thunderrt6optionbutton"
  ProgressBar,    // "progressbar20wndclass", "progressbarwndclass"
  Header,         // "msvb_lib_header", "sysheader32"
  DataList,       // "datalistwndclass", "dblistwndclass"
  ComboList,      // "combolbox", the drop-down list of a combo box
  Grid,           // any name beginning with "apexgrid"
  Other,
};

// The class name as text, or empty when it cannot be read.
std::wstring WindowClassName(HWND hwnd);

// The kind of a class name; case does not matter.
SkinKind ClassifyClassName(std::wstring_view className);

// The kind of a window, from its class name.
SkinKind KindOf(HWND hwnd);

}  // namespace skin
