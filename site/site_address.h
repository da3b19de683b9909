#pragma once
// Addresses under the built-in chart site: which site an address names, and the page path
// it asks for.
#include <optional>
#include <string>
#include <string_view>

namespace site {

// Scheme and host of the chart site Tintora draws itself.
inline constexpr wchar_t BuiltInOrigin[] = L"https://www.tintora.example";

// Scheme and host of an address ("https://host[:port]"), or empty when it has none.
std::wstring_view OriginOf(std::wstring_view address);

// True when the address's scheme and host are the built-in site's (case does not matter).
bool IsBuiltInSite(std::wstring_view address);

// The path an address asks for, percent-escapes decoded (so "%20" reads as a blank),
// without its query or fragment; "" when the address ends at the host. Nothing when the
// address is not under the built-in site.
std::optional<std::wstring> PagePathOf(std::wstring_view address);

// Decodes %HH escapes (their bytes read as UTF-8); malformed escapes stay as written.
std::wstring PercentDecode(std::wstring_view text);

}  // namespace site
