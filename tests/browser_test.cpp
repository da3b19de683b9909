// The embedded browser: the address view that stands in for the system control, the
// start-up choice between the two, the injected factory and the windows' lifetime. Nothing
// here navigates the system control, so no test reaches the network.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/address_view.h"
#include "platform/browser.h"
#include "platform/ole_browser_host.h"
#include "platform/system_browser_check.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/primitives.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"

namespace {

using platform::Browser;

constexpr RECT Bounds{7, 11, 7 + 360, 11 + 160};
constexpr int Width = 360, Height = 160;
constexpr COLORREF White = RGB(255, 255, 255);
const std::wstring PantoneCu = L"https://www.tintora.example/soft/qovu/PANTONE CU.htm";
const std::wstring ChinesePage = L"https://www.tintora.example/soft/qovu/中文对照 颜色.htm";

// A visible top-level window to hold the browser, destroyed with the test.
class BrowserTest : public ::testing::Test {
 protected:
  ~BrowserTest() override { DestroyWindow(parent_); }
  HWND parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 480, 320,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
};

// A visible child at the bounds, of a class the skin takes for no control of its own; it
// shows the address as it is (blanks and Chinese kept) from its first line, nothing far
// below, and nothing once the address is empty; navigating again and again replaces the text and makes
// no object or window.
TEST_F(BrowserTest, TheAddressViewIsAChildAtTheBoundsThatShowsTheAddressAlone) {
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent_, Bounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), parent_);
  EXPECT_TRUE((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) && IsWindowVisible(hwnd));
  RECT placed{};
  GetWindowRect(hwnd, &placed);
  MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_TRUE(EqualRect(&placed, &Bounds));
  EXPECT_EQ(skin::KindOf(hwnd), skin::SkinKind::Other);
  EXPECT_EQ(skin::ClassifyClassName(platform::BrowserHostClassName), skin::SkinKind::Other);
  EXPECT_EQ(skin::WindowText(hwnd), L"");
  for (const std::wstring& address : {PantoneCu, ChinesePage, std::wstring()}) {
    view->Navigate(address);
    EXPECT_EQ(skin::WindowText(hwnd), address);
    UpdateWindow(hwnd);
    const test::Pixels shown = test::ReadWindow(hwnd);
    ASSERT_EQ(shown.width() * shown.height(), Width * Height);
    EXPECT_EQ(shown.Count(White, 0, 0, Width, 24) < Width * 24, !address.empty()) << "the first line";
    EXPECT_EQ(shown.Count(White, 0, 80, Width, Height - 80), Width * (Height - 80)) << "far below it";
  }
  auto navigate = [&](int i) {
    view->Navigate(i % 2 ? PantoneCu : ChinesePage);
    UpdateWindow(hwnd);
  };
  navigate(0);  // whatever a first paint sets up stays
  EXPECT_EQ(test::GdiObjectsLeakedBy([&] { for (int i = 0; i < 300; ++i) navigate(i); }), 0);
  EXPECT_EQ(skin::WindowText(hwnd), PantoneCu);
  EXPECT_EQ(GetWindow(hwnd, GW_CHILD), nullptr);
  EXPECT_EQ(GetWindow(GetWindow(parent_, GW_CHILD), GW_HWNDNEXT), nullptr);
}

// A browser dropped takes its window along; a parent destroyed takes the browser's window,
// which the browser then no longer names (navigating is harmless). Without the HTML engine
// (Wine here) the address view stands in for the system control.
TEST_F(BrowserTest, WindowsGoWithTheirOwnersAndTheAddressViewStandsInForTheSystemControl) {
  std::unique_ptr<Browser> kept = platform::CreateAddressView(parent_, Bounds);
  std::unique_ptr<Browser> dropped = platform::CreateAddressView(parent_, Bounds);
  HWND keptWindow = kept->Window(), droppedWindow = dropped->Window();
  dropped.reset();
  EXPECT_FALSE(IsWindow(droppedWindow));
  if (HMODULE engine = LoadLibraryW(L"mshtml.dll")) {
    FreeLibrary(engine);  // where the engine loads, the control might be chosen: no network here
  } else {
    EXPECT_FALSE(platform::SystemBrowserCanShowPages());
    std::unique_ptr<Browser> browser = platform::CreateSystemBrowser(parent_, Bounds);
    ASSERT_NE(browser->Window(), nullptr);
    EXPECT_EQ(skin::WindowClassName(browser->Window()), platform::AddressViewClassName);
    browser->Navigate(PantoneCu);
    EXPECT_EQ(skin::WindowText(browser->Window()), PantoneCu);
  }
  DestroyWindow(parent_);
  EXPECT_FALSE(IsWindow(keptWindow));
  EXPECT_EQ(kept->Window(), nullptr);
  kept->Navigate(PantoneCu);
}

struct RecordingBrowser final : Browser {
  explicit RecordingBrowser(std::vector<std::wstring>& to) : addresses(to) {}
  void Navigate(const std::wstring& address) override { addresses.push_back(address); }
  HWND Window() const override { return nullptr; }
  std::vector<std::wstring>& addresses;
};

// An injected factory is called with the owner and the bounds and used for every browser
// until it is cleared; then the standard choice makes one of the two kinds of window again.
TEST_F(BrowserTest, CreateBrowserUsesTheInjectedFactoryUntilItIsCleared) {
  struct Restore {
    ~Restore() { platform::SetBrowserFactory({}); }
  } restore;
  int made = 0;
  std::vector<std::wstring> addresses;
  platform::SetBrowserFactory([&](HWND owner, const RECT& bounds) -> std::unique_ptr<Browser> {
    ++made;
    EXPECT_EQ(owner, parent_);
    EXPECT_TRUE(EqualRect(&bounds, &Bounds));
    return std::make_unique<RecordingBrowser>(addresses);
  });
  std::unique_ptr<Browser> injected = platform::CreateBrowser(parent_, Bounds);
  injected->Navigate(PantoneCu);
  injected->Navigate(PantoneCu);
  EXPECT_EQ(addresses, (std::vector<std::wstring>{PantoneCu, PantoneCu}));
  EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr) << "no system browser was made";
  platform::SetBrowserFactory({});
  std::unique_ptr<Browser> standard = platform::CreateBrowser(parent_, Bounds);
  EXPECT_EQ(made, 1);
  ASSERT_NE(standard->Window(), nullptr);
  const std::wstring name = skin::WindowClassName(standard->Window());
  EXPECT_TRUE(name == platform::AddressViewClassName || name == platform::BrowserHostClassName);
}

}  // namespace
