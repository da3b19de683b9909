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

namespace {

// One log for everything a key can cause, in the order it happened.
std::vector<std::wstring> events;

std::wstring Describe(UINT message, WPARAM key) {
  const wchar_t* name = message == WM_KEYDOWN      ? L"down"
                        : message == WM_KEYUP      ? L"up"
                        : message == WM_CHAR       ? L"char"
                        : message == WM_SYSKEYDOWN ? L"sysdown"
                                                   : L"other";
  return std::wstring(name) + L" " + std::to_wstring(key);
}

// Stands in for the control's in-place active object: logs what it is offered and
// answers as told.
class FakeActiveObject final : public IOleInPlaceActiveObject {
 public:
  HRESULT answer = S_FALSE;
  HWND expectedWindow = nullptr;
  LONG references = 1;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IOleWindow) &&
        !IsEqualIID(iid, IID_IOleInPlaceActiveObject))
      return E_NOINTERFACE;
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override {
    EXPECT_EQ(msg->hwnd, expectedWindow);
    events.push_back(L"offer " + Describe(msg->message, msg->wParam));
    return answer;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
};

// The page: the window inside the browser host that has the focus. Logs what reaches it.
constexpr wchar_t PageClass[] = L"TintoraTestPage";
LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
      message == WM_SYSKEYDOWN)
    events.push_back(L"page " + Describe(message, wParam));
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A form with a text box, a default and a cancel button, and a host window holding a page
// window where the browser would be.
class KeyForm : public platform::Form {
 public:
  KeyForm() : Form(Design(), Controls()) {}
  HWND host = nullptr;
  HWND page = nullptr;

 protected:
  void CreateOtherControls() override {
    WNDCLASSEXW pageClass{};
    pageClass.cbSize = sizeof(pageClass);
    pageClass.lpfnWndProc = PageProc;
    pageClass.hInstance = GetModuleHandleW(nullptr);
    pageClass.lpszClassName = PageClass;
    RegisterClassExW(&pageClass);
    host = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 60, 200, 100, hwnd(),
                           nullptr, nullptr, nullptr);
    page = CreateWindowExW(0, PageClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, host,
                           nullptr, nullptr, nullptr);
  }
  void Control_Click(const platform::ControlDesign& control) override {
    events.push_back(std::wstring(L"click ") + control.name);
  }

 private:
  static platform::FormDesign Design() {
    platform::FormDesign design;
    design.clientWidth = 4000;
    design.clientHeight = 3000;
    return design;
  }
  static std::vector<platform::ControlDesign> Controls() {
    platform::ControlDesign text;
    text.name = L"txtName";
    text.kind = platform::ControlKind::TextBox;
    text.width = 1500;
    text.height = 300;
    text.tabIndex = 1;
    platform::ControlDesign ok;
    ok.name = L"cmdOK";
    ok.kind = platform::ControlKind::CommandButton;
    ok.left = 1600;
    ok.width = 1000;
    ok.height = 300;
    ok.tabIndex = 2;
    ok.isDefault = true;
    platform::ControlDesign cancel = ok;
    cancel.name = L"cmdCancel";
    cancel.left = 2700;
    cancel.tabIndex = 3;
    cancel.isDefault = false;
    cancel.isCancel = true;
    return {text, ok, cancel};
  }
};

class BrowserKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    form_.Show();
    ASSERT_TRUE(form_.IsLoaded());
    SetForegroundWindow(form_.hwnd());
    active_.expectedWindow = form_.page;
  }
  void TearDown() override {
    form_.Unload();
    platform::ProcessPendingMessages();
  }
  // Gives the page the focus and sends one key message to it through the message loop.
  void Press(UINT message, WPARAM key) {
    SetFocus(form_.page);
    ASSERT_EQ(GetFocus(), form_.page);
    platform::ProcessPendingMessages();
    events.clear();
    PostMessageW(form_.page, message, key, 0);
    platform::ProcessPendingMessages();
  }

  KeyForm form_;
  FakeActiveObject active_;
};

struct KeyCase {
  const char* what;
  UINT message;
  WPARAM key;
  HRESULT answer;
  std::vector<std::wstring> expected;
  bool focusLeavesPage;
};

