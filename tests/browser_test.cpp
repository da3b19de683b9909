// The embedded browser as far as it runs without the HTML engine: no test reaches the network.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/active_object_keys.h"
#include "platform/address_view.h"
#include "platform/browser.h"
#include "platform/browser_emulation.h"
#include "platform/form.h"
#include "platform/message_loop.h"
#include "platform/ole_browser_host.h"
#include "platform/ole_client_site.h"
#include "platform/system_browser_check.h"
#include "skin/core/skin_kind.h"
#include "skin/render/primitives.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"
#include "tests/support/recorder.h"

namespace {

using platform::Browser;

constexpr RECT Bounds{7, 11, 7 + 360, 11 + 160};
const std::wstring PantoneCu = L"https://www.tintora.example/soft/qovu/PANTONE CU.htm";
const std::wstring ChinesePage = L"https://www.tintora.example/soft/qovu/中文对照 颜色.htm";

class BrowserTest : public ::testing::Test {
 protected:
  ~BrowserTest() override { DestroyWindow(parent_); }
  HWND parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                 0, 480, 320, nullptr, nullptr, nullptr, nullptr);
};

// The address view stands in for the system control where the HTML engine is missing.
TEST_F(BrowserTest, TheAddressViewIsAChildAtTheBoundsThatShowsTheAddressAlone) {
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent_, Bounds);
  HWND hwnd = view->Window();
  ASSERT_EQ(GetAncestor(hwnd, GA_PARENT), parent_);
  for (const std::wstring& address : {PantoneCu, ChinesePage, std::wstring()}) {
    view->Navigate(address);
    EXPECT_EQ(skin::WindowText(hwnd), address);
    UpdateWindow(hwnd);
    const test::Pixels shown = test::ReadWindow(hwnd);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(shown.Count(white, 0, 0, 360, 24) < 360 * 24, !address.empty()) << "first line";
    EXPECT_EQ(shown.Count(white, 0, 80, 360, 80), 360 * 80) << "far below";
  }
  const auto paint = [hwnd] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 300; ++i) paint(); }), 0);
  if (HMODULE engine = LoadLibraryW(L"mshtml.dll")) {
    FreeLibrary(engine);  // where the engine loads, the control might be chosen: no network here
  } else {
    EXPECT_FALSE(platform::SystemBrowserCanShowPages());
    EXPECT_EQ(skin::WindowClassName(platform::CreateSystemBrowser(parent_, Bounds)->Window()),
              platform::AddressViewClassName);
  }
  platform::CreateAddressView(parent_, Bounds).reset();  // takes its window along
  EXPECT_TRUE(GetWindow(parent_, GW_CHILD) == hwnd && !GetWindow(hwnd, GW_HWNDNEXT));
  DestroyWindow(parent_);
  EXPECT_EQ(view->Window(), nullptr);
  view->Navigate(PantoneCu);  // harmless
}

// Stands in for the control's active object: counts the keys offered, answers as told.
struct FakeActiveObject final : IOleInPlaceActiveObject {
  HRESULT answer = S_FALSE;
  LONG references = 1;
  int offered = 0;
  STDMETHODIMP QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
  STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--references); }
  STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*) override {
    ++offered;
    return answer;
  }
  STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
};

// The control's S_OK alone stops the form's Tab, Enter and Esc and the dispatch to the page.
TEST(BrowserKeys, TheControlSeesEveryKeyInsideTheHostFirstAndItsAnswerDecides) {
  using platform::ControlKind;
  platform::Form form({.clientWidth = 4000, .clientHeight = 3000},
                      {{.name = L"cmdOK", .kind = ControlKind::CommandButton, .width = 1000, .height = 300},
                       {.name = L"cmdCancel", .kind = ControlKind::CommandButton, .left = 1100,
                        .width = 1000, .height = 300, .isCancel = true}});
  form.Show();
  SetForegroundWindow(form.hwnd());
  // Where the browser would be: a host window holding the page window.
  HWND host = test::CreateRecordingWindow(L"TintoraTestHost", form.hwnd(), 0, 0, 60);
  HWND page = test::CreateRecordingWindow(L"TintoraTestPage", host);
  test::InstallRecordingSubclass(form.hwnd());  // logs the commands of its buttons' clicks
  FakeActiveObject active;
  const auto press = [&active](HWND target, UINT message, WPARAM key) {
    SetFocus(target);
    platform::ProcessPendingMessages();
    test::Recorder::Clear();
    active.offered = 0;
    PostMessageW(target, message, key, 0);
    platform::ProcessPendingMessages();
  };
  const struct {
    UINT message;
    WPARAM key;
    HRESULT answer;
    bool toPage, clicks, focusLeavesPage;
  } cases[] = {{WM_KEYDOWN, VK_ESCAPE, S_OK, false, false, false},
               {WM_KEYDOWN, VK_ESCAPE, S_FALSE, false, true, false},
               {WM_KEYDOWN, VK_TAB, S_OK, false, false, false},    // between the page's fields
               {WM_KEYDOWN, VK_TAB, S_FALSE, false, false, true},  // off the page's end
               {WM_KEYUP, VK_TAB, S_FALSE, true, false, false},
               {WM_CHAR, L'c', E_NOTIMPL, true, false, false},
               {WM_SYSKEYDOWN, 'N', S_OK, false, false, false}};
  {
    platform::ActiveObjectKeys keys(host, &active);
    EXPECT_EQ(active.references, 2);
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "message " << c.message << " key " << c.key);
      active.answer = c.answer;
      press(page, c.message, c.key);
      EXPECT_EQ(active.offered, 1);
      EXPECT_EQ(test::Recorder::Count(c.message, page), c.toPage ? 1 : 0);
      EXPECT_EQ(test::Recorder::Count(WM_COMMAND, form.hwnd()), c.clicks ? 1 : 0);
      EXPECT_EQ(GetFocus() == page, !c.focusLeavesPage);
    }
    active.answer = S_OK;
    press(form.Control(L"cmdOK"), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(active.offered, 0);
    EXPECT_EQ(test::Recorder::Count(WM_COMMAND, form.hwnd()), 1);
  }
  EXPECT_EQ(active.references, 1);
}

