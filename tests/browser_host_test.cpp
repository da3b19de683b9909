// The system browser's host as far as it runs without the HTML engine: key messages for
// the page offered to the control's active object before the form's own keys (with a
// stand-in active object), the browser-emulation value (in a test key), the host
// information the engine is given, and the host window's style and focus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/active_object_keys.h"
#include "platform/browser.h"
#include "platform/browser_emulation.h"
#include "platform/form.h"
#include "platform/message_loop.h"
#include "platform/ole_browser_host.h"
#include "platform/ole_client_site.h"
#include "platform/window_class.h"

namespace {

using platform::ControlKind;

// Everything a key caused, in order: "offer …" (the control), "click …" (the form),
// "page …" (dispatched to the focused window).
std::vector<std::wstring> events;

std::wstring Describe(const wchar_t* who, UINT message, WPARAM key) {
  const wchar_t* name = message == WM_KEYDOWN ? L"down"
                        : message == WM_KEYUP ? L"up"
                        : message == WM_CHAR  ? L"char"
                                              : L"sys";
  return std::wstring(who) + L" " + name + L" " + std::to_wstring(key);
}

// Stands in for the control's in-place active object: logs what it is offered, answers
// as told. Lives on the stack; the count shows whether references are balanced.
struct FakeActiveObject final : IOleInPlaceActiveObject {
  HRESULT answer = S_FALSE;
  LONG references = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override {
    events.push_back(Describe(L"offer", msg->message, msg->wParam));
    return answer;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
};

LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
    events.push_back(Describe(L"page", message, wParam));
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A text box, a default and a cancel button, and where the browser would be a host window
// holding the page window that has the focus.
class KeyForm : public platform::Form {
 public:
  KeyForm()
      : Form(platform::FormDesign{.clientWidth = 4000, .clientHeight = 3000},
             {{.name = L"txtName", .kind = ControlKind::TextBox, .width = 1500, .height = 300,
               .tabIndex = 1},
              {.name = L"cmdOK", .kind = ControlKind::CommandButton, .left = 1600,
               .width = 1000, .height = 300, .tabIndex = 2, .isDefault = true},
              {.name = L"cmdCancel", .kind = ControlKind::CommandButton, .left = 2700,
               .width = 1000, .height = 300, .tabIndex = 3, .isCancel = true}}) {}
  HWND host = nullptr;
  HWND page = nullptr;

