// Message fuzzing: every kind of skinned window gets a long seeded stream of the messages
// the skin routes and of others, with random parameters, honest about what the platform
// itself requires (WM_TIMER is sent, never posted with a callback; WINDOWPOS records are
// real; window handles are 0, windows of ours, of another thread, or destroyed ones).
// Afterwards every property is within its range and removing the skin restores the window.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <random>
#include <string>

#include "skin/core/attach.h"
#include "skin/core/detach.h"
#include "skin/core/skin_kind.h"
#include "skin/core/skin_state.h"
#include "skin/core/skin_wndproc.h"
#include "skin/core/window_props.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/pump.h"
#include "tests/support/foreign_window.h"
#include "tests/support/props.h"

namespace {

using namespace skin;

constexpr int MessagesPerKind = 20000;
constexpr int ResizeEvery = 5000;   // a real resize to 0 x 0, then to 4000 x 4000, then back
constexpr int EnableEvery = 700;    // a real EnableWindow flip
constexpr int StormEvery = 3000;    // a burst of WM_TIMER
constexpr int StormLength = 300;
constexpr std::uint32_t BaseSeed = 0x7117042A;

struct Target {
  const char* name;
  HWND hwnd;
};

class Fuzzer {
 public:
  Fuzzer(std::uint32_t seed, HWND target, std::vector<HWND> handles)
      : random_(seed), target_(target), handles_(std::move(handles)) {}

  void Run(int count) {
    for (int i = 1; i <= count; ++i) {
      if (i % ResizeEvery == 0) Resize();
      if (i % EnableEvery == 0) EnableWindow(target_, !IsWindowEnabled(target_));
      if (i % StormEvery == 0) {
        for (int k = 0; k < StormLength; ++k) SendMessageW(target_, WM_TIMER, Any(), 0);
      }
      SendOne();
      if (i % 200 == 0) test::PumpMessages();
    }
    EnableWindow(target_, TRUE);
    test::PumpMessages();
  }