// A key under HKEY_CURRENT_USER of the tests' own, removed before each case and after.
constexpr wchar_t TestKey[] = L"Software\\Tintora\\Test\\BrowserEmulation";

void RemoveTestKey() {
  RegDeleteTreeW(HKEY_CURRENT_USER, TestKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tintora\\Test");  // only if empty
}

// The DWORD value, or 0 when there is none or it is not a DWORD.
DWORD Read(const wchar_t* key, const wchar_t* name) {
  DWORD value = 0, size = sizeof(value);
  RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// Written only when it differs, never as the key's default, and before the program's browser.
TEST(EmulationKey, TheValueEndsAsTheModeAndIsWrittenOnlyWhenItDiffers) {
  constexpr DWORD OlderMode = 7000, Mode = platform::NewestStandardsMode;
  using enum platform::EmulationWrite;
  const struct {
    DWORD priorType;
    const void* prior;  // null: no value
    const wchar_t* name;
    platform::EmulationWrite expected;
  } cases[] = {{REG_NONE, nullptr, L"Tintora.exe", Written},
               {REG_DWORD, &Mode, L"Tintora.exe", Unchanged},
               {REG_DWORD, &OlderMode, L"Tintora.exe", Written},
               {REG_BINARY, &Mode, L"Tintora.exe", Written},  // the mode's bytes, not a DWORD
               {REG_NONE, nullptr, L"", Failed}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "prior type " << c.priorType << ", name " << c.name);
    RemoveTestKey();
    if (c.prior)
      RegSetKeyValueW(HKEY_CURRENT_USER, TestKey, c.name, c.priorType, c.prior, sizeof(DWORD));
    EXPECT_EQ(platform::SetBrowserEmulation(TestKey, c.name, Mode), c.expected);
    EXPECT_EQ(Read(TestKey, L"Tintora.exe"), c.expected == Failed ? 0 : Mode);
    EXPECT_EQ(Read(TestKey, nullptr), 0u) << "the key's default value";
  }
  RemoveTestKey();
  const std::wstring exe = platform::ExecutableFileName();
  EXPECT_EQ(exe, L"browser_tests.exe");
  platform::CreateSystemBrowser(nullptr, RECT{}).reset();  // the value comes before any window
  EXPECT_EQ(Read(platform::BrowserEmulationKeyPath, exe.c_str()), Mode);
  // Only the test executable's entry goes; the program's own stays where users have it.
  RegDeleteKeyValueW(HKEY_CURRENT_USER, platform::BrowserEmulationKeyPath, exe.c_str());
}

// The engine is told to draw no sunken border; "not handled" answers clear what they return.
// The host window is a flat tab stop that hands the focus on (or no key would reach a page).
TEST_F(BrowserTest, TheHostTellsTheEngineFlatAndHandsTheFocusToTheControl) {
  auto* site = new platform::OleClientSite(nullptr);
  IDocHostUIHandler* handler = nullptr;
  ASSERT_EQ(site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&handler)),
            S_OK);
  DOCHOSTUIINFO info{};
  info.cbSize = sizeof(info);
  info.pchHostCss = reinterpret_cast<OLECHAR*>(&info);  // stale: must come back empty
  ASSERT_EQ(handler->GetHostInfo(&info), S_OK);
  EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_NO3DBORDER);
  EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_NO3DOUTERBORDER);
  EXPECT_EQ(info.pchHostCss, nullptr);
  wchar_t address[] = L"https://www.tintora.example/b";
  LPWSTR translated = address;  // stale
  EXPECT_EQ(handler->TranslateUrl(0, address, &translated), S_FALSE);
  EXPECT_EQ(translated, nullptr);
  handler->Release();
  site->Release();
  std::unique_ptr<Browser> host = platform::CreateOleBrowserHost(parent_, Bounds);
  if (!host) GTEST_SKIP() << "the control cannot be made here";
  HWND window = host->Window();
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  SetFocus(window);
  EXPECT_TRUE(IsChild(window, GetFocus()));
}

}  // namespace
