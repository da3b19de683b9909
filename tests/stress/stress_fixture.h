#pragma once
// The stress runs' form and how hard they push. Each run is one step repeated `count` times,
// TINTORA_STRESS_SCALE times over (a soak: TINTORA_STRESS_SCALE=50), with the GDI objects
// and heap bytes of the whole run counted; TINTORA_FUZZ_SEED replays one fuzz run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace stress {

// Twelve command buttons, a check box, an option button, an editable combo, a header and a
// progress bar; with `allKinds` also a drop-down list and a simple combo, a drive list, a data
// list, a grid, and a sunken text box (kind "other").
struct FixtureForm {
  HWND form = nullptr;
  std::vector<HWND> buttons;
  HWND check = nullptr, option = nullptr, combo = nullptr, header = nullptr, progress = nullptr;
  HWND listCombo = nullptr, simpleCombo = nullptr, drive = nullptr, dataList = nullptr, grid = nullptr,
       edit = nullptr;

  std::vector<HWND> All() const;
};

// The windows the skin attaches in a form without `allKinds`: the form, its 17 controls and
// the editable combo's own edit field.
inline constexpr LONG FixtureWindows = 19;

// Creates the form (visible, at a fixed place) and its controls; does not skin it.
FixtureForm CreateFixtureForm(bool allKinds = false);

// The first display context and the first paints of a process keep a few objects for the
// life of the process: skins, paints and destroys the whole form once before a measurement.
void WarmUp();

int Scaled(int count);
std::uint32_t FuzzSeed(std::uint32_t fallback);

// One run: `start` makes what the steps work on, step(i) for i = 0 (not counted: the first
// paints and message boxes of a process keep a few objects for good) up to count says whether
// the step went as it should, `end` takes everything down again. Heap growth is checked for
// runs that ask for it only: Wine's own bookkeeping moves by small amounts.
struct Run {
  const char* name;  // also the test's name
  int count;
  void (*start)();
  bool (*step)(int i);
  void (*end)();
  bool heapCounted = false;
};

inline void PrintTo(const Run& run, std::ostream* out) { *out << run.name; }
class Runs : public ::testing::TestWithParam<Run> {};
// Runs each step, prints the figures, and expects every step right and nothing kept.
void RunAndCount(const Run& run);
std::string RunName(const ::testing::TestParamInfo<Run>& info);

}  // namespace stress
