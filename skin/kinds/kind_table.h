#pragma once
// The kind table: one row per SkinKind with the class names that make a window of that
// kind and what the skin does for it at each message that concerns it. The message
// handlers (skin/engine/) look a window's kind up here and call its behaviour.
//
// Adding a kind:
//   1. name it in SkinKind (skin/core/skin_kind.h), before Other;
//   2. write its behaviours in a file of its own in this folder, drawing through
//      skin/render/ and reacting through skin/interaction/;
//   3. give it its row in kind_table.cpp, in the enum's order: its class names and the
//      behaviours it has. A behaviour left out means the window's previous procedure only
//      (nothing of the skin's own, for attach and detach).
// The compiler names what is left undone: kind_table.cpp checks that there is one row per
// kind, in order.
#include <windows.h>

#include <span>
#include <string_view>

#include "skin/core/skin_handler.h"
#include "skin/core/skin_kind.h"

namespace skin {

// The input a kind reacts to, after the control's own procedure has handled it.
enum class InputEvent { MouseMove, LButtonDown, LButtonUp, LButtonDblClk, KeyDown, KeyUp };

// Installs the skin's procedure on a window being attached and counts it; false when the
// window has gone meanwhile (its own procedure destroyed it from a message its attachment
// sent), and then nothing is installed.
using Subclass = bool (*)(HWND hwnd);

// A reaction that runs after the window's previous procedure (or, for the timer, before).
using Reaction = void (*)(HWND hwnd);

struct KindRow {
  SkinKind kind;
  // Exact class names, compared lower-cased; and a prefix that makes the kind (or empty).
  std::span<const wchar_t* const> classNames = {};
  std::wstring_view classPrefix = {};
  // The window's descendants are attached before it, and lose the skin before it.
  bool descendantsFirst = false;

  // Gives the window what its kind keeps in its properties, then hands it to `subclass`;
  // what it made is released again when that fails. False when the window stays plain.
  bool (*attach)(HWND hwnd, Subclass subclass) = nullptr;
  // Takes back what attach gave, before the previous procedure is restored.
  Reaction detach = nullptr;
  // WM_PAINT and WM_NCPAINT: each decides whether and when the previous procedure runs.
  SkinHandler paint = nullptr;
  SkinHandler nonClientPaint = nullptr;
  // After the previous procedure: WM_SIZE, the mouse and keys, WM_MOUSELEAVE, WM_ENABLE,
  // WM_SETFOCUS and WM_KILLFOCUS (gained: the former), WM_WINDOWPOSCHANGED.
  Reaction size = nullptr;
  void (*input)(HWND hwnd, InputEvent event, WPARAM wParam, LPARAM lParam) = nullptr;
  Reaction leave = nullptr;
  void (*enable)(HWND hwnd, bool enabled) = nullptr;
  void (*focus)(HWND hwnd, bool gained) = nullptr;
  Reaction position = nullptr;
  // Before the previous procedure: WM_TIMER.
  Reaction timer = nullptr;
  // After a left-button release on any skinned window beside it.
  Reaction refresh = nullptr;
};

// The row of a kind.
const KindRow& KindRowOf(SkinKind kind);

// The kind of a class name: the exact names first, then the prefixes; case does not matter.
SkinKind ClassifyClassName(std::wstring_view className);

// The kind of a window, from its class name.
SkinKind KindOf(HWND hwnd);

}  // namespace skin
