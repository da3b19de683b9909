#pragma once
// The engine's module state: one instance for the process. Everything else the engine
// knows about a window lives in that window's properties (window_props.h).
#include <windows.h>

namespace skin {

// The one-time initialisation of SkinWindow has run; cleared when the last skinned
// window is detached.
extern bool SkinInitialized;
// user32 exports TrackMouseEvent; otherwise comctl32's _TrackMouseEvent is used.
extern bool HasTrackMouseEvent;
// The five built-in skin bitmaps, each a memory surface that owns its bitmap.
extern HDC ButtonBitmap;
extern HDC ComboBitmap;
extern HDC CheckBitmap;
extern HDC GlyphBitmap;
extern HDC HeaderBitmap;
// Windows whose procedure the engine has replaced and not yet restored.
extern LONG SkinnedWindowCount;

}  // namespace skin
