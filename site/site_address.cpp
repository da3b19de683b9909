#include "site/site_address.h"

#include <windows.h>

namespace site {

namespace {

constexpr std::wstring_view SchemeSeparator = L"://";

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  if (a.empty()) return true;
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

}  // namespace

std::wstring_view OriginOf(std::wstring_view address) {
  size_t scheme = address.find(SchemeSeparator);
  if (scheme == std::wstring_view::npos || scheme == 0) return {};
  size_t hostStart = scheme + SchemeSeparator.size();
  size_t hostEnd = address.find_first_of(L"/?#", hostStart);
  if (hostEnd == std::wstring_view::npos) hostEnd = address.size();
  if (hostEnd == hostStart) return {};
  return address.substr(0, hostEnd);
}

bool IsBuiltInSite(std::wstring_view address) {
  std::wstring_view origin = OriginOf(address);
  return !origin.empty() && EqualIgnoringCase(origin, BuiltInOrigin);
}

std::optional<std::wstring> PagePathOf(std::wstring_view address) {
  if (!IsBuiltInSite(address)) return std::nullopt;
  std::wstring_view rest = address.substr(OriginOf(address).size());
  rest = rest.substr(0, rest.find_first_of(L"?#"));
  return PercentDecode(rest);
}

std::wstring PercentDecode(std::wstring_view text) {
  if (text.find(L'%') == std::wstring_view::npos) return std::wstring(text);
  // Escapes stand for bytes; the bytes of the whole path are one UTF-8 text.
  std::string bytes = ToUtf8(text);
  std::string decoded;
  decoded.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '%' && i + 2 < bytes.size()) {
      int high = HexValue(static_cast<wchar_t>(bytes[i + 1]));
      int low = HexValue(static_cast<wchar_t>(bytes[i + 2]));
      if (high >= 0 && low >= 0) {
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
        continue;
      }
    }
    decoded.push_back(bytes[i]);
  }
  return FromUtf8(decoded);
}

}  // namespace site
