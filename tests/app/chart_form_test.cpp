// The colour-chart main window with a recording browser: no test touches the network.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms.h"
#include "platform/message_loop.h"
#include "platform/twips.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

namespace {

using app::ChartButtons;
using app::Form1;
using app::Form2;
using app::soft;

struct Request {
  std::wstring address;
  bool formSkinned;  // whether the main window carried the skin when the request came
};

std::vector<Request> requests;

// Records every address and shows nothing but a plain child window.
class RecordingBrowser : public platform::Browser {
 public:
  RecordingBrowser(HWND parent, const RECT& bounds) : parent_(parent) {
    hwnd_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                            nullptr, nullptr, nullptr);
  }
  ~RecordingBrowser() override {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  void Navigate(const std::wstring& address) override {
    requests.push_back({address, skin::IsSkinned(parent_)});
  }
  HWND Window() const override { return hwnd_; }

 private:
  HWND parent_;
  HWND hwnd_;
};

class ChartWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    requests.clear();
    platform::SetBrowserFactory([](HWND parent, const RECT& bounds) {
      return std::make_unique<RecordingBrowser>(parent, bounds);
    });
    soft().Show();
    ASSERT_TRUE(soft().IsLoaded());
  }
  void TearDown() override {
    Form2().Unload();
    soft().Unload();
    Form1().Unload();
    platform::ProcessPendingMessages();
    platform::SetBrowserFactory({});
    EXPECT_EQ(platform::LoadedFormCount(), 0);
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  static std::wstring Address(const wchar_t* path) { return std::wstring(app::ChartSiteBase) + path; }
  static HWND Button(int number) {
    return soft().Control(L"Command" + std::to_wstring(number));
  }
  // A real click: press and release through the skinned button's procedures.
  static void Click(HWND button) {
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
};

TEST_F(ChartWindow, OpensOnTheStartPageBeforeTheSkinIsAttached) {
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].address, Address(L"/b"));
  EXPECT_FALSE(requests[0].formSkinned);
  EXPECT_TRUE(skin::IsSkinned(soft().hwnd()));
  EXPECT_EQ(std::wstring(app::ChartSiteBase), L"https://www.tintora.example");
}

TEST_F(ChartWindow, EachButtonLoadsItsPageAndNothingElse) {
  const wchar_t* pages[12] = {
      L"/soft/qovu/cmyk-color.html",  L"/soft/qovu/rgb-color.html",
      L"/soft/qovu/PANTONE CU.htm",   L"/soft/qovu/PANTONE U.htm",
      L"/soft/qovu/PANTONE C.htm",    L"/soft/qovu/new_page_RAL.htm",
      L"/soft/qovu/new_page_512.htm", L"/soft/qovu/jdcolor.html",
      L"/soft/qovu/zywdzcolor.html",  L"/soft/qovu/txonlecolor.html",
      L"/soft/qovu/ysdmcolor.html",   L"/soft/qovu/fool.htm"};
  for (int number = 1; number <= 12; ++number) {
    requests.clear();
    Click(Button(number));
    ASSERT_EQ(requests.size(), 1u) << "Command" << number;
    EXPECT_EQ(requests[0].address, Address(pages[number - 1])) << "Command" << number;
  }
  EXPECT_EQ(Address(pages[2]), L"https://www.tintora.example/soft/qovu/PANTONE CU.htm");
  EXPECT_FALSE(Form2().IsLoaded());
}

TEST_F(ChartWindow, ClickingTwiceLoadsTwice) {
  requests.clear();
  Click(Button(3));
  Click(Button(3));
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].address, requests[1].address);
  // Through the button message as well as the mouse.
  SendMessageW(Button(8), BM_CLICK, 0, 0);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2].address, Address(L"/soft/qovu/jdcolor.html"));
}

TEST_F(ChartWindow, ControlsSitWhereTheTableSaysWithTheirCaptions) {
  RECT client{};
  GetClientRect(soft().hwnd(), &client);
  EXPECT_EQ(client.right, 711);
  EXPECT_EQ(client.bottom, 655);
  EXPECT_EQ(soft().BackColor(), 0xCA8E28u);
  LONG_PTR style = GetWindowLongPtrW(soft().hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);  // fixed single: no sizing frame

  for (int number = 1; number <= 12; ++number) {
    const app::ChartButton& table = ChartButtons[number - 1];
    RECT r{};
    GetWindowRect(Button(number), &r);
    MapWindowPoints(nullptr, soft().hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, table.left / 15) << table.name;
    EXPECT_EQ(r.top, table.top / 15) << table.name;
    EXPECT_EQ(r.right - r.left, table.width / 15) << table.name;
    EXPECT_EQ(r.bottom - r.top, 33) << table.name;
    wchar_t caption[64] = {};
    GetWindowTextW(Button(number), caption, 64);
    EXPECT_STREQ(caption, table.caption);
  }
  HWND browser = soft().WebBrowser1()->Window();
  RECT b{};
  GetWindowRect(browser, &b);
  MapWindowPoints(nullptr, soft().hwnd(), reinterpret_cast<POINT*>(&b), 2);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.right - b.left, 713);
  EXPECT_EQ(b.bottom - b.top, 569);
  // The browser's windows are attached, as windows of no kind of their own.
  EXPECT_TRUE(skin::IsSkinned(browser));
  EXPECT_EQ(skin::KindOf(browser), skin::SkinKind::Other);
  // The picture lies right of the designed client area.
  EXPECT_GE(soft().ControlRect(L"Image1").left, client.right);
}

