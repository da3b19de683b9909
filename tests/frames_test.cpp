// Progress bars painted whole, flat frames in place of sunken edges and around lists, combos
// and grids, and forms: their input passed on, and the windows their activation skins.
#include <iterator>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using Frames = test::SkinTest;

// One solid block on the skin's scale of 30000, whatever the bar's own range, from the left
// or (vertical) from the bottom, inside a one-pixel frame of the enabled frame colour. The
// frame's own paint draws a horizontal bar whole, the block included, in one copy.
TEST_F(Frames, AProgressBarIsOneSolidBlockOnTheSkinsScaleInAFrame) {
  const struct {
    int w, h;  // client area, inside a one-pixel border
    DWORD style;
    int range, position, fill;
  } bars[] = {
      {101, 12, 0, 30000, 0, 0},
      {101, 12, 0, 30000, 15000, 50},  // 50.5 rounds to even
      {100, 12, 0, 30000, 22650, 76},  // 75.5 too
      {100, 12, 0, 30000, 450, 2},     // and 1.5
      {101, 12, 0, 30000, 30000, 101},
      {101, 12, PBS_SMOOTH, 30000, 20000, 67},
      {101, 12, WS_DISABLED, 30000, 20000, 67},
      {30, 20, PBS_VERTICAL, 30000, 10000, 7},  // from the bottom: rows 13 to 19
      {101, 12, 0, 100, 100, 0},                 // 100 / 30000 of 101 pixels
      {101, 12, 0, 60000, 45000, 101},           // beyond the end, clipped
  };
  std::vector<HWND> windows;
  for (const auto& b : bars) {
    windows.push_back(Add(gallery::ProgressBarClass, b.style | WS_BORDER, 10,
                          10 + 30 * static_cast<int>(windows.size()), b.w + 2, b.h + 2));
    SendMessageW(windows.back(), PBM_SETRANGE32, 0, b.range);
    SendMessageW(windows.back(), PBM_SETPOS, b.position, 0);
  }
  Skin();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& b = bars[i];
    auto wrongPixels = [&] {
      const test::Pixels shown = test::ReadWindow(windows[i]);
      int wrong = b.w + 2 - shown.Count(test::FrameBlue, 0, 0, b.w + 2, 1);  // the top edge
      wrong += shown.at(b.w + 1, b.h + 1) != test::FrameBlue;                // the bottom right corner
      for (int y = 0; y < b.h; ++y) {
        for (int x = 0; x < b.w; ++x) {
          const bool filled = b.style & PBS_VERTICAL ? y >= b.h - b.fill : x < b.fill;
          wrong += shown.at(1 + x, 1 + y) != (filled ? test::ProgressFill : White);
        }
      }
      return wrong;
    };
    Repaint(windows[i]);
    EXPECT_EQ(wrongPixels(), 0) << "bar " << i;
    if (b.style & PBS_VERTICAL) continue;
    test::Dab(windows[i], 1, 1, test::Own, b.w, b.h);
    SendMessageW(windows[i], WM_NCPAINT, 1, 0);
    EXPECT_EQ(wrongPixels(), 0) << "bar " << i << ", the frame's paint alone";
  }
}

// A sunken client edge gets the frame colour outside and the client's background on the
// rings inside, as many as the border is wide (2). (A disabled edit paints its client area's
// outer ring grey itself afterwards.) The attachment paints the frame at once and the
// removal brings the control's own frame back, neither waiting for a repaint.
TEST_F(Frames, ASunkenEdgeBecomesAFlatFrameFromAttachmentToRemoval) {
  HWND edit = Add(L"Edit", 0, 10, 10, 120, 24, L"text", WS_EX_CLIENTEDGE);
  HWND disabled = Add(L"Edit", WS_DISABLED, 10, 50, 120, 24, L"text", WS_EX_CLIENTEDGE);
  Settle();
  const COLORREF own = test::ReadWindow(edit).at(0, 12);
  ASSERT_NE(own, test::FrameBlue);
  SkinWindow(form());
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), test::FrameBlue);
  for (HWND box : {edit, disabled}) {
    Repaint(box);
    const test::Pixels shown = test::ReadWindow(box);
    const COLORREF frame = box == edit ? test::FrameBlue : test::PaleFrame;
    EXPECT_EQ(shown.Count(frame, 0, 0, 120, 1) + shown.Count(frame, 0, 0, 1, 24), 120 + 24);
    HDC client = GetDC(box);
    const COLORREF background = GetBkColor(client);
    ReleaseDC(box, client);
    for (int ring = 1; ring <= (box == edit ? 2 : 1); ++ring) {
      EXPECT_EQ(shown.at(ring, 12), background) << "ring " << ring;
      EXPECT_EQ(shown.at(60, ring), background) << "ring " << ring;
      EXPECT_EQ(shown.at(119 - ring, 12), background) << "ring " << ring;
    }
  }
  // The last ring lies on the client area, which paints itself after: seen alone, the frame
  // paints it too.
  test::Dab(edit, 2, 12, 0x123456);
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  EXPECT_NE(test::ReadWindow(edit).at(2, 12), 0x123456u);
  DetachSkin(edit);
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), own);
}

