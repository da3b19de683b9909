#pragma once
// Message pumping for tests: run the queue until it is empty, or for a while.
#include <windows.h>

namespace test {

// Dispatches every message waiting for this thread, then returns.
void PumpMessages();

// Dispatches messages for about the given time (in ms); returns early when done() holds.
template <typename Done>
bool PumpUntil(DWORD timeoutMs, Done done) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(DWORD ms);

}  // namespace test
