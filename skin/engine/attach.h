#pragma once
// The engine's entry: attaching the skin to a form and everything inside it.
#include <windows.h>

namespace skin {

// Initialises the engine on first use, then attaches the skin to a top-level form.
// 1 when attached; 0 for a null handle or a window already skinned.
int SkinWindow(HWND hwnd);

// Attaches one window by its kind; a form attaches all its descendants first.
// 0 for a null handle, a window already skinned, or a window of another thread.
int AttachSkin(HWND hwnd);

// EnumChildWindows callback: attaches each descendant and goes on.
BOOL CALLBACK AttachChildProc(HWND hwnd, LPARAM unused);

// True when the library exports the procedure. A library loaded for the question is
// released again; one that was already loaded is left as it was.
bool ApiExists(const char* procedure, const wchar_t* library);

}  // namespace skin
