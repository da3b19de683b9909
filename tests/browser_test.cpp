// The embedded browser: the address view that stands in for the system control, the
// start-up choice between the two, the injected factory and the windows' lifetime.
// Nothing here navigates the system control, so no test reaches the network.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/address_view.h"
#include "platform/browser.h"
#include "platform/ole_browser_host.h"
#include "platform/system_browser_check.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"

namespace {

using platform::Browser;

constexpr wchar_t ParentClassName[] = L"TintoraBrowserTestParent";
constexpr RECT ParentRect{0, 0, 480, 320};
constexpr RECT ViewBounds{7, 11, 7 + 360, 11 + 160};
constexpr COLORREF White = RGB(255, 255, 255);
// Rows from the view's top that hold the first line of the address, and the row from
// which the view must be plain background for an address that fits on one or two lines.
constexpr int TextBandHeight = 24;
constexpr int EmptyFromRow = 80;

const std::wstring StartPage = L"https://www.tintora.example/b";
const std::wstring PantoneCu = L"https://www.tintora.example/soft/qovu/PANTONE CU.htm";
const std::wstring ChinesePage = L"https://www.tintora.example/soft/qovu/中文对照 颜色.htm";

// A visible top-level window to hold the browser, destroyed at the end of the test.
class ParentWindow {
 public:
  ParentWindow() {
    static const bool registered = [] {
      WNDCLASSEXW windowClass{};
      windowClass.cbSize = sizeof(windowClass);
      windowClass.lpfnWndProc = DefWindowProcW;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
      windowClass.lpszClassName = ParentClassName;
      return RegisterClassExW(&windowClass) != 0;
    }();
    if (registered) {
      hwnd_ = CreateWindowExW(0, ParentClassName, L"browser test", WS_POPUP | WS_VISIBLE,
                              ParentRect.left, ParentRect.top, ParentRect.right - ParentRect.left,
                              ParentRect.bottom - ParentRect.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    }
  }
  ~ParentWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  ParentWindow(const ParentWindow&) = delete;
  ParentWindow& operator=(const ParentWindow&) = delete;
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  int length = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

int ChildCount(HWND parent) {
  int count = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ++count;
  return count;
}

// The skin attaches a window as kind "other" unless its lower-cased class name is one of
// these, or begins with one of the prefixes.
bool SkinTreatsAsOther(std::wstring className) {
  std::transform(className.begin(), className.end(), className.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  for (const wchar_t* name : {L"button", L"combobox", L"combo", L"combolbox", L"sysheader32",
                              L"#32770", L"form", L"msvb_lib_header", L"datalistwndclass",
                              L"dblistwndclass"}) {
    if (className == name) return false;
  }
  for (const std::wstring prefix : {L"thunder", L"apexgrid", L"progressbar"}) {
    if (className.compare(0, prefix.size(), prefix) == 0) return false;
  }
  return true;
}

// Non-background pixels in a band of rows of a snapshot.
int InkIn(const test::Pixels& pixels, int firstRow, int rows) {
  rows = std::min(rows, pixels.height() - firstRow);
  return pixels.width() * rows - pixels.Count(White, 0, firstRow, pixels.width(), rows);
}

test::Pixels PaintedView(HWND view) {
  UpdateWindow(view);
  return test::ReadWindow(view);
}

// --- The address view ---

TEST(BrowserAddressView, ShowsTheLastAddressAsItsWindowText) {
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  ASSERT_NE(view->Window(), nullptr);
  EXPECT_EQ(TextOf(view->Window()), L"") << "an empty initial location";

  // Blanks stay as they are; the control would encode them, the view shows the address.
  for (const std::wstring& address :
       {StartPage, PantoneCu, ChinesePage, PantoneCu, std::wstring()}) {
    view->Navigate(address);
    EXPECT_EQ(TextOf(view->Window()), address);
  }
}

TEST(BrowserAddressView, IsAVisibleChildOfTheParentAtTheBounds) {
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);

  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), parent.get());
  EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(IsWindowVisible(hwnd));

