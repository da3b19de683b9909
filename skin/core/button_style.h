#pragma once
// Which button styles the skin draws from its faces.
#include <windows.h>

namespace skin {

// Push, default push and user buttons are made owner-drawn and shown from the skin's
// faces. Every other button type keeps its own painting: check boxes, radio buttons,
// group boxes, owner-drawn buttons, and automatic radio buttons too, which stop checking
// themselves once owner-drawn.
inline bool IsFaceDrawnButtonStyle(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON:
      return true;
    default:
      return false;
  }
}

}  // namespace skin
