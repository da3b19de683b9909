#pragma once
// The window class of every form the form runtime makes. The skin engine recognises forms
// by it (case aside), so that windows opened later are skinned when they are activated.
namespace platform {

inline constexpr wchar_t FormClassName[] = L"Form";

}  // namespace platform
