#pragma once
// A property holding 0 reads like an absent one; presence shows only in the enumeration.
#include <windows.h>

namespace test {

inline bool HasProp(HWND hwnd, const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    bool found;
  } search{name, false};
  EnumPropsExW(
      hwnd,
      [](HWND, LPWSTR property, HANDLE, ULONG_PTR data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!IS_INTRESOURCE(property) && lstrcmpW(property, s->name) == 0) s->found = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace test