 protected:
  void CreateOtherControls() override {
    platform::RegisterWindowClass(L"TintoraTestPage", PageProc);
    host = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 60, 200, 100, hwnd(),
                           nullptr, nullptr, nullptr);
    page = CreateWindowExW(0, L"TintoraTestPage", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100,
                           host, nullptr, nullptr, nullptr);
  }
  void Control_Click(const platform::ControlDesign& control) override {
    events.push_back(std::wstring(L"click ") + control.name);
  }
};

// Focuses target and sends it one key message through the message loop.
void Press(HWND target, UINT message, WPARAM key) {
  SetFocus(target);
  ASSERT_EQ(GetFocus(), target);
  platform::ProcessPendingMessages();
  events.clear();
  PostMessageW(target, message, key, 0);
  platform::ProcessPendingMessages();
}

// Catches keys that reach the form or the page before the control, a control's S_OK not
// stopping the form's Tab/Enter/Esc (or the dispatch), anything but S_OK stopping it, a
// route that takes the keys of the form's own controls, one that outlives its registration
// (the control gone, its keys still offered to it) and unbalanced references.
TEST(BrowserKeys, TheControlSeesEveryKeyInsideTheHostFirstAndItsAnswerDecides) {
  KeyForm form;
  FakeActiveObject active;
  form.Show();
  ASSERT_TRUE(form.IsLoaded());
  SetForegroundWindow(form.hwnd());
  struct Case {
    const char* what;
    UINT message;
    WPARAM key;
    HRESULT answer;
    std::vector<std::wstring> expected;  // after the offer
    bool focusLeavesPage;
  };
  const Case cases[] = {
      {"Esc taken", WM_KEYDOWN, VK_ESCAPE, S_OK, {}, false},
      {"Esc left", WM_KEYDOWN, VK_ESCAPE, S_FALSE, {L"click cmdCancel"}, false},
      {"Enter taken", WM_KEYDOWN, VK_RETURN, S_OK, {}, false},
      {"Enter left", WM_KEYDOWN, VK_RETURN, S_FALSE, {L"click cmdOK"}, false},
      {"Tab between page fields", WM_KEYDOWN, VK_TAB, S_OK, {}, false},
      {"Tab off the page's end", WM_KEYDOWN, VK_TAB, S_FALSE, {}, true},
      {"Delete left", WM_KEYDOWN, VK_DELETE, S_FALSE, {L"page down 46"}, false},
      {"Tab released", WM_KEYUP, VK_TAB, S_FALSE, {L"page up 9"}, false},
      {"character taken", WM_CHAR, L'c', S_OK, {}, false},
      {"character, not implemented", WM_CHAR, L'c', E_NOTIMPL, {L"page char 99"}, false},
      {"system key taken", WM_SYSKEYDOWN, 'N', S_OK, {}, false},
  };
  const std::vector<std::wstring> formOnly{L"click cmdCancel"};
  {
    platform::ActiveObjectKeys keys(form.host, &active);
    EXPECT_EQ(active.references, 2);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      active.answer = c.answer;
      Press(form.page, c.message, c.key);
      std::vector<std::wstring> expected{Describe(L"offer", c.message, c.key)};
      expected.insert(expected.end(), c.expected.begin(), c.expected.end());
      EXPECT_EQ(events, expected);
      EXPECT_EQ(GetFocus() == form.page, !c.focusLeavesPage);
    }
    active.answer = S_OK;
    Press(form.Control(L"txtName"), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(events, formOnly);
  }
  EXPECT_EQ(active.references, 1);
  Press(form.page, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(events, formOnly);
  form.Unload();
  platform::ProcessPendingMessages();
}

// A key under HKEY_CURRENT_USER of the tests' own, removed before and after each test.
constexpr wchar_t TestKey[] = L"Software\\Tintora\\Test\\BrowserEmulation";
constexpr wchar_t ValueName[] = L"Tintora.exe";

class EmulationKey : public ::testing::Test {
 protected:
  EmulationKey() { Remove(); }
  ~EmulationKey() override { Remove(); }
  static void Remove() {
    RegDeleteTreeW(HKEY_CURRENT_USER, TestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tintora\\Test");  // only if empty
  }
  // The DWORD value, or a failure when there is none (or it is not a DWORD).
  static LONG Read(const wchar_t* key, const wchar_t* name, DWORD& value) {
    DWORD size = sizeof(value);
    value = 0;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  }
};

// Catches a value written under another name or type, a stale value kept, a write when
// nothing differs, and an empty name turned into the key's default value.
TEST_F(EmulationKey, TheValueEndsAsTheModeAndIsWrittenOnlyWhenItDiffers) {
  constexpr DWORD OlderMode = 7000;
  constexpr DWORD Mode = platform::NewestStandardsMode;
  using enum platform::EmulationWrite;
  const struct {
    const char* what;
    DWORD priorType;  // REG_NONE: no value
    const void* prior;
    const wchar_t* name;
    platform::EmulationWrite expected;
  } cases[] = {
      {"no key yet", REG_NONE, nullptr, ValueName, Written},
      {"same mode", REG_DWORD, &Mode, ValueName, Unchanged},
      {"an older mode", REG_DWORD, &OlderMode, ValueName, Written},
      {"the mode's bytes, not as a DWORD", REG_BINARY, &Mode, ValueName, Written},
      {"no name", REG_NONE, nullptr, L"", Failed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Remove();
    if (c.priorType != REG_NONE) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, TestKey, ValueName, c.priorType, c.prior, sizeof(DWORD)),
                ERROR_SUCCESS);
    }
    EXPECT_EQ(platform::SetBrowserEmulation(TestKey, c.name, Mode), c.expected);
    DWORD value = 0;
    if (c.expected == Failed) {
      EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, TestKey, nullptr, RRF_RT_ANY, nullptr, nullptr, nullptr),
                ERROR_SUCCESS)
          << "default value set";
      continue;
    }
    ASSERT_EQ(Read(TestKey, ValueName, value), ERROR_SUCCESS);
    EXPECT_EQ(value, Mode);
  }
}

