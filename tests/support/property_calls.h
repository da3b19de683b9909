#pragma once
// Counts the calls of GetPropW, SetPropW and RemovePropW that the executable makes while a
// counter lives: its import table points them at counting stand-ins meanwhile, so what is
// counted is every call that reaches the platform, whoever in the executable makes it. For
// tests and benchmarks; one counter at a time.
#include <windows.h>

#include <atomic>

namespace test {

struct PropertyCalls {
  long reads, writes, removals;
};

namespace property_calls {

inline std::atomic<long> reads, writes, removals;
inline std::atomic<bool> refuseWrites;
inline void* User32(const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name));
}
inline const auto realGet = reinterpret_cast<decltype(&GetPropW)>(User32("GetPropW"));
inline const auto realSet = reinterpret_cast<decltype(&SetPropW)>(User32("SetPropW"));
inline const auto realRemove = reinterpret_cast<decltype(&RemovePropW)>(User32("RemovePropW"));

inline HANDLE WINAPI CountedGet(HWND hwnd, LPCWSTR name) {
  ++reads;
  return realGet(hwnd, name);
}
inline BOOL WINAPI CountedSet(HWND hwnd, LPCWSTR name, HANDLE value) {
  ++writes;
  return refuseWrites ? FALSE : realSet(hwnd, name, value);
}
inline HANDLE WINAPI CountedRemove(HWND hwnd, LPCWSTR name) {
  ++removals;
  return realRemove(hwnd, name);
}

// Points every import slot of the executable that holds `from` at `to`; whether there was one.
template <typename Function>
bool Redirect(Function* from, Function* to) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const LONG headers = reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew;
  const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + headers);
  const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  bool changed = false;
  for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && library->Name;
       ++library) {
    for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + library->FirstThunk); *slot; ++slot) {
      if (*slot != reinterpret_cast<ULONG_PTR>(from)) continue;
      DWORD protection = 0;
      VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
      *slot = reinterpret_cast<ULONG_PTR>(to);
      VirtualProtect(slot, sizeof(*slot), protection, &protection);
      changed = true;
    }
  }
  return changed;
}

}  // namespace property_calls

class PropertyCallCounter {
 public:
  // With refuseWrites, every SetPropW fails as the platform's would, leaving the window as it was.
  explicit PropertyCallCounter(bool refuseWrites = false) {
    using namespace property_calls;
    property_calls::refuseWrites = refuseWrites;
    reads = writes = removals = 0;
    // & rather than &&: whatever was redirected is put back by the destructor.
    active_ = Redirect(realGet, &CountedGet) & Redirect(realSet, &CountedSet) &
              Redirect(realRemove, &CountedRemove);
  }
  ~PropertyCallCounter() {
    using namespace property_calls;
    Redirect(&CountedGet, realGet);
    Redirect(&CountedSet, realSet);
    Redirect(&CountedRemove, realRemove);
    refuseWrites = false;
  }
  PropertyCallCounter(const PropertyCallCounter&) = delete;
  PropertyCallCounter& operator=(const PropertyCallCounter&) = delete;

  // False when the executable imports one of the three from elsewhere: nothing is counted then.
  bool active() const { return active_; }
  PropertyCalls calls() const {
    using namespace property_calls;
    return {reads, writes, removals};
  }

 private:
  bool active_ = false;
};

}  // namespace test
