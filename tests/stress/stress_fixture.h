#pragma once
// The stress runs' form and runs. Counts are multiplied by TINTORA_STRESS_SCALE (a soak: 50).
// In these binaries the skin's mirror is compared with the window properties after every message.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace stress {

// Twelve command buttons, a check box, an option button, an editable combo, a header, a progress
// bar; with `allKinds` also a list and a simple combo, a drive list, a data list, a grid, an edit.
struct FixtureForm {
  std::vector<HWND> all;  // the form, its twelve buttons, then the other controls
  HWND listCombo = nullptr;
  HWND form() const { return all[0]; }
  HWND button(int i) const { return all[1 + static_cast<size_t>(i)]; }
};
// The windows the skin attaches: the form, its controls and the combos' own child windows.
inline constexpr LONG AllKindsWindows = 27;

FixtureForm CreateFixtureForm(bool allKinds = false);
// Skins, paints and destroys a form once: a process's first paints keep objects for good.
void WarmUp();
int Scaled(int count);

// A run of Runs.KeepNothing: start, step(0) uncounted (see WarmUp), step(1 .. count) each
// right, end; no GDI object kept, nor heap memory where counted (Wine's moves a little).
struct Run {
  const char* name;
  int count;
  void (*start)();
  bool (*step)(int i);
  void (*end)();
  bool heapCounted = false;
};
inline void PrintTo(const Run& run, std::ostream* out) { *out << run.name; }
class Runs : public ::testing::TestWithParam<Run> {};
inline const char* RunName(const ::testing::TestParamInfo<Run>& info) { return info.param.name; }

}  // namespace stress
