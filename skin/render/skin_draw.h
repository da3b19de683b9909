#pragma once
// The painters' common moves: a piece of artwork drawn as a nine-slice or with the key,
// the frame colour of a control, the flat double frame of lists and drop-down lists, the
// flat client edge.
#include <windows.h>

#include <optional>

#include "skin/render/skin_pieces.h"

namespace skin {

// A piece drawn into (x, y, w, h) as a nine-slice, optionally with the key colour.
int DrawPiece(HDC dest, int x, int y, int w, int h, HDC source, const SkinPiece& piece,
              const Margins& margins, std::optional<COLORREF> key = std::nullopt);

// A small glyph copied at its own size with the skin's key colour left out.
void DrawGlyph(HDC dest, int x, int y, HDC source, const SkinPiece& piece);

// Copies a finished piece to dc, or to the window's own device context when dc is 0.
void CopyToWindow(HWND hwnd, HDC dc, int x, int y, int w, int h, HDC source);

// The frame colour of a control: pale while it is disabled.
COLORREF FrameColorFor(HWND hwnd);

// The outermost pixel ring in the frame colour and the next ring white, on dc (the
// window's device context, origin at its top-left corner).
void DrawFlatDoubleFrame(HWND hwnd, HDC dc);

// Over a sunken client edge the default frame has just drawn: the outer ring in the frame
// colour and the rings inside it, as many as the border is wide, in the client's background.
void DrawFlatClientEdge(HWND hwnd);

}  // namespace skin
