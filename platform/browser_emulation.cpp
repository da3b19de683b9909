#include "platform/browser_emulation.h"

#include <algorithm>

namespace platform {

namespace {

// Longest path the wide file functions accept, in characters.
constexpr DWORD LongestPath = 32768;
constexpr DWORD FirstPathGuess = MAX_PATH;

// An open registry key, closed on exit.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* Put() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// True when the value exists as a DWORD equal to mode.
bool HoldsMode(HKEY key, const std::wstring& valueName, DWORD mode) {
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD size = sizeof(value);
  LONG status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(&value), &size);
  return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value) && value == mode;
}

}  // namespace

EmulationWrite SetBrowserEmulation(const wchar_t* keyPath, const std::wstring& valueName,
                                   DWORD mode) {
  if (!keyPath || valueName.empty()) return EmulationWrite::Failed;
  RegistryKey key;
  LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Put(), nullptr);
  if (status != ERROR_SUCCESS) return EmulationWrite::Failed;
  if (HoldsMode(key.get(), valueName, mode)) return EmulationWrite::Unchanged;
  status = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&mode), sizeof(mode));
  return status == ERROR_SUCCESS ? EmulationWrite::Written : EmulationWrite::Failed;
}

std::wstring ExecutableFileName() {
  // The length is unknown beforehand: a result that fills the buffer may be cut short.
  std::wstring path;
  DWORD capacity = FirstPathGuess;
  for (;;) {
    path.assign(capacity, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
    if (length == 0) return std::wstring();
    if (length < capacity) {
      path.resize(length);
      size_t slash = path.find_last_of(L"\\/");
      return slash == std::wstring::npos ? path : path.substr(slash + 1);
    }
    if (capacity >= LongestPath) return std::wstring();
    capacity = std::min(capacity * 2, LongestPath);
  }
}

void ApplyBrowserEmulation() {
  SetBrowserEmulation(BrowserEmulationKeyPath, ExecutableFileName(), NewestStandardsMode);
}

}  // namespace platform
