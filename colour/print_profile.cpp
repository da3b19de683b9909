#include "colour/print_profile.h"

#include <windows.h>

namespace colour {

namespace {
// The resource name in colour_resources.rc.
constexpr wchar_t PrintProfileResource[] = L"PRINT_PROFILE";
}  // namespace

std::span<const std::byte> PrintProfileBytes() {
  // Resources loaded from the image stay mapped for the life of the process: nothing to free.
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, PrintProfileResource, RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::byte*>(bytes), SizeofResource(module, found)};
}

}  // namespace colour
