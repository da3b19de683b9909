#pragma once
// Shared by the leak runs: a warm-up before the first measurement, and the figures line.
#include <windows.h>

#include <cstdio>

#include "skin/core/attach.h"
#include "tests/stress/fixture_form.h"
#include "tests/support/pump.h"

namespace stress {

// The first display context and the first paints of a process keep a few objects for the
// life of the process: run the work once before measuring.
inline void WarmUp() {
  FixtureForm f = CreateFixtureForm(true);
  skin::SkinWindow(f.form);
  test::PumpMessages();
  DestroyWindow(f.form);
  test::PumpMessages();
}

inline void Report(const char* what, int cycles, int leaked) {
  std::printf("[ figures ] %s: %d, GDI objects leaked: %d\n", what, cycles, leaked);
}

}  // namespace stress