  RECT placed{};
  GetWindowRect(hwnd, &placed);
  MapWindowPoints(HWND_DESKTOP, parent.get(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, ViewBounds.left);
  EXPECT_EQ(placed.top, ViewBounds.top);
  EXPECT_EQ(placed.right, ViewBounds.right);
  EXPECT_EQ(placed.bottom, ViewBounds.bottom);
}

TEST(BrowserAddressView, PaintsTheAddressNearTheTopLeftOnAPlainBackground) {
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);
  const int width = ViewBounds.right - ViewBounds.left;
  const int height = ViewBounds.bottom - ViewBounds.top;

  test::Pixels empty = PaintedView(hwnd);
  ASSERT_EQ(empty.width(), width);
  ASSERT_EQ(empty.height(), height);
  EXPECT_EQ(empty.Count(White), width * height) << "nothing to show yet: all background";

  view->Navigate(PantoneCu);
  test::Pixels shown = PaintedView(hwnd);
  EXPECT_GT(InkIn(shown, 0, TextBandHeight), 0) << "the address is drawn in the first line";
  EXPECT_EQ(InkIn(shown, EmptyFromRow, height), 0) << "below the address, only background";
  EXPECT_GT(shown.Count(White), width * height / 2);

  // Each navigation repaints: taking the address away clears the text again.
  view->Navigate(std::wstring());
  EXPECT_EQ(PaintedView(hwnd).Count(White), width * height);
}

TEST(BrowserAddressView, NavigatingManyTimesGrowsNothing) {
  constexpr int Navigations = 300;
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);
  // One round first, so that whatever the system sets up on a first paint is not counted.
  view->Navigate(ChinesePage);
  UpdateWindow(hwnd);

  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < Navigations; ++i) {
      view->Navigate(i % 2 ? PantoneCu : ChinesePage);
      UpdateWindow(hwnd);
    }
  });
  EXPECT_EQ(leaked, 0) << "GDI objects lost over " << Navigations << " navigations";
  EXPECT_EQ(TextOf(hwnd), PantoneCu) << "the text is replaced, never appended to";
  EXPECT_EQ(ChildCount(hwnd), 0);
  EXPECT_EQ(ChildCount(parent.get()), 1);
}

TEST(BrowserAddressView, ClassNamesAreOrdinaryWindowsToTheSkin) {
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  ASSERT_NE(view->Window(), nullptr);
  EXPECT_EQ(ClassOf(view->Window()), platform::AddressViewClassName);
  EXPECT_TRUE(SkinTreatsAsOther(ClassOf(view->Window())));
  // The host of the system control cannot be made here; its class name is checked alone.
  EXPECT_TRUE(SkinTreatsAsOther(platform::BrowserHostClassName));
  EXPECT_NE(std::wstring(platform::BrowserHostClassName), platform::AddressViewClassName);
}

// --- Lifetime of the browser and its window ---

TEST(BrowserLifetime, DestroyingTheParentTakesTheWindowAlong) {
  auto parent = std::make_unique<ParentWindow>();
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent->get(), ViewBounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);

  DestroyWindow(parent->get());
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(view->Window(), nullptr) << "the browser knows its window is gone";
  view->Navigate(PantoneCu);  // harmless now
  view.reset();               // and does not destroy a stale handle
  parent.reset();
}

TEST(BrowserLifetime, DestroyingTheBrowserDestroysItsWindowOnly) {
  ParentWindow parent;
  std::unique_ptr<Browser> view = platform::CreateAddressView(parent.get(), ViewBounds);
  HWND hwnd = view->Window();
  ASSERT_NE(hwnd, nullptr);

  view.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(IsWindow(parent.get()));
  EXPECT_EQ(ChildCount(parent.get()), 0);
}

