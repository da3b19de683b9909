#pragma once
// The control painters: each draws one control (or one header item), in one visual state
// where it has several, from the skin bitmaps and colours.
#include <windows.h>

namespace skin {

// Renders the four faces of a command button into its face buffers; the screen is not
// touched.
void RenderButtonFaces(HWND hwnd);

// Draws the check-box glyph at the control's left edge. Skips (returns 0) when the state
// equals OLDSTATE and force is false; otherwise stores the state and returns 1.
int PaintCheckBox(HWND hwnd, int state, bool force);

// Draws the option-button circle at the control's left edge; as PaintCheckBox.
int PaintOptionButton(HWND hwnd, int state, bool force);

// Draws the drop-down button of a combo box or drive list into dc (0: the window's own).
// The state is raised to pressed while the list is open; the caller sees the change.
void PaintComboButton(HWND hwnd, HDC dc, int& state, bool force);

// Draws one header item (a negative index draws nothing) into dc (0: the window's own).
void PaintHeaderItem(HWND hwnd, HDC dc, int index, int state);

// Paints a header whole, between BeginPaint and EndPaint: every item, the pressed one
// (HDINDEX) and the hovered one (HMINDEX) in their states, over the stretched background.
void PaintHeader(HWND hwnd);

// Paints a progress bar's client area between BeginPaint and EndPaint.
void PaintProgressBar(HWND hwnd);
// Paints a progress bar's whole window, client area included, in one copy: a frame around
// a white border and the fill.
void PaintProgressFrame(HWND hwnd);

}  // namespace skin
