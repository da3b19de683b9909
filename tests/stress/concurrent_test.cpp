// Message fuzzing, beside other tests (it checks state only): each kind of skinned window gets a
// long seeded stream of messages, routed and not, with random parameters of the kinds the
// platform sends; afterwards every property is in its range, and the skin comes off cleanly.
// TINTORA_FUZZ_SEED replays one window's stream.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <random>
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

// Handles are 0, ours, another thread's or a destroyed one; keys mostly the space bar.
enum class Draw { Zero, Any, Bit, Few, Point, Handle, Key, Buttons, LeftButton };

// Not the controls' own messages, from WM_USER: they may take pointers. Input only to enabled
// windows, as the platform does (a radio button loops forever on a click it could never get).
using enum Draw;
const struct {
  UINT message;
  Draw wParam, lParam;
  bool input = false;
} Messages[] = {
    {WM_SIZE, Few, Any},               {WM_ACTIVATE, Few, Handle},        {WM_SETFOCUS, Handle, Zero},
    {WM_KILLFOCUS, Handle, Zero},      {WM_ENABLE, Bit, Zero},            {WM_NCPAINT, Bit, Zero},
    {WM_TIMER, Any, Zero},             {WM_ENTERIDLE, Few, Handle},       {WM_CTLCOLORLISTBOX, Zero, Handle},
    {WM_MOUSELEAVE, Zero, Zero},       {WM_APP, Any, Any},                {WM_NCHITTEST, Zero, Point},
    {WM_CAPTURECHANGED, Zero, Handle}, {WM_CANCELMODE, Zero, Zero},       {WM_NULL, Any, Any},
    {WM_KEYDOWN, Key, Any, true},      {WM_KEYUP, Key, Any, true},
    {WM_MOUSEMOVE, Buttons, Point, true}, {WM_LBUTTONDOWN, LeftButton, Point, true},
    {WM_LBUTTONUP, Zero, Point, true}, {WM_LBUTTONDBLCLK, LeftButton, Point, true}};

std::mt19937 random;
std::vector<HWND> handles;

int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

LONG_PTR Drawn(Draw draw) {
  const int coordinates[] = {Between(-32768, 32767), Between(-5, 5), 32767, -32768, Between(0, 150)};
  switch (draw) {
    case Zero: return 0;
    case Any: return static_cast<LONG_PTR>(random());
    case Bit: return Between(0, 1);
    case Few: return Between(0, 4);
    case Point: return MAKELPARAM(coordinates[Between(0, 4)], coordinates[Between(0, 4)]);
    case Handle: return Between(0, 3) ? reinterpret_cast<LONG_PTR>(handles[random() % handles.size()]) : 0;
    case Key: return Between(0, 3) ? VK_SPACE : random() & 0xFFFF;
    case Buttons: return Between(0, 1) ? MK_LBUTTON : random() & 0x7F;
    case LeftButton: return MK_LBUTTON;
  }
  return 0;
}

// One of the table, a paint, a real position record or a state change of the window's own
// kind; now and then a real resize to 0 x 0, 4000 x 4000 and back, an enable flip, 100 timers.
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
  COMBOBOXINFO info{};  // the drop-down list of a combo: a window of its own kind
  info.cbSize = sizeof(info);
  GetComboBoxInfo(f.listCombo, &info);
  std::vector<HWND> targets = f.all;
  targets.erase(targets.begin() + 2, targets.begin() + 13);  // one command button of twelve
  targets.push_back(info.hwndList);
  std::vector<LONG_PTR> procedures;  // before the skin
  for (HWND w : targets) procedures.push_back(GetWindowLongPtrW(w, GWLP_WNDPROC));
  ASSERT_EQ(SkinWindow(f.form()), 1);
  AttachSkin(info.hwndList);
  HWND destroyed =
      CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 5, 5, f.form(), nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  handles = f.all;
  handles.insert(handles.end(), {info.hwndList, foreign.hwnd(), destroyed, nullptr});

  const char* seedText = std::getenv("TINTORA_FUZZ_SEED");
  const unsigned long fixedSeed = seedText ? std::strtoul(seedText, nullptr, 0) : 0;
  const int count = stress::Scaled(MessagesPerKind);
  for (size_t t = 0; t < targets.size(); ++t) {
    HWND w = targets[t];
    const auto seed = static_cast<std::uint32_t>(seedText ? fixedSeed : BaseSeed + t);
    SCOPED_TRACE(testing::Message() << "window " << t << ", TINTORA_FUZZ_SEED=" << seed);
    random.seed(seed);
    for (int i = 1; i <= count; ++i) {
      SendOne(w, KindOf(w), i);
      if (i % 200 == 0) test::PumpMessages();
    }
    EnableWindow(w, TRUE);
    test::PumpMessages();
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(ReadProp(w, PropProcAddr), procedures[t]) << "the chain was broken";
    for (HWND h : handles)
      if (IsWindow(h) && IsSkinned(h)) ExpectPropertiesInRange(h);
  }
  EXPECT_FALSE(test::HasProp(foreign.hwnd(), PropProcAddr));

  // The skin comes off each window whatever the stream left; the form's turn comes with its end.
  for (size_t t = targets.size(); t-- > 1;) {
    SCOPED_TRACE(testing::Message() << "window " << t);
    ASSERT_EQ(DetachSkin(targets[t]), 1);
    EXPECT_EQ(GetWindowLongPtrW(targets[t], GWLP_WNDPROC), procedures[t]);
    for (const wchar_t* name : {PropProcAddr, PropMouseFlag, PropOldState, PropHdIndex, FaceDcPropName(0)})
      EXPECT_FALSE(test::HasProp(targets[t], name)) << "property " << name;
  }
  DestroyWindow(f.form());
  test::PumpMessages();
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
}

}  // namespace