TEST_F(ChartWindow, TheUpperRowReadsInScreenOrderAndTabFollowsTheNumbers) {
  const int screenOrder[6] = {1, 2, 5, 4, 3, 6};
  int lastLeft = -1;
  for (int number : screenOrder) {
    RECT r{};
    GetWindowRect(Button(number), &r);
    EXPECT_GT(r.left, lastLeft) << "Command" << number;
    lastLeft = r.left;
  }
  SetFocus(Button(1));
  for (int number = 2; number <= 12; ++number) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    platform::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), Button(number));
  }
}

TEST_F(ChartWindow, ThePictureOpensForm2) {
  RECT image = soft().ControlRect(L"Image1");
  SendMessageW(soft().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(image.left + 5, image.top + 5));
  SendMessageW(soft().hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(image.left + 5, image.top + 5));
  ASSERT_TRUE(Form2().IsLoaded());
  EXPECT_TRUE(IsWindowVisible(Form2().hwnd()));
  wchar_t caption[16] = {};
  GetWindowTextW(Form2().hwnd(), caption, 16);
  EXPECT_STREQ(caption, L"Form2");
  RECT client{};
  GetClientRect(Form2().hwnd(), &client);
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 213);
  EXPECT_EQ(GetWindow(Form2().hwnd(), GW_OWNER), nullptr);
  EXPECT_EQ(requests.size(), 1u);  // only the start page
}

TEST_F(ChartWindow, Form2IsSkinnedWhenItTakesTheActivationFromTheMainWindow) {
  SetForegroundWindow(soft().hwnd());
  platform::ProcessPendingMessages();
  const LONG before = skin::SkinnedWindowCount;
  RECT image = soft().ControlRect(L"Image1");
  SendMessageW(soft().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(image.left + 5, image.top + 5));
  SendMessageW(soft().hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(image.left + 5, image.top + 5));
  platform::ProcessPendingMessages();
  ASSERT_TRUE(Form2().IsLoaded());
  EXPECT_EQ(GetActiveWindow(), Form2().hwnd());
  EXPECT_TRUE(skin::IsSkinned(Form2().hwnd()));
  EXPECT_EQ(skin::SkinnedWindowCount, before + 1);
  Form2().Unload();
  EXPECT_EQ(skin::SkinnedWindowCount, before);
}

TEST_F(ChartWindow, ClosingTheMainWindowWithForm2OpenKeepsTheProgramAlive) {
  Form2().Show();
  SendMessageW(soft().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(soft().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  SendMessageW(Form2().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(platform::LoadedFormCount(), 0);
}

// A form whose creation fails after its first message (here its WM_CREATE is refused) was
// never loaded: the count of loaded forms, which keeps the process alive, stays as it was.
TEST_F(ChartWindow, AFormThatFailsToBeCreatedLeavesTheLoadedFormsAsTheyWere) {
  static WNDPROC formProcedure = nullptr;
  const HHOOK hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        auto created = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && skin::WindowClassName(created) == platform::Form::WindowClass) {
          formProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
              created, GWLP_WNDPROC,
              reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM w, LPARAM l) -> LRESULT {
                return message == WM_CREATE ? -1 : CallWindowProcW(formProcedure, hwnd, message, w, l);
              })));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  Form2().Show();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(Form2().IsLoaded());
  EXPECT_EQ(platform::LoadedFormCount(), 1);
  EXPECT_TRUE(soft().IsLoaded());
}

TEST_F(ChartWindow, LoginLeadsHereThroughTheRealDialog) {
  soft().Unload();
  ASSERT_EQ(skin::SkinnedWindowCount, 0);
  Form1().Show();
  HWND dialog = Form1().hwnd();
  HWND okButton = Form1().Control(L"cmdOK");
  HDC dialogBitmap = skin::ButtonBitmap;
  EXPECT_TRUE(skin::SkinInitialized);
  requests.clear();
  SetWindowTextW(Form1().Control(L"txtPassword"), L"583172946");
  Click(okButton);

  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(IsWindow(okButton));
  ASSERT_TRUE(soft().IsLoaded());
  // The engine was released with the dialog and initialised again for the main window.
  EXPECT_TRUE(skin::SkinInitialized);
  EXPECT_EQ(GetObjectType(dialogBitmap), 0u);
  EXPECT_EQ(GetObjectType(skin::ButtonBitmap), static_cast<DWORD>(OBJ_MEMDC));
  for (int number = 1; number <= 12; ++number) EXPECT_TRUE(skin::IsSkinned(Button(number)));
  // The form, its twelve buttons and the browser's window.
  EXPECT_EQ(skin::SkinnedWindowCount, 14);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].address, Address(L"/b"));
}

}  // namespace
