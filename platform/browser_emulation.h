#pragma once
// Which document mode the system's HTML engine uses for pages shown in our process.
//
// Embedded in another program, the engine shows pages in an old compatibility mode unless
// the program is named, per user, under the engine's browser-emulation feature with the
// mode it wants. The setting is read when the engine first starts in the process, so it
// is written before any of the engine is created.
#include <windows.h>

#include <string>

namespace platform {

// The engine's newest standards mode, whatever a page's document type declares.
inline constexpr DWORD NewestStandardsMode = 11001;

// Where the engine looks for the feature, under HKEY_CURRENT_USER.
inline constexpr wchar_t BrowserEmulationKeyPath[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

enum class EmulationWrite { Unchanged, Written, Failed };

// Makes the DWORD value valueName under HKEY_CURRENT_USER\keyPath equal mode, creating the
// key if needed; writes nothing when it already is. An empty name is refused (it would
// address the key's default value).
EmulationWrite SetBrowserEmulation(const wchar_t* keyPath, const std::wstring& valueName,
                                   DWORD mode);

// The file name of the running executable ("Tintora.exe"), without its folder; empty when
// it cannot be read.
std::wstring ExecutableFileName();

// Puts our executable in the newest standards mode. Failure only leaves the engine in its
// old mode, so it is never reported: start-up goes on either way.
void ApplyBrowserEmulation();

}  // namespace platform
