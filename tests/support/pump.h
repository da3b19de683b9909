#pragma once
// Message pumping for tests: run the queue until it is empty, or until a condition holds.
#include <windows.h>

namespace test {

void PumpMessages();  // every message waiting for this thread

// Dispatches messages until done() holds (true) or about timeoutMs have passed (false).
template <typename Done>
bool PumpUntil(DWORD timeoutMs, Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

}  // namespace test
