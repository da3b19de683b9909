#pragma once
// Counts the calls of GetPropW, SetPropW and RemovePropW that the executable makes while a
// counter lives: its import table points them at counting stand-ins meanwhile, so what is
// counted is every call that reaches the platform (the window server, under Wine), whoever in
// the executable makes it. For tests and benchmarks; one counter at a time.
#include <windows.h>

#include <atomic>

namespace test {

struct PropertyCalls {
  long reads, writes, removals;
};

namespace property_calls {

inline std::atomic<long> reads{0}, writes{0}, removals{0};
inline std::atomic<bool> refuseWrites{false};
inline decltype(&GetPropW) realGet = nullptr;
inline decltype(&SetPropW) realSet = nullptr;
inline decltype(&RemovePropW) realRemove = nullptr;

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

// Points every import slot of the executable that holds `from` at `to`; how many it changed.
inline int Redirect(const void* from, const void* to) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  int changed = 0;
  for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       imports.VirtualAddress && library->Name; ++library) {
    for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); slot->u1.Function;
         ++slot) {
      if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(from)) continue;
      DWORD protection = 0;
      VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), PAGE_READWRITE, &protection);
      slot->u1.Function = reinterpret_cast<ULONG_PTR>(to);
      VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), protection, &protection);
      ++changed;
    }
  }
  return changed;
}

}  // namespace property_calls

class PropertyCallCounter {
 public:
  // With refuseWrites, every SetPropW fails as the platform's would, leaving the window as it was.
  explicit PropertyCallCounter(bool refuseWrites = false) {
    namespace pc = property_calls;
    pc::realGet = Exported<decltype(pc::realGet)>("GetPropW");
    pc::realSet = Exported<decltype(pc::realSet)>("SetPropW");
    pc::realRemove = Exported<decltype(pc::realRemove)>("RemovePropW");
    pc::refuseWrites = refuseWrites;
    active_ = Swap(pc::realGet, &pc::CountedGet) && Swap(pc::realSet, &pc::CountedSet) &&
              Swap(pc::realRemove, &pc::CountedRemove);
    Reset();
  }
  ~PropertyCallCounter() {
    namespace pc = property_calls;
    Swap(&pc::CountedGet, pc::realGet);
    Swap(&pc::CountedSet, pc::realSet);
    Swap(&pc::CountedRemove, pc::realRemove);
    pc::refuseWrites = false;
  }
  PropertyCallCounter(const PropertyCallCounter&) = delete;
  PropertyCallCounter& operator=(const PropertyCallCounter&) = delete;

  // False when the executable imports one of the three from elsewhere: nothing is counted then.
  bool active() const { return active_; }
  void Reset() { property_calls::reads = property_calls::writes = property_calls::removals = 0; }
  PropertyCalls calls() const {
    return {property_calls::reads, property_calls::writes, property_calls::removals};
  }

 private:
  template <typename F>
  static F Exported(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
  }
  template <typename F>
  static bool Swap(F from, F to) {
    const auto* before = reinterpret_cast<const void*>(from);
    return property_calls::Redirect(before, reinterpret_cast<const void*>(to)) > 0;
  }

  bool active_ = false;
};

}  // namespace test