// Catches keys that reach the form or the page before the control, a control's S_OK not
// stopping the form's Tab/Enter/Esc (or the dispatch), and anything but S_OK stopping it.
TEST_F(BrowserKeys, TheControlSeesEveryKeyFirstAndItsAnswerDecides) {
  const std::wstring esc = std::to_wstring(VK_ESCAPE), enter = std::to_wstring(VK_RETURN),
                     tab = std::to_wstring(VK_TAB), del = std::to_wstring(VK_DELETE),
                     letter = std::to_wstring(L'c'), n = std::to_wstring('N');
  const KeyCase cases[] = {
      {"Esc taken", WM_KEYDOWN, VK_ESCAPE, S_OK, {L"offer down " + esc}, false},
      {"Esc left", WM_KEYDOWN, VK_ESCAPE, S_FALSE, {L"offer down " + esc, L"click cmdCancel"},
       false},
      {"Enter taken", WM_KEYDOWN, VK_RETURN, S_OK, {L"offer down " + enter}, false},
      {"Enter left", WM_KEYDOWN, VK_RETURN, S_FALSE, {L"offer down " + enter, L"click cmdOK"},
       false},
      {"Tab between page fields", WM_KEYDOWN, VK_TAB, S_OK, {L"offer down " + tab}, false},
      {"Tab off the page's end", WM_KEYDOWN, VK_TAB, S_FALSE, {L"offer down " + tab}, true},
      {"Delete left", WM_KEYDOWN, VK_DELETE, S_FALSE, {L"offer down " + del, L"page down " + del},
       false},
      {"Tab released", WM_KEYUP, VK_TAB, S_FALSE, {L"offer up " + tab, L"page up " + tab}, false},
      {"character taken", WM_CHAR, L'c', S_OK, {L"offer char " + letter}, false},
      {"character, not implemented", WM_CHAR, L'c', E_NOTIMPL,
       {L"offer char " + letter, L"page char " + letter}, false},
      {"system key taken", WM_SYSKEYDOWN, 'N', S_OK, {L"offer sysdown " + n}, false},
  };
  platform::ActiveObjectKeys keys(form_.host, &active_);
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    active_.answer = c.answer;
    Press(c.message, c.key);
    EXPECT_EQ(events, c.expected);
    EXPECT_EQ(GetFocus() == form_.page, !c.focusLeavesPage);
  }
}

// Catches a route that takes the keys of the form's own controls, and one that outlives
// its registration (the control gone, its keys still offered to it).
TEST_F(BrowserKeys, OnlyKeysInsideTheHostAreOfferedAndOnlyWhileTheRouteLives) {
  active_.answer = S_OK;
  {
    platform::ActiveObjectKeys keys(form_.host, &active_);
    EXPECT_EQ(active_.references, 2) << "the route holds the object";
    HWND text = form_.Control(L"txtName");
    SetFocus(text);
    events.clear();
    PostMessageW(text, WM_KEYDOWN, VK_ESCAPE, 0);
    platform::ProcessPendingMessages();
    EXPECT_EQ(events, std::vector<std::wstring>{L"click cmdCancel"});
  }
  EXPECT_EQ(active_.references, 1) << "released with the route";
  Press(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(events, std::vector<std::wstring>{L"click cmdCancel"});
}

// A key under HKEY_CURRENT_USER of the tests' own, removed before and after.
constexpr wchar_t TestKey[] = L"Software\\Tintora\\Test\\BrowserEmulation";
constexpr wchar_t TestParent[] = L"Software\\Tintora\\Test";
constexpr wchar_t ValueName[] = L"Tintora.exe";

class EmulationKey : public ::testing::Test {
 protected:
  EmulationKey() { Remove(); }
  ~EmulationKey() override { Remove(); }
  static void Remove() {
    RegDeleteTreeW(HKEY_CURRENT_USER, TestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, TestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, TestParent);  // only if nothing else is in it
  }
  static LONG Read(const wchar_t* key, const wchar_t* name, DWORD& type, DWORD& value) {
    DWORD size = sizeof(value);
    value = 0;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, &value, &size);
  }
};

enum class Prior { None, SameMode, OtherMode, ModeAsText };