// Lists, combos and drive lists get the flat double frame (the frame colour, pale when
// disabled, then white) after their own paint; an editable combo is painted whole; a drive
// list's drop button shows the state it last showed; a grid gets the outer ring only, and
// only with a border.
TEST_F(Frames, ListsCombosAndDriveListsGetTheFlatDoubleFrameAndGridsOnlyWithABorder) {
  const struct {
    const wchar_t* cls;
    DWORD style;
    bool ownPaint, innerRing;  // own paint first; the second ring white (the skin's)
  } frames[] = {
      {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, true, true},
      {L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, false, false},
      {gallery::DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, true, true},
      {gallery::DataListClass, 0, true, true},
      {gallery::GridClass, WS_BORDER, true, false},
  };
  std::vector<HWND> windows;
  for (const auto& f : frames) {
    for (DWORD disabled : {0ul, static_cast<DWORD>(WS_DISABLED)}) {
      windows.push_back(Add(f.cls, f.style | disabled, 10 + 160 * (disabled != 0),
                            10 + 50 * static_cast<int>(windows.size() / 2), 150, 200));
      test::InstallRecordingSubclass(windows.back());
    }
  }
  HWND plain = Add(gallery::GridClass, 0, 400, 10, 100, 40);
  Skin();
  HWND drive = windows[4];
  WriteProp(drive, PropOldState, StateHover);
  test::Recorder::Clear();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& f = frames[i / 2];
    Repaint(windows[i]);
    const test::Pixels shown = test::ReadWindow(windows[i]);
    const COLORREF frame = i % 2 ? test::PaleFrame : test::FrameBlue;
    SCOPED_TRACE(testing::Message() << "frame " << i / 2 << (i % 2 ? ", disabled" : ""));
    EXPECT_EQ(test::Recorder::Count(WM_PAINT, windows[i]), f.ownPaint ? 1 : 0);
    EXPECT_EQ(shown.Count(frame, 0, 0, shown.width(), 1) + shown.Count(frame, 0, 0, 1, shown.height()),
              shown.width() + shown.height());
    EXPECT_TRUE(!f.innerRing || shown.at(20, 1) == White);
  }
  EXPECT_EQ(test::ReadWindow(drive).at(test::DropButtonLeft(drive), 5), test::Art(ComboBitmap, 0, 5));
  EXPECT_EQ(test::ReadWindow(plain).Count(test::FrameBlue), 0);
}

// A form's input only reaches its own procedure. Its activation skins the other window
// before the form's own procedure sees it when that window is owned by the form or is a form
// itself, never a stranger; without another window it is only passed on. A message box the
// form opens is skinned the moment it becomes active, and its skin comes off with it.
TEST_F(Frames, FormsPassInputOnAndTheirActivationSkinsOwnedWindowsAndOurForms) {
  HWND button = AddButton();
  Skin();
  test::Recorder::Clear();
  for (UINT message : {WM_MOUSELEAVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYDOWN})
    SendMessageW(form(), message, 0, 0);
  EXPECT_EQ(test::Recorder::Log().size(), 4u);
  EXPECT_EQ(test::Prop(button, PropOldState), StateNormal);

  HWND stranger =
      test::CreateRecordingWindow(L"TintoraTestStranger", nullptr, WS_POPUP | WS_VISIBLE, 500, 500, 50, 50);
  HWND owned = test::CreateRecordingWindow(L"TintoraTestOwned", form(), WS_POPUP, 0, 0, 50, 50);
  HWND ours = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP, 0, 0, 50, 50);
  int seen = 0, skinnedWhenSeen = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (hwnd == form() && message == WM_ACTIVATE) {
      seen += lParam == 0;
      skinnedWhenSeen += lParam && IsSkinned(reinterpret_cast<HWND>(lParam));
    }
    return false;
  });
  for (HWND other : {owned, ours, stranger, HWND{}}) {
    seen = skinnedWhenSeen = 0;
    const LONG before = SkinnedWindowCount;
    SendMessageW(form(), WM_ACTIVATE, other ? WA_INACTIVE : WA_ACTIVE, reinterpret_cast<LPARAM>(other));
    const bool ownedOrOurs = other == owned || other == ours;
    EXPECT_EQ(skinnedWhenSeen, ownedOrOurs ? 1 : 0);
    EXPECT_EQ(SkinnedWindowCount, before + (ownedOrOurs ? 1 : 0));
    if (!other) {
      EXPECT_EQ(seen, 1);  // (DefWindowProc may activate the form for real, with another)
    }
  }
  test::Recorder::SetHook({});
  for (HWND w : {ours, owned, stranger}) DestroyWindow(w);

  SetForegroundWindow(form());
  SetActiveWindow(form());
  test::MessageBoxWatcher watcher;
  const LONG before = SkinnedWindowCount;
  MessageBoxW(form(), L"text", L"title", MB_OKCANCEL);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_TRUE(watcher.seen()[0].skinnedWhenSeen);
  EXPECT_EQ(SkinnedWindowCount, before);
}

}  // namespace
