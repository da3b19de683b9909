// Message fuzzing: every kind of skinned window gets a long seeded stream of the messages the
// skin routes and of others, with random parameters, honest about what the platform itself
// requires (WM_TIMER is sent, never posted with a callback; WINDOWPOS records are real;
// window handles are 0, windows of ours, of another thread, or destroyed ones; no input to a
// disabled window). Afterwards every property is within its range, and removing the skin
// restores each window as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/kinds/kind_table.h"
#include "tests/stress/fixture_form.h"
#include "tests/stress/stress_settings.h"
#include "tests/support/foreign_window.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;

constexpr int MessagesPerKind = 2000;
constexpr int ResizeEvery = 500;  // a real resize to 0 x 0, to 4000 x 4000, and back
constexpr int EnableEvery = 70;   // a real EnableWindow flip
constexpr int StormEvery = 300;   // a burst of WM_TIMER
constexpr int StormLength = 100;
constexpr std::uint32_t BaseSeed = 0x7117042A;

class Fuzzer {
 public:
  Fuzzer(std::uint32_t seed, HWND target, std::vector<HWND> handles)
      : random_(seed), target_(target), kind_(KindOf(target)), handles_(std::move(handles)) {}

  void Run(int count) {
    for (int i = 1; i <= count; ++i) {
      if (i % ResizeEvery == 0) Resize();
      if (i % EnableEvery == 0) EnableWindow(target_, !IsWindowEnabled(target_));
      if (i % StormEvery == 0)
        for (int k = 0; k < StormLength; ++k) SendMessageW(target_, WM_TIMER, random_(), 0);
      SendOne();
      if (i % 200 == 0) test::PumpMessages();
    }
    EnableWindow(target_, TRUE);
    test::PumpMessages();
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  LPARAM Any() { return static_cast<LPARAM>(random_()); }
  // Coordinates from the ordinary to the absurd: negative, huge, on the edges.
  int Coordinate() {
    const int choices[] = {Between(-32768, 32767), Between(-5, 5), 32767, -32768, Between(0, 150)};
    return choices[Between(0, 4)];
  }
  LPARAM Point() { return MAKELPARAM(Coordinate(), Coordinate()); }
  LPARAM Handle() {
    return reinterpret_cast<LPARAM>(
        handles_[static_cast<size_t>(Between(0, static_cast<int>(handles_.size()) - 1))]);
  }
  WPARAM Key() { return Between(0, 3) ? VK_SPACE : random_() & 0xFFFF; }

  void Resize() {
    RECT r{};
    GetWindowRect(target_, &r);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE;
    for (SIZE size : {SIZE{0, 0}, SIZE{4000, 4000}, SIZE{r.right - r.left, r.bottom - r.top}})
      SetWindowPos(target_, nullptr, 0, 0, size.cx, size.cy, flags);
  }

  void SendOne() {
    HWND w = target_;
    // The platform delivers no mouse or keyboard input to a disabled window (and a radio
    // button's own code loops forever on a click it could never get).
    int pick = Between(0, 26);
    if (pick >= 15 && pick <= 22 && !IsWindowEnabled(w)) pick = 26;
    switch (pick) {
      case 0: SendMessageW(w, WM_SIZE, Between(0, 4), Any()); break;
      case 1: SendMessageW(w, WM_ACTIVATE, Between(0, 2), Between(0, 3) ? Handle() : 0); break;
      case 2:
        SendMessageW(w, Between(0, 1) ? WM_SETFOCUS : WM_KILLFOCUS, static_cast<WPARAM>(Handle()), 0);
        break;
      case 3: SendMessageW(w, WM_ENABLE, Between(0, 1), 0); break;
      case 4: RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); break;
      case 5: {
        RECT r{};
        GetWindowRect(w, &r);
        WINDOWPOS pos{
            w,
            nullptr,
            r.left,
            r.top,
            r.right - r.left,
            r.bottom - r.top,
            SWP_NOZORDER | SWP_NOACTIVATE | static_cast<UINT>(random_() & (SWP_NOMOVE | SWP_NOSIZE))};
        SendMessageW(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
        break;
      }
      case 6: SendMessageW(w, WM_NCPAINT, Between(0, 1), 0); break;
      case 7: SendMessageW(w, WM_TIMER, random_(), 0); break;
      case 8: SendMessageW(w, WM_ENTERIDLE, random_() & 3, Between(0, 2) ? Handle() : 0); break;
      case 9: SendMessageW(w, WM_CTLCOLORLISTBOX, 0, Between(0, 2) ? Handle() : 0); break;
      case 10: SendMessageW(w, WM_MOUSELEAVE, 0, 0); break;
      // Messages the skin does not route; private ones from WM_APP up, since the controls'
      // own, from WM_USER, may take pointers.
      case 11: SendMessageW(w, WM_APP + Between(0, 50), random_(), Any()); break;
      case 12: SendMessageW(w, WM_NCHITTEST, 0, Point()); break;
      case 13: SendMessageW(w, WM_CAPTURECHANGED, 0, Handle()); break;
      case 14: SendMessageW(w, WM_CANCELMODE, 0, 0); break;
      case 15: case 16: SendMessageW(w, WM_KEYDOWN, Key(), Any()); break;
      case 17: SendMessageW(w, WM_KEYUP, Key(), Any()); break;
      case 18:
      case 19:
        SendMessageW(w, WM_MOUSEMOVE, Between(0, 1) ? MK_LBUTTON : random_() & 0x7F, Point());
        break;
      case 20: SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, Point()); break;
      case 21: SendMessageW(w, WM_LBUTTONUP, 0, Point()); break;
      case 22: SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, Point()); break;
      // Each control's own state changes, sent only to its own kind.
      case 23:
        if (kind_ == SkinKind::CommandButton || kind_ == SkinKind::CheckBox ||
            kind_ == SkinKind::OptionButton)
          SendMessageW(w, BM_SETCHECK, Between(0, 3), 0);
        break;
      case 24:
        if (kind_ == SkinKind::ComboBox || kind_ == SkinKind::DriveList)
          SendMessageW(w, CB_SHOWDROPDOWN, random_() & 1, 0);
        break;
      case 25:
        if (kind_ == SkinKind::ProgressBar) SendMessageW(w, PBM_SETPOS, Between(-40000, 80000), 0);
        break;
      default: SendMessageW(w, WM_NULL, random_(), Any()); break;
    }
  }

  std::mt19937 random_;
  HWND target_;
  SkinKind kind_;
  std::vector<HWND> handles_;
};

