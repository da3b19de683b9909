#pragma once
// Memory in use, counted exactly: the bytes of every busy block in every heap of the
// process (the C runtime's included), walked with HeapWalk.
#include <cstddef>

namespace test {

std::size_t HeapBytesInUse();

}  // namespace test
