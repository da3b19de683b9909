#pragma once
// The kinds of window the skin tells apart. Which class names make each kind, and what the
// skin does for it, is the kind table's (skin/kinds/kind_table.h).
#include <windows.h>

#include <string>

namespace skin {

enum class SkinKind {
  Form,
  CommandButton,
  ComboBox,
  DriveList,
  CheckBox,
  OptionButton,
  ProgressBar,
  Header,
  DataList,
  ComboList,  // the drop-down list of a combo box
  Grid,
  Other,      // every window of no kind of its own; stays last, the kind table counts by it
};

// The class name as text, or empty when it cannot be read.
std::wstring WindowClassName(HWND hwnd);

}  // namespace skin
