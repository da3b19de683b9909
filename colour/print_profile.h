#pragma once
// The CMYK output profile for coated offset print, embedded in the executable.
#include <cstddef>
#include <span>

namespace colour {

// The profile's bytes as the executable carries them; empty when it carries none.
std::span<const std::byte> PrintProfileBytes();

}  // namespace colour
