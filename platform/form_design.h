#pragma once
// Declarative descriptions of forms and their controls, in the form runtime's units
// (twips) and terms (captions, tab indexes, default and cancel buttons).
#include <windows.h>

namespace platform {

enum class ControlKind {
  TextBox,        // an "Edit" window with a sunken client edge
  CommandButton,  // a "Button" window
  Label,          // windowless text drawn by the form, transparent background
  Image,          // windowless picture drawn by the form
};

enum class BorderStyle {
  None,         // no title bar, no frame
  FixedSingle,  // title bar and a thin frame the user cannot drag
  Sizable,      // title bar, sizing frame, minimise and maximise boxes
};

struct FontSpec {
  const wchar_t* face;
  int points;
  int weight;
  BYTE charset;
};

// The Song face the forms use, in the GB2312 character set so Chinese shows everywhere.
inline constexpr const wchar_t* SongFace = L"宋体";
inline constexpr FontSpec DefaultFormFont{SongFace, 9, FW_NORMAL, GB2312_CHARSET};

// "Not set": the control uses the platform's or the form's own colour.
inline constexpr COLORREF DefaultColor = CLR_INVALID;
// A colour that stands for a system colour: the high bit set, the COLOR_ index below.
inline constexpr COLORREF SystemColorFlag = 0x80000000;
inline constexpr COLORREF ButtonFaceColor = SystemColorFlag | COLOR_BTNFACE;

// The actual colour of a colour that may stand for a system colour.
inline COLORREF ResolveColor(COLORREF colour) {
  return (colour & SystemColorFlag) && colour != DefaultColor
             ? GetSysColor(static_cast<int>(colour & 0xFF))
             : colour;
}

struct ControlDesign {
  const wchar_t* name = L"";
  int index = -1;  // index within a control array; -1 when the control is not in one
  ControlKind kind = ControlKind::Label;
  const wchar_t* text = L"";
  int left = 0;  // twips, relative to the form's client area
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = 0;
  COLORREF backColor = DefaultColor;
  COLORREF foreColor = DefaultColor;
  const FontSpec* font = nullptr;  // nullptr: the form's font
  bool password = false;           // text box: every character shown as '*'
  bool isDefault = false;          // Enter clicks it unless another button has the focus
  bool isCancel = false;           // Esc clicks it wherever the focus is
  int pictureId = 0;               // image: bitmap resource, magenta corners transparent
  const wchar_t* mnemonicTarget = nullptr;  // label: control its access key focuses
};

struct FormDesign {
  const wchar_t* caption = L"";
  BorderStyle border = BorderStyle::Sizable;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  bool centred = false;  // false: where the platform places new windows
  COLORREF backColor = ButtonFaceColor;
  int iconId = 0;
  int pictureId = 0;  // drawn at the client area's top-left corner
  bool taskbarButton = false;  // keeps a taskbar button even without a title bar
  const FontSpec* font = &DefaultFormFont;
};

}  // namespace platform
