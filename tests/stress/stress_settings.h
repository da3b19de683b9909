#pragma once
// How hard the stress tests push. TINTORA_STRESS_SCALE multiplies every count (for a long
// soak: TINTORA_STRESS_SCALE=5 runs the fuzz at 100,000 messages a kind); TINTORA_FUZZ_SEED
// replays one fuzz run.
#include <cstdint>
#include <cstdlib>

namespace stress {

inline int Scale() {
  const char* text = std::getenv("TINTORA_STRESS_SCALE");
  int scale = text ? std::atoi(text) : 1;
  return scale > 0 ? scale : 1;
}

inline int Scaled(int count) { return count * Scale(); }

inline std::uint32_t FuzzSeed(std::uint32_t fallback) {
  const char* text = std::getenv("TINTORA_FUZZ_SEED");
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0)) : fallback;
}

}  // namespace stress
