#include "platform/send_keys.h"

#include <windows.h>

#include <cwctype>
#include <vector>

namespace platform {

namespace {

struct NamedKey {
  const wchar_t* name;
  WORD vk;
};

constexpr NamedKey NamedKeys[] = {
    {L"HOME", VK_HOME},     {L"END", VK_END},       {L"LEFT", VK_LEFT},
    {L"RIGHT", VK_RIGHT},   {L"UP", VK_UP},         {L"DOWN", VK_DOWN},
    {L"DELETE", VK_DELETE}, {L"DEL", VK_DELETE},    {L"BACKSPACE", VK_BACK},
    {L"BS", VK_BACK},       {L"TAB", VK_TAB},       {L"ENTER", VK_RETURN},
    {L"ESC", VK_ESCAPE},    {L"ESCAPE", VK_ESCAPE}, {L"INSERT", VK_INSERT},
    {L"PGUP", VK_PRIOR},    {L"PGDN", VK_NEXT},
};

// Extended keys (the navigation block) must say so, or they arrive as keypad keys.
bool IsExtended(WORD vk) {
  switch (vk) {
    case VK_HOME: case VK_END: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_DELETE: case VK_INSERT: case VK_PRIOR: case VK_NEXT:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT CharInput(wchar_t ch, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = ch;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

bool ParseNamedKey(const std::wstring& name, WORD& vk) {
  std::wstring upper;
  for (wchar_t c : name) upper.push_back(static_cast<wchar_t>(std::towupper(c)));
  for (const NamedKey& key : NamedKeys) {
    if (upper == key.name) {
      vk = key.vk;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SendKeys(const std::wstring& keys) {
  std::vector<INPUT> inputs;
  std::vector<WORD> held;  // modifiers for the next key
  for (size_t i = 0; i < keys.size(); ++i) {
    wchar_t c = keys[i];
    if (c == L'+' || c == L'^' || c == L'%') {
      WORD modifier = c == L'+' ? VK_SHIFT : c == L'^' ? VK_CONTROL : VK_MENU;
      held.push_back(modifier);
      inputs.push_back(KeyInput(modifier, false));
      continue;
    }
    if (c == L'{') {
      size_t close = keys.find(L'}', i + 1);
      if (close == std::wstring::npos) return false;
      WORD vk = 0;
      if (!ParseNamedKey(keys.substr(i + 1, close - i - 1), vk)) return false;
      inputs.push_back(KeyInput(vk, false));
      inputs.push_back(KeyInput(vk, true));
      i = close;
    } else {
      inputs.push_back(CharInput(c, false));
      inputs.push_back(CharInput(c, true));
    }
    for (auto it = held.rbegin(); it != held.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    held.clear();
  }
  if (!held.empty()) return false;  // a modifier with no key after it
  if (inputs.empty()) return true;
  UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

}  // namespace platform
