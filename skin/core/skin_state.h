#pragma once
// The engine's module state: one instance for the process. Everything else the engine
// knows about a window lives in that window's properties (window_props.h).
#include <windows.h>

namespace skin {

// The one-time initialisation of SkinWindow has run; cleared when the last skinned
// window is detached.
inline bool SkinInitialized = false;
// user32 exports TrackMouseEvent; otherwise comctl32's _TrackMouseEvent is used.
inline bool HasTrackMouseEvent = false;
// Windows whose procedure the engine has replaced and not yet restored.
inline LONG SkinnedWindowCount = 0;

// The five built-in skin bitmaps, the rest of the module state, are kept with their
// description (skin/render/skin_bitmaps.h).

}  // namespace skin