 private:
  std::uint32_t Any() { return random_(); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  // Coordinates from the ordinary to the absurd: negative, huge, on the edges.
  int Coordinate() {
    switch (Between(0, 5)) {
      case 0: return Between(-32768, 32767);
      case 1: return Between(-5, 5);
      case 2: return 32767;
      case 3: return -32768;
      default: return Between(0, 150);
    }
  }
  LPARAM Point() { return MAKELPARAM(Coordinate(), Coordinate()); }
  WPARAM MouseKeys() { return Between(0, 1) ? MK_LBUTTON : Any() & 0x7F; }
  bool IsKind(SkinKind kind) const { return KindOf(target_) == kind; }
  LPARAM Handle() { return reinterpret_cast<LPARAM>(handles_[static_cast<size_t>(Between(0, static_cast<int>(handles_.size()) - 1))]); }

  void Resize() {
    RECT r{};
    GetWindowRect(target_, &r);
    MapWindowPoints(nullptr, GetParent(target_), reinterpret_cast<POINT*>(&r), 2);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE;
    SetWindowPos(target_, nullptr, 0, 0, 0, 0, flags);
    SetWindowPos(target_, nullptr, 0, 0, 4000, 4000, flags);
    SetWindowPos(target_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, flags);
  }

  void SendOne() {
    HWND w = target_;
    int pick = Between(0, 33);
    // The platform delivers no mouse or keyboard input to a disabled window (and its
    // own radio-button code loops forever on a click it could never get).
    const bool input = (pick >= 8 && pick <= 11) || (pick >= 15 && pick <= 22) || pick == 25 ||
                       pick == 26;
    if (input && !IsWindowEnabled(w)) pick = 33;
    switch (pick) {
      case 0: SendMessageW(w, WM_SIZE, Between(0, 4), static_cast<LPARAM>(Any())); break;
      case 1: SendMessageW(w, WM_ACTIVATE, Between(0, 2), Between(0, 3) ? Handle() : 0); break;
      case 2: SendMessageW(w, WM_SETFOCUS, static_cast<WPARAM>(Handle()), 0); break;
      case 3: SendMessageW(w, WM_KILLFOCUS, static_cast<WPARAM>(Handle()), 0); break;
      case 4: SendMessageW(w, WM_ENABLE, Any() & 1, 0); break;
      case 5: RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); break;
      case 6: {
        RECT r{};
        GetWindowRect(w, &r);
        WINDOWPOS pos{w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                      SWP_NOZORDER | SWP_NOACTIVATE | static_cast<UINT>(Any() & (SWP_NOMOVE | SWP_NOSIZE))};
        SendMessageW(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
        break;
      }
      case 7: SendMessageW(w, WM_NCPAINT, Between(0, 1), 0); break;
      case 8: case 9: SendMessageW(w, WM_KEYDOWN, Between(0, 3) ? VK_SPACE : Any() & 0xFFFF, Any()); break;
      case 10: case 11: SendMessageW(w, WM_KEYUP, Between(0, 3) ? VK_SPACE : Any() & 0xFFFF, Any()); break;
      case 12: SendMessageW(w, WM_TIMER, Any(), 0); break;
      case 13: SendMessageW(w, WM_ENTERIDLE, Any() & 3, Between(0, 2) ? Handle() : 0); break;
      case 14: SendMessageW(w, WM_CTLCOLORLISTBOX, 0, Between(0, 2) ? Handle() : 0); break;
      case 15: case 16: case 17: SendMessageW(w, WM_MOUSEMOVE, MouseKeys(), Point()); break;
      case 18: case 19: SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, Point()); break;
      case 20: case 21: SendMessageW(w, WM_LBUTTONUP, 0, Point()); break;
      case 22: SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, Point()); break;
      case 23: SendMessageW(w, WM_MOUSELEAVE, 0, 0); break;
      // Messages the skin does not route.
      // Private messages: WM_USER and up are the controls' own, some taking pointers.
      case 24: SendMessageW(w, WM_APP + Between(0, 50), Any(), static_cast<LPARAM>(Any())); break;
      case 25: SendMessageW(w, WM_CHAR, Between(32, 0x7E), 1); break;
      // (Not the right button: a text box answers it with a context menu, whose modal
      // loop waits for a user.)
      case 26: SendMessageW(w, WM_MBUTTONDOWN, MK_MBUTTON, Point()); SendMessageW(w, WM_MBUTTONUP, 0, Point()); break;
      case 27: SendMessageW(w, WM_NCHITTEST, 0, Point()); break;
      case 28: SendMessageW(w, WM_CAPTURECHANGED, 0, Handle()); break;
      case 29: SendMessageW(w, WM_CANCELMODE, 0, 0); break;
      // Each control's own state changes, sent only to its own kind.
      case 30:
        if (IsKind(SkinKind::CommandButton) || IsKind(SkinKind::CheckBox) || IsKind(SkinKind::OptionButton))
          SendMessageW(w, BM_SETCHECK, Between(0, 3), 0);
        break;
      case 31:
        if (IsKind(SkinKind::ComboBox) || IsKind(SkinKind::DriveList))
          SendMessageW(w, CB_SHOWDROPDOWN, Any() & 1, 0);
        break;
      case 32:
        if (IsKind(SkinKind::ProgressBar)) SendMessageW(w, PBM_SETPOS, Between(-40000, 80000), 0);
        break;
      default: SendMessageW(w, WM_NULL, Any(), static_cast<LPARAM>(Any())); break;
    }
  }

  std::mt19937 random_;
  HWND target_;
  std::vector<HWND> handles_;
};


void ExpectPropertiesInRange(HWND w, const char* name) {
  SCOPED_TRACE(name);
  const SkinKind kind = KindOf(w);
  const int mouse = ReadIntProp(w, PropMouseFlag);
  EXPECT_TRUE(mouse == 0 || mouse == 1) << "MOUSEFLAG " << mouse;
  const int timer = ReadIntProp(w, PropTimerId);
  EXPECT_TRUE(timer == 0 || timer == 1) << "TIMERID " << timer;
  const int state = ReadIntProp(w, PropOldState);
  EXPECT_TRUE(state >= 0 && state <= 3) << "OLDSTATE " << state;
  const int level = ReadIntProp(w, PropAlphaLevel);
  EXPECT_TRUE(level >= 0 && level <= 255) << "ALPHALEVEL " << level;
  if (kind == SkinKind::Header) {
    const int count = static_cast<int>(SendMessageW(w, HDM_GETITEMCOUNT, 0, 0));
    for (const wchar_t* index : {PropHdIndex, PropHmIndex}) {
      const int value = ReadIntProp(w, index);
      EXPECT_TRUE(value >= -1 && value < count) << "header index " << value;
    }
  }
}