// Catches the value named after the full path (the engine matches the file name alone), and
// the program's browser made without putting its executable in the newest mode first.
TEST_F(EmulationKey, TheProgramNamesItsOwnExecutableBeforeMakingTheBrowser) {
  const std::wstring exe = platform::ExecutableFileName();
  EXPECT_EQ(exe, L"browser_tests.exe");
  HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  platform::CreateSystemBrowser(parent, RECT{0, 0, 100, 100}).reset();
  DestroyWindow(parent);
  DWORD value = 0;
  EXPECT_EQ(Read(platform::BrowserEmulationKeyPath, exe.c_str(), value), ERROR_SUCCESS);
  EXPECT_EQ(value, platform::NewestStandardsMode);
  // The test executable's entry goes again; the program's own stays where users have it.
  RegDeleteKeyValueW(HKEY_CURRENT_USER, platform::BrowserEmulationKeyPath, exe.c_str());
}

// Catches a site that does not offer the engine its host interface, or offers it with a
// wrong object (a cast to the wrong base), a sunken border asked for, and "not handled"
// answers that leave their out-parameters as they found them (the engine would use them).
TEST(BrowserHostSite, TellsTheEngineFlatAndLeavesTheRestToIt) {
  auto* site = new platform::OleClientSite(nullptr);
  IDocHostUIHandler* handler = nullptr;
  ASSERT_EQ(site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&handler)),
            S_OK);
  IUnknown* identity = nullptr;
  ASSERT_EQ(handler->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  EXPECT_EQ(identity, static_cast<IOleClientSite*>(site)) << "one object, one identity";
  identity->Release();

  DOCHOSTUIINFO info{};
  info.cbSize = sizeof(info);
  info.pchHostCss = reinterpret_cast<OLECHAR*>(&info);  // stale: must come back empty
  ASSERT_EQ(handler->GetHostInfo(&info), S_OK);
  EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_NO3DBORDER);
  EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_NO3DOUTERBORDER);
  EXPECT_EQ(info.pchHostCss, nullptr);
  EXPECT_EQ(handler->GetHostInfo(nullptr), E_POINTER);

  using Call = HRESULT (*)(IDocHostUIHandler*, void**);
  const struct {
    const char* what;
    HRESULT expected;
    Call call;
  } cases[] = {
      {"option key path", S_FALSE, [](IDocHostUIHandler* h, void** out) {
         return h->GetOptionKeyPath(reinterpret_cast<LPOLESTR*>(out), 0);
       }},
      {"external object", S_FALSE, [](IDocHostUIHandler* h, void** out) {
         return h->GetExternal(reinterpret_cast<IDispatch**>(out));
       }},
      {"address translation", S_FALSE, [](IDocHostUIHandler* h, void** out) {
         wchar_t address[] = L"https://www.tintora.example/b";
         return h->TranslateUrl(0, address, reinterpret_cast<LPWSTR*>(out));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    void* out = &info;  // stale
    EXPECT_EQ(c.call(handler, &out), c.expected);
    EXPECT_EQ(out, nullptr);
  }
  MSG msg{};
  EXPECT_EQ(handler->TranslateAccelerator(&msg, nullptr, 0), S_FALSE) << "keys are the engine's";
  EXPECT_EQ(handler->ShowContextMenu(0, nullptr, nullptr, nullptr), S_FALSE) << "its own menu";
  handler->Release();
  site->Release();
}

// Catches a host the form's Tab cannot stop at, one drawn with a sunken edge, and one that
// keeps the focus itself instead of handing it to the control (keys would reach no page).
// The control is made but never navigated: nothing reaches the network.
TEST(BrowserHostWindow, IsAFlatTabStopThatHandsTheFocusToTheControl) {
  HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                300, 300, nullptr, nullptr, nullptr, nullptr);
  std::unique_ptr<platform::Browser> host =
      platform::CreateOleBrowserHost(parent, RECT{10, 10, 210, 210});
  if (!host) {
    DestroyWindow(parent);
    GTEST_SKIP() << "the control cannot be made here";
  }
  HWND window = host->Window();
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  ASSERT_NE(GetWindow(window, GW_CHILD), nullptr) << "the control is in place in the host";
  SetFocus(window);
  EXPECT_NE(GetFocus(), window);
  EXPECT_TRUE(IsChild(window, GetFocus()));
  host.reset();
  DestroyWindow(parent);
}

}  // namespace