TEST(BrowserLifetime, WithoutAParentThereIsNoWindowAndNavigateIsHarmless) {
  std::unique_ptr<Browser> view = platform::CreateAddressView(nullptr, ViewBounds);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Window(), nullptr) << "a child window cannot exist without a parent";
  view->Navigate(PantoneCu);
}

// --- The start-up choice ---

TEST(BrowserSystem, WithoutTheHtmlEngineTheAddressViewStandsIn) {
  // Where the engine's library loads (Windows, or Wine with its engine installed) the
  // control might be chosen, and nothing here may let it reach the network.
  if (HMODULE engine = LoadLibraryW(L"mshtml.dll")) {
    FreeLibrary(engine);
    GTEST_SKIP() << "the HTML engine is present";
  }
  EXPECT_FALSE(platform::SystemBrowserCanShowPages());
  EXPECT_FALSE(platform::SystemBrowserCanShowPages()) << "the same answer every time";

  ParentWindow parent;
  std::unique_ptr<Browser> browser = platform::CreateSystemBrowser(parent.get(), ViewBounds);
  ASSERT_NE(browser->Window(), nullptr);
  EXPECT_EQ(ClassOf(browser->Window()), platform::AddressViewClassName);
  EXPECT_EQ(GetAncestor(browser->Window(), GA_PARENT), parent.get());
  browser->Navigate(PantoneCu);
  EXPECT_EQ(TextOf(browser->Window()), PantoneCu);
}

// --- The injected factory ---

struct Record {
  int made = 0;
  HWND parent = nullptr;
  RECT bounds{};
  std::vector<std::wstring> addresses;
};

class RecordingBrowser final : public Browser {
 public:
  explicit RecordingBrowser(Record& record) : record_(record) {}
  void Navigate(const std::wstring& address) override { record_.addresses.push_back(address); }
  HWND Window() const override { return nullptr; }

 private:
  Record& record_;
};

// Puts a factory in for one test and always takes it out again.
class InjectedFactory {
 public:
  explicit InjectedFactory(platform::BrowserFactory factory) {
    platform::SetBrowserFactory(std::move(factory));
  }
  ~InjectedFactory() { platform::SetBrowserFactory({}); }
  InjectedFactory(const InjectedFactory&) = delete;
  InjectedFactory& operator=(const InjectedFactory&) = delete;
};

TEST(BrowserFactory, CreateBrowserUsesTheInjectedFactoryUntilItIsCleared) {
  ParentWindow parent;
  Record record;
  {
    InjectedFactory injected([&record](HWND owner, const RECT& bounds) -> std::unique_ptr<Browser> {
      ++record.made;
      record.parent = owner;
      record.bounds = bounds;
      return std::make_unique<RecordingBrowser>(record);
    });
    std::unique_ptr<Browser> browser = platform::CreateBrowser(parent.get(), ViewBounds);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(record.made, 1);
    EXPECT_EQ(record.parent, parent.get());
    EXPECT_TRUE(EqualRect(&record.bounds, &ViewBounds));

    // Every navigation is passed on as given, the same page twice included.
    browser->Navigate(StartPage);
    browser->Navigate(PantoneCu);
    browser->Navigate(PantoneCu);
    EXPECT_EQ(record.addresses, (std::vector<std::wstring>{StartPage, PantoneCu, PantoneCu}));
    EXPECT_EQ(ChildCount(parent.get()), 0) << "no system browser was made";
  }

  // Cleared: the system browser again (never navigated here).
  std::unique_ptr<Browser> browser = platform::CreateBrowser(parent.get(), ViewBounds);
  EXPECT_EQ(record.made, 1);
  ASSERT_NE(browser->Window(), nullptr);
  EXPECT_EQ(GetAncestor(browser->Window(), GA_PARENT), parent.get());
  const std::wstring className = ClassOf(browser->Window());
  EXPECT_TRUE(className == platform::AddressViewClassName ||
              className == platform::BrowserHostClassName)
      << "class " << std::string(className.begin(), className.end());
}

}  // namespace
