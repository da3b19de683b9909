#pragma once
// The stress tests' standard form: twelve command buttons, a check box, an option
// button, a drop-down combo, a header and a progress bar, plus every other kind the
// engine knows for the paint and fuzz runs.
#include <windows.h>

#include <vector>

namespace stress {

struct FixtureForm {
  HWND form = nullptr;
  std::vector<HWND> buttons;
  HWND check = nullptr;
  HWND option = nullptr;
  HWND combo = nullptr;  // drop-down, editable
  HWND header = nullptr;
  HWND progress = nullptr;
  // Only with `allKinds`:
  HWND listCombo = nullptr;    // drop-down list
  HWND simpleCombo = nullptr;  // simple
  HWND drive = nullptr;
  HWND dataList = nullptr;
  HWND grid = nullptr;
  HWND edit = nullptr;  // a sunken text box: kind "other"

  std::vector<HWND> All() const;
};

// Creates the form (visible, at a fixed place) and its controls; does not skin it.
FixtureForm CreateFixtureForm(bool allKinds = false);

}  // namespace stress
