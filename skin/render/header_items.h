#pragma once
// What the header painters ask a header control: an item's text, and the strip that
// shows a visual state.
#include <windows.h>

#include <string>

#include "skin/render/skin_pieces.h"

namespace skin {

// The item's text (HDM_GETITEM with HDI_TEXT into a buffer as large as it declares),
// without NUL characters; empty when the item has none or does not exist.
std::wstring HeaderItemText(HWND header, int index);

// The header strip for a visual state: hover and pressed have their own, all else normal.
const SkinPiece& HeaderStripFor(int state);

}  // namespace skin
