#pragma once
// The named window properties that hold all per-window skin state. Each holds one
// pointer-sized value; an absent property reads as 0.
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

LONG_PTR ReadProp(HWND hwnd, const wchar_t* name);
// How many property reads the engine has made in this process (for the benchmarks).
unsigned long long PropertyReadCount();
void WriteProp(HWND hwnd, const wchar_t* name, LONG_PTR value);
void DeleteProp(HWND hwnd, const wchar_t* name);

inline int ReadIntProp(HWND hwnd, const wchar_t* name) {
  return static_cast<int>(ReadProp(hwnd, name));
}
inline HDC FaceDc(HWND hwnd, int n) {
  return reinterpret_cast<HDC>(ReadProp(hwnd, FaceDcPropName(n)));
}
inline bool IsSkinned(HWND hwnd) { return ReadProp(hwnd, PropProcAddr) != 0; }

}  // namespace skin
