#pragma once
// The named window properties that hold all per-window skin state. Each holds one
// pointer-sized value; an absent property reads as 0.
//
// The properties are written, changed and removed here only, and each thread keeps a mirror
// of what it wrote on its own windows: every write and removal goes to the property first,
// then to the mirror, and the skin's own reads are served from the mirror. A property read is
// a round trip to the window server on some platforms, and SkinWndProc reads PROCADDR for
// every message. The mirror holds a window from the start of its attachment until its skin
// comes off or the window is destroyed, whichever is first.
#include <windows.h>

namespace skin {

inline constexpr wchar_t PropProcAddr[] = L"PROCADDR";      // previous window procedure
inline constexpr wchar_t PropOldStyle[] = L"OLDSTYLE";      // button style before owner-draw
inline constexpr wchar_t PropMouseFlag[] = L"MOUSEFLAG";    // 1 while hovered and tracked
inline constexpr wchar_t PropTimerId[] = L"TIMERID";        // running fade timer, 0 for none
inline constexpr wchar_t PropOldState[] = L"OLDSTATE";      // last visual state painted
inline constexpr wchar_t PropAlphaLevel[] = L"ALPHALEVEL";  // opacity of the next face blend
inline constexpr wchar_t PropHdIndex[] = L"HDINDEX";        // pressed header item, -1 for none
inline constexpr wchar_t PropHmIndex[] = L"HMINDEX";        // hovered header item, -1 for none
// Present only while the window is being attached: its own procedure may attach it again
// from a message the attachment sends, before PROCADDR exists.
inline constexpr wchar_t PropAttaching[] = L"ATTACHING";

// A command button has one face buffer per visual state: "0HDC".."3HDC" hold the memory
// device contexts and "0BMP".."3BMP" the bitmaps selected into them.
inline constexpr int FaceCount = 4;
// The names for face n; null for a number that has no face (reads as absent).
const wchar_t* FaceDcPropName(int n);
const wchar_t* FaceBitmapPropName(int n);

// The skin's own value on a window this thread attached, from the mirror: 0 when absent, and
// for every window the thread does not hold (another thread's, or one not skinned).
LONG_PTR ReadProp(HWND hwnd, const wchar_t* name);
// The property, then the mirror; a write the platform refuses leaves the mirror as it was.
// A window enters the mirror when its attachment writes ATTACHING or PROCADDR; other writes
// to a window the mirror does not hold go to the property alone.
void WriteProp(HWND hwnd, const wchar_t* name, LONG_PTR value);
void DeleteProp(HWND hwnd, const wchar_t* name);
// Removes whatever the mirror still holds for the window, property and mirror entry alike:
// when the skin comes off, when an attachment fails, and on the window's WM_NCDESTROY, so
// that nothing of the window is left when its handle comes to name another window.
void ReleaseWindowProps(HWND hwnd);

// Skinned or not: PROCADDR is present. A window the mirror does not hold is asked directly
// (another thread's window, or a handle now naming a window this thread never attached).
bool IsSkinned(HWND hwnd);

// For checks in tests: true when every value the mirror holds for the window (for every
// window of this thread when hwnd is null) is what the window's property reads, and a
// window the mirror does not hold carries no PROCADDR of this thread's.
bool MirrorAgrees(HWND hwnd);

inline int ReadIntProp(HWND hwnd, const wchar_t* name) {
  return static_cast<int>(ReadProp(hwnd, name));
}
inline HDC FaceDc(HWND hwnd, int n) {
  return reinterpret_cast<HDC>(ReadProp(hwnd, FaceDcPropName(n)));
}

}  // namespace skin