TEST(Fuzz, EveryKindSurvivesAndComesBackAsItWas) {
  test::ForeignWindow foreign;
  stress::FixtureForm f = stress::CreateFixtureForm(true);
  // Text boxes paste the clipboard on a middle click: give it a short text of our own,
  // whatever the session had there.
  if (OpenClipboard(f.form)) {
    EmptyClipboard();
    const wchar_t text[] = L"paste";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    memcpy(GlobalLock(memory), text, sizeof(text));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }
  // The drop-down list of a combo: a window of its own kind.
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(f.listCombo, &info);
  HWND comboList = info.hwndList;

  std::vector<Target> targets = {
      {"form", f.form},          {"command button", f.buttons[0]}, {"combo box", f.combo},
      {"drop-down list", f.listCombo}, {"simple combo", f.simpleCombo}, {"drive list", f.drive},
      {"check box", f.check},    {"option button", f.option},      {"progress bar", f.progress},
      {"header", f.header},      {"data list", f.dataList},        {"combo list", comboList},
      {"grid", f.grid},          {"other", f.edit},
  };
  // What each window was before the skin: the removal must bring exactly this back.
  std::vector<LONG_PTR> procedures;
  std::vector<LONG_PTR> styles;
  for (const Target& t : targets) {
    procedures.push_back(GetWindowLongPtrW(t.hwnd, GWLP_WNDPROC));
    styles.push_back(GetWindowLongPtrW(t.hwnd, GWL_STYLE));
  }
  ASSERT_EQ(SkinWindow(f.form), 1);
  AttachSkin(comboList);
  test::PumpMessages();

  HWND destroyed = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5, f.form, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  std::vector<HWND> handles = f.All();
  handles.push_back(comboList);
  handles.push_back(foreign.hwnd());
  handles.push_back(destroyed);

  const int count = stress::Scaled(MessagesPerKind);
  long long sent = 0;
  for (size_t i = 0; i < targets.size(); ++i) {
    const std::uint32_t seed = stress::FuzzSeed(BaseSeed + static_cast<std::uint32_t>(i));
    SCOPED_TRACE(std::string("kind ") + targets[i].name + ", TINTORA_FUZZ_SEED=" + std::to_string(seed));
    const DWORD started = GetTickCount();
    Fuzzer(seed, targets[i].hwnd, handles).Run(count);
    sent += count;
    std::printf("[ figures ] %-16s %d messages in %lu ms\n", targets[i].name, count,
                GetTickCount() - started);
    std::fflush(stdout);
    ASSERT_TRUE(IsWindow(targets[i].hwnd));
    EXPECT_EQ(ReadProp(targets[i].hwnd, PropProcAddr), procedures[i]) << "the chain was broken";
    for (HWND w : handles)
      if (IsWindow(w) && IsSkinned(w)) ExpectPropertiesInRange(w, targets[i].name);
  }
  std::printf("[ figures ] fuzz: %d messages a kind, %zu kinds, %lld messages in all\n", count,
              targets.size(), sent);
  EXPECT_FALSE(IsSkinned(foreign.hwnd()));

  // Removing the skin restores every window exactly; the count follows.
  for (size_t i = targets.size(); i-- > 0;) {
    HWND w = targets[i].hwnd;
    SCOPED_TRACE(targets[i].name);
    const LONG before = SkinnedWindowCount;
    if (KindOf(w) == SkinKind::CommandButton) {
      SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_DISABLED);  // anything
    }
    if (KindOf(w) == SkinKind::Form) continue;  // its turn comes with its destruction
    ASSERT_EQ(DetachSkin(w), 1);
    EXPECT_EQ(SkinnedWindowCount, before - 1);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), procedures[i]);
    if (KindOf(w) == SkinKind::CommandButton) {
      EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE), styles[i]);
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      EXPECT_EQ(GetWindowRgn(w, region), ERROR);
      DeleteObject(region);
    }
    for (const wchar_t* name : {PropProcAddr, PropOldStyle, PropMouseFlag, PropTimerId, PropOldState,
                                PropAlphaLevel, PropHdIndex, PropHmIndex})
      EXPECT_FALSE(test::HasProp(w, name));
    for (int n = 0; n < FaceCount; ++n) {
      EXPECT_FALSE(test::HasProp(w, FaceDcPropName(n)));
      EXPECT_FALSE(test::HasProp(w, FaceBitmapPropName(n)));
    }
  }
  DestroyWindow(f.form);
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
}

}  // namespace
