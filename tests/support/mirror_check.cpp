// Linked into the stress runs: after every message the skin handles, its mirror of the window
// properties must agree with the properties themselves. The message's own window is compared
// after each message and all of the thread's windows every FullCheckEvery messages: comparing
// them all after every message takes far too long under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "skin/core/window_props.h"
#include "skin/engine/skin_wndproc.h"

namespace {

constexpr long FullCheckEvery = 20000;
std::atomic<long> messages{0}, disagreements{0};

void CheckMirror(HWND hwnd, UINT message) {
  const long n = ++messages;
  if (skin::MirrorAgrees(hwnd) && (n % FullCheckEvery != 0 || skin::MirrorAgrees(nullptr))) return;
  ++disagreements;
  ADD_FAILURE() << "the skin's mirror disagrees with the window properties after message 0x" << std::hex
                << message << " to window " << hwnd;
}

class MirrorCheck : public ::testing::Environment {
  void SetUp() override { skin::AfterMessageCheck = CheckMirror; }
  void TearDown() override {
    skin::AfterMessageCheck = nullptr;
    std::printf("[ figures ] mirror compared after %ld messages: %ld disagreements\n", messages.load(),
                disagreements.load());
  }
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new MirrorCheck);

}  // namespace
