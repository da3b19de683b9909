// Message fuzzing: every kind of skinned window gets a long seeded stream of the messages the
// skin routes and of others, with random parameters, honest about what the platform itself
// requires (WM_TIMER is sent, never posted with a callback; WINDOWPOS records are real;
// window handles are 0, windows of ours, of another thread, or destroyed ones; no input to a
// disabled window). Afterwards every property is within its range, and removing the skin
// restores each window as it was.
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
#include "tests/stress/stress_fixture.h"
#include "tests/support/foreign_window.h"
#include "tests/support/pump.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;

constexpr int MessagesPerKind = 2000;
constexpr std::uint32_t BaseSeed = 0x7117042A;

// What a parameter is drawn from: nothing, anything, 0 or 1, a small number, a point from
// the ordinary to the absurd, a window handle, a key (mostly the space bar), mouse buttons.
enum class Draw { Zero, Any, Bit, Few, Point, Handle, Key, Buttons, LeftButton };

// The messages sent, the skin's and others; private ones from WM_APP up only, since the
// controls' own, from WM_USER, may take pointers. Input goes to enabled windows only: the
// platform delivers none to a disabled one (and a radio button's own code loops forever on
// a click it could never get).
const struct {
  UINT message;
  Draw wParam, lParam;
  bool input = false;
} Messages[] = {{WM_SIZE, Draw::Few, Draw::Any},          {WM_ACTIVATE, Draw::Few, Draw::Handle},
                {WM_SETFOCUS, Draw::Handle, Draw::Zero},   {WM_KILLFOCUS, Draw::Handle, Draw::Zero},
                {WM_ENABLE, Draw::Bit, Draw::Zero},        {WM_NCPAINT, Draw::Bit, Draw::Zero},
                {WM_TIMER, Draw::Any, Draw::Zero},         {WM_ENTERIDLE, Draw::Few, Draw::Handle},
                {WM_CTLCOLORLISTBOX, Draw::Zero, Draw::Handle}, {WM_MOUSELEAVE, Draw::Zero, Draw::Zero},
                {WM_APP, Draw::Any, Draw::Any},            {WM_NCHITTEST, Draw::Zero, Draw::Point},
                {WM_CAPTURECHANGED, Draw::Zero, Draw::Handle}, {WM_CANCELMODE, Draw::Zero, Draw::Zero},
                {WM_NULL, Draw::Any, Draw::Any},           {WM_KEYDOWN, Draw::Key, Draw::Any, true},
                {WM_KEYUP, Draw::Key, Draw::Any, true},    {WM_MOUSEMOVE, Draw::Buttons, Draw::Point, true},
                {WM_LBUTTONDOWN, Draw::LeftButton, Draw::Point, true},
                {WM_LBUTTONUP, Draw::Zero, Draw::Point, true},
                {WM_LBUTTONDBLCLK, Draw::LeftButton, Draw::Point, true}};

std::mt19937 random;
std::vector<HWND> handles;

int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

LONG_PTR Drawn(Draw draw) {
  const int coordinates[] = {Between(-32768, 32767), Between(-5, 5), 32767, -32768, Between(0, 150)};
  switch (draw) {
    case Draw::Zero: return 0;
    case Draw::Any: return static_cast<LONG_PTR>(random());
    case Draw::Bit: return Between(0, 1);
    case Draw::Few: return Between(0, 4);
    case Draw::Point: return MAKELPARAM(coordinates[Between(0, 4)], coordinates[Between(0, 4)]);
    case Draw::Handle:
      return Between(0, 3) ? reinterpret_cast<LONG_PTR>(handles[random() % handles.size()]) : 0;
    case Draw::Key: return Between(0, 3) ? VK_SPACE : random() & 0xFFFF;
    case Draw::Buttons: return Between(0, 1) ? MK_LBUTTON : random() & 0x7F;
    case Draw::LeftButton: return MK_LBUTTON;
  }
  return 0;
}

