#pragma once
// How hard the stress runs push, and the figures they print. TINTORA_STRESS_SCALE multiplies
// every count (a soak: TINTORA_STRESS_SCALE=50); TINTORA_FUZZ_SEED replays one fuzz run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"

namespace stress {

inline int Scaled(int count) {
  const char* text = std::getenv("TINTORA_STRESS_SCALE");
  const int scale = text ? std::atoi(text) : 1;
  return count * (scale > 0 ? scale : 1);
}

inline std::uint32_t FuzzSeed(std::uint32_t fallback) {
  const char* text = std::getenv("TINTORA_FUZZ_SEED");
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0)) : fallback;
}

// Runs step(i) for i = 1 to count after one unmeasured step(0), prints the figures and
// returns the GDI objects the run leaked.
template <typename Step>
int LeakedOver(const char* what, int count, Step step) {
  step(0);
  const int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 1; i <= count; ++i) step(i);
    test::PumpMessages();
  });
  std::printf("[ figures ] %s: %d, GDI objects leaked: %d\n", what, count, leaked);
  std::fflush(stdout);
  return leaked;
}

}  // namespace stress