void ExpectPropertiesInRange(HWND w) {
  // A header's indices name one of its items or none; elsewhere they are absent (0).
  const int items =
      KindOf(w) == SkinKind::Header ? static_cast<int>(SendMessageW(w, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const struct {
    const wchar_t* name;
    int low, high;
  } ranges[] = {{PropMouseFlag, 0, 1}, {PropTimerId, 0, 1}, {PropOldState, 0, 3}, {PropAlphaLevel, 0, 255},
                {PropHdIndex, -1, items - 1}, {PropHmIndex, -1, items - 1}};
  for (const auto& r : ranges) {
    const int value = ReadIntProp(w, r.name);
    EXPECT_TRUE(value >= r.low && value <= r.high) << r.name << " " << value;
  }
}

TEST(Fuzz, EveryKindSurvivesAndComesBackAsItWas) {
  test::ForeignWindow foreign;
  stress::FixtureForm f = stress::CreateFixtureForm(true);
  // The drop-down list of a combo: a window of its own kind.
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(f.listCombo, &info);
  const struct {
    const char* name;
    HWND hwnd;
  } targets[] = {{"form", f.form},          {"command button", f.buttons[0]}, {"combo box", f.combo},
                 {"drop-down list", f.listCombo}, {"simple combo", f.simpleCombo}, {"drive list", f.drive},
                 {"check box", f.check},    {"option button", f.option},      {"progress bar", f.progress},
                 {"header", f.header},      {"data list", f.dataList},        {"combo list", info.hwndList},
                 {"grid", f.grid},          {"other", f.edit}};
  // What each window was before the skin: the removal must bring exactly this back.
  std::vector<LONG_PTR> procedures, styles;
  for (const auto& t : targets) {
    procedures.push_back(GetWindowLongPtrW(t.hwnd, GWLP_WNDPROC));
    styles.push_back(GetWindowLongPtrW(t.hwnd, GWL_STYLE));
  }
  ASSERT_EQ(SkinWindow(f.form), 1);
  AttachSkin(info.hwndList);
  HWND destroyed =
      CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5, f.form, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  std::vector<HWND> handles = f.All();
  handles.insert(handles.end(), {info.hwndList, foreign.hwnd(), destroyed, nullptr});

  const int count = stress::Scaled(MessagesPerKind);
  for (size_t i = 0; i < std::size(targets); ++i) {
    const std::uint32_t seed = stress::FuzzSeed(BaseSeed + static_cast<std::uint32_t>(i));
    SCOPED_TRACE(std::string("kind ") + targets[i].name + ", TINTORA_FUZZ_SEED=" + std::to_string(seed));
    const DWORD started = GetTickCount();
    Fuzzer(seed, targets[i].hwnd, handles).Run(count);
    std::printf("[ figures ] %-16s %d messages in %lu ms\n", targets[i].name, count,
                GetTickCount() - started);
    ASSERT_TRUE(IsWindow(targets[i].hwnd));
    EXPECT_EQ(ReadProp(targets[i].hwnd, PropProcAddr), procedures[i]) << "the chain was broken";
    for (HWND w : handles)
      if (IsWindow(w) && IsSkinned(w)) ExpectPropertiesInRange(w);
  }
  EXPECT_FALSE(test::HasProp(foreign.hwnd(), PropProcAddr));

  // Removing the skin restores every window exactly (a button its whole saved style, whatever
  // its style became meanwhile); the count follows. The form's turn comes with its end.
  for (size_t i = std::size(targets); i-- > 1;) {
    HWND w = targets[i].hwnd;
    SCOPED_TRACE(targets[i].name);
    const LONG before = SkinnedWindowCount;
    const bool button = KindOf(w) == SkinKind::CommandButton;
    if (button) {
      SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_DISABLED);
    }
    ASSERT_EQ(DetachSkin(w), 1);
    EXPECT_EQ(SkinnedWindowCount, before - 1);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), procedures[i]);
    if (button) {
      EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE), styles[i]);
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      EXPECT_EQ(GetWindowRgn(w, region), ERROR);
      DeleteObject(region);
    }
    for (const wchar_t* name :
         {PropProcAddr, PropOldStyle, PropMouseFlag, PropTimerId, PropOldState, PropAlphaLevel, PropHdIndex,
          PropHmIndex, FaceDcPropName(0), FaceBitmapPropName(3)})
      EXPECT_FALSE(test::HasProp(w, name)) << "property " << name;
  }
  DestroyWindow(f.form);
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
}

}  // namespace