// Message i of a window's stream: one of the table, a paint, a real position record, or a
// state change of the control's own kind (sent only to its own kind); now and then also a
// real resize to 0 x 0, to 4000 x 4000 and back, an EnableWindow flip, a burst of WM_TIMER.
void SendOne(HWND w, SkinKind kind, int i) {
  RECT r{};
  GetWindowRect(w, &r);
  if (i % 500 == 0)
    for (SIZE size : {SIZE{0, 0}, SIZE{4000, 4000}, SIZE{r.right - r.left, r.bottom - r.top}})
      SetWindowPos(w, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  if (i % 70 == 0) EnableWindow(w, !IsWindowEnabled(w));
  for (int k = 0; i % 300 == 0 && k < 100; ++k) SendMessageW(w, WM_TIMER, random(), 0);
  const int pick = Between(0, static_cast<int>(std::size(Messages)) + 2);
  if (pick < static_cast<int>(std::size(Messages))) {
    const auto& m = Messages[pick];
    const UINT offset = m.message == WM_APP ? Between(0, 50) : 0;
    if (!m.input || IsWindowEnabled(w)) SendMessageW(w, m.message + offset, Drawn(m.wParam), Drawn(m.lParam));
  } else if (pick == std::size(Messages)) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  } else if (pick == std::size(Messages) + 1) {
    const UINT moves = static_cast<UINT>(random() & (SWP_NOMOVE | SWP_NOSIZE));
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | moves;
    WINDOWPOS pos{w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags};
    SendMessageW(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  } else if (kind == SkinKind::CommandButton || kind == SkinKind::CheckBox ||
             kind == SkinKind::OptionButton) {
    SendMessageW(w, BM_SETCHECK, Between(0, 3), 0);
  } else if (kind == SkinKind::ComboBox || kind == SkinKind::DriveList) {
    SendMessageW(w, CB_SHOWDROPDOWN, random() & 1, 0);
  } else if (kind == SkinKind::ProgressBar) {
    SendMessageW(w, PBM_SETPOS, Between(-40000, 80000), 0);
  }
}

// A header's indices name one of its items or none; elsewhere they are absent (0).
void ExpectPropertiesInRange(HWND w) {
  const bool header = KindOf(w) == SkinKind::Header;
  const int items = header ? static_cast<int>(SendMessageW(w, HDM_GETITEMCOUNT, 0, 0)) : 1;
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
  COMBOBOXINFO info{};  // the drop-down list of a combo: a window of its own kind
  info.cbSize = sizeof(info);
  GetComboBoxInfo(f.listCombo, &info);
  std::vector<HWND> targets = f.All();
  targets.erase(targets.begin() + 2, targets.begin() + 13);  // one command button of twelve
  targets.push_back(info.hwndList);
  // What each window was before the skin: the removal must bring exactly this back.
  std::vector<LONG_PTR> procedures, styles;
  for (HWND w : targets) {
    procedures.push_back(GetWindowLongPtrW(w, GWLP_WNDPROC));
    styles.push_back(GetWindowLongPtrW(w, GWL_STYLE));
  }
  ASSERT_EQ(SkinWindow(f.form), 1);
  AttachSkin(info.hwndList);
  HWND destroyed =
      CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5, f.form, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  handles = f.All();
  handles.insert(handles.end(), {info.hwndList, foreign.hwnd(), destroyed, nullptr});

  const int count = stress::Scaled(MessagesPerKind);
  for (size_t t = 0; t < targets.size(); ++t) {
    HWND w = targets[t];
    const std::wstring name = WindowClassName(w);
    const std::uint32_t seed = stress::FuzzSeed(BaseSeed + static_cast<std::uint32_t>(t));
    SCOPED_TRACE(testing::Message() << "window " << t << ", TINTORA_FUZZ_SEED=" << seed);
    const DWORD started = GetTickCount();
    random.seed(seed);
    for (int i = 1; i <= count; ++i) {
      SendOne(w, KindOf(w), i);
      if (i % 200 == 0) test::PumpMessages();
    }
    EnableWindow(w, TRUE);
    test::PumpMessages();
    std::printf("[ figures ] %-24ls %d messages in %lu ms\n", name.c_str(), count, GetTickCount() - started);
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(ReadProp(w, PropProcAddr), procedures[t]) << "the chain was broken";
    for (HWND h : handles)
      if (IsWindow(h) && IsSkinned(h)) ExpectPropertiesInRange(h);
  }
  EXPECT_FALSE(test::HasProp(foreign.hwnd(), PropProcAddr));

  // Removing the skin restores every window (a button its whole saved style, whatever its
  // style became meanwhile); the count follows. The form's turn comes with its end.
  for (size_t t = targets.size(); t-- > 1;) {
    HWND w = targets[t];
    SCOPED_TRACE(testing::Message() << "window " << t);
    const LONG before = SkinnedWindowCount;
    const bool button = KindOf(w) == SkinKind::CommandButton;
    if (button) SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_DISABLED);
    ASSERT_EQ(DetachSkin(w), 1);
    EXPECT_EQ(SkinnedWindowCount, before - 1);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), procedures[t]);
    EXPECT_TRUE(!button || GetWindowLongPtrW(w, GWL_STYLE) == styles[t]);
    for (const wchar_t* name : {PropProcAddr, PropMouseFlag, PropOldState, PropHdIndex, FaceDcPropName(0)})
      EXPECT_FALSE(test::HasProp(w, name)) << "property " << name;
  }
  DestroyWindow(f.form);
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
}

}  // namespace
