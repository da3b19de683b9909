#include "skin/core/skin_kind.h"

#include <iterator>

namespace skin {

std::wstring WindowClassName(HWND hwnd) {
  // Class names are at most 256 characters including the terminator.
  wchar_t buffer[256] = {};
  int length = GetClassNameW(hwnd, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 0) return std::wstring();
  return std::wstring(buffer, static_cast<size_t>(length));
}

}  // namespace skin
