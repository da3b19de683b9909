#pragma once
// The stress runs' form: twelve command buttons, a check box, an option button, an editable
// combo, a header and a progress bar; with `allKinds` also every other kind the engine knows.
#include <windows.h>

#include <vector>

namespace stress {

struct FixtureForm {
  HWND form = nullptr;
  std::vector<HWND> buttons;
  HWND check = nullptr, option = nullptr, combo = nullptr, header = nullptr, progress = nullptr;
  // Only with `allKinds`: a drop-down list and a simple combo, a drive list, a data list, a
  // grid, and a sunken text box (kind "other").
  HWND listCombo = nullptr, simpleCombo = nullptr, drive = nullptr, dataList = nullptr,
       grid = nullptr, edit = nullptr;

  std::vector<HWND> All() const;
};

// Creates the form (visible, at a fixed place) and its controls; does not skin it.
FixtureForm CreateFixtureForm(bool allKinds = false);

// The first display context and the first paints of a process keep a few objects for the
// life of the process: skins, paints and destroys the whole form once before a measurement.
void WarmUp();

}  // namespace stress