// Catches a value written under another name or type, a stale value kept, a write when
// nothing differs, and an empty name turned into the key's default value.
TEST_F(EmulationKey, TheValueEndsAsTheModeAndIsWrittenOnlyWhenItDiffers) {
  struct Case {
    const char* what;
    Prior prior;
    const wchar_t* name;
    platform::EmulationWrite expected;
  };
  const Case cases[] = {
      {"no key yet", Prior::None, ValueName, platform::EmulationWrite::Written},
      {"same mode", Prior::SameMode, ValueName, platform::EmulationWrite::Unchanged},
      {"an older mode", Prior::OtherMode, ValueName, platform::EmulationWrite::Written},
      {"the mode as text", Prior::ModeAsText, ValueName, platform::EmulationWrite::Written},
      {"no name", Prior::None, L"", platform::EmulationWrite::Failed},
  };
  constexpr DWORD OlderMode = 7000;
  const wchar_t modeText[] = L"11001";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Remove();
    if (c.prior == Prior::SameMode || c.prior == Prior::OtherMode) {
      DWORD mode = c.prior == Prior::SameMode ? platform::NewestStandardsMode : OlderMode;
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, TestKey, ValueName, REG_DWORD, &mode,
                                sizeof(mode)),
                ERROR_SUCCESS);
    } else if (c.prior == Prior::ModeAsText) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, TestKey, ValueName, REG_SZ, modeText,
                                sizeof(modeText)),
                ERROR_SUCCESS);
    }
    EXPECT_EQ(platform::SetBrowserEmulation(TestKey, c.name, platform::NewestStandardsMode),
              c.expected);
    DWORD type = REG_NONE, value = 0;
    if (c.expected == platform::EmulationWrite::Failed) {
      EXPECT_NE(Read(TestKey, nullptr, type, value), ERROR_SUCCESS) << "default value set";
      continue;
    }
    ASSERT_EQ(Read(TestKey, ValueName, type, value), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, platform::NewestStandardsMode);
  }
}

// Catches the value named after the full path (the engine matches the file name alone), and
// the program's browser made without putting its executable in the newest mode first.
TEST_F(EmulationKey, TheProgramNamesItsOwnExecutableBeforeMakingTheBrowser) {
  const std::wstring exe = platform::ExecutableFileName();
  EXPECT_EQ(exe, L"browser_tests.exe");
  HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  std::unique_ptr<platform::Browser> browser =
      platform::CreateSystemBrowser(parent, RECT{0, 0, 100, 100});
  DWORD type = REG_NONE, value = 0;
  EXPECT_EQ(Read(platform::BrowserEmulationKeyPath, exe.c_str(), type, value), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, platform::NewestStandardsMode);
  browser.reset();
  DestroyWindow(parent);
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

  void* const stale = &info;
  struct OutCase {
    const char* what;
    HRESULT expected;
    HRESULT (*call)(IDocHostUIHandler*, void** out);
  };
  const OutCase cases[] = {
      {"option key path", S_FALSE,
       [](IDocHostUIHandler* h, void** out) {
         return h->GetOptionKeyPath(reinterpret_cast<LPOLESTR*>(out), 0);
       }},
      {"drop target", E_NOTIMPL,
       [](IDocHostUIHandler* h, void** out) {
         return h->GetDropTarget(nullptr, reinterpret_cast<IDropTarget**>(out));
       }},
      {"external object", S_FALSE,
       [](IDocHostUIHandler* h, void** out) {
         return h->GetExternal(reinterpret_cast<IDispatch**>(out));
       }},
      {"address translation", S_FALSE,
       [](IDocHostUIHandler* h, void** out) {
         wchar_t address[] = L"https://www.tintora.example/b";
         return h->TranslateUrl(0, address, reinterpret_cast<LPWSTR*>(out));
       }},
      {"data filter", S_FALSE,
       [](IDocHostUIHandler* h, void** out) {
         return h->FilterDataObject(nullptr, reinterpret_cast<IDataObject**>(out));
       }},
  };
  for (const OutCase& c : cases) {
    SCOPED_TRACE(c.what);
    void* out = stale;
    EXPECT_EQ(c.call(handler, &out), c.expected);
    EXPECT_EQ(out, nullptr);
  }
  MSG msg{};
  EXPECT_EQ(handler->TranslateAccelerator(&msg, nullptr, 0), S_FALSE) << "keys are the engine's";
  POINT point{};
  EXPECT_EQ(handler->ShowContextMenu(0, &point, nullptr, nullptr), S_FALSE)
      << "the engine's own menu";
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
  HWND control = GetWindow(window, GW_CHILD);
  ASSERT_NE(control, nullptr) << "the control is in place in the host";
  SetFocus(window);
  HWND focus = GetFocus();
  EXPECT_NE(focus, window);
  EXPECT_TRUE(IsChild(window, focus));
  host.reset();
  DestroyWindow(parent);
}

}  // namespace
