// Progress bars painted whole, flat frames in place of sunken edges and around lists, combos
// and grids, and the windows a form's activation skins.
#include <tuple>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Frames = test::SkinTest;

// One solid block on the skin's scale of 30000 whatever the bar's own range, from the left or
// (vertical) the bottom, in a one-pixel frame of the enabled colour, also from the frame's paint.
TEST_F(Frames, AProgressBarIsOneSolidBlockOnTheSkinsScaleInAFrame) {
  // Client width and height (inside a one-pixel border), style, range, position, filled pixels.
  const std::tuple<int, int, DWORD, int, int, int> bars[] = {
      {101, 12, 0, 30000, 15000, 50},             // 50.5, halves rounded to even
      {100, 12, 0, 30000, 22650, 76},             // 75.5
      {101, 12, WS_DISABLED, 30000, 30000, 101},  //
      {30, 20, PBS_VERTICAL, 30000, 10000, 7},    // from the bottom: rows 13 to 19
      {101, 12, 0, 100, 100, 0},                  // 100 / 30000 of 101 pixels
      {101, 12, 0, 60000, 45000, 101}};           // beyond the end, clipped at the frame
  std::vector<HWND> windows;
  for (const auto& [w, h, style, range, position, fill] : bars) {
    windows.push_back(Add(gallery::ProgressBarClass, style | WS_BORDER, 10,
                          10 + 30 * static_cast<int>(windows.size()), w + 2, h + 2));
    SendMessageW(windows.back(), PBM_SETRANGE32, 0, range);
    SendMessageW(windows.back(), PBM_SETPOS, position, 0);
  }
  Skin();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& [w, h, style, range, position, fill] = bars[i];
    const int fw = style & PBS_VERTICAL ? w : fill, fh = style & PBS_VERTICAL ? fill : h;  // the block
    for (bool frameAlone : {false, true}) {
      if (frameAlone && (style & PBS_VERTICAL)) continue;
      test::Dab(windows[i], 1, 1, test::Own, w, h);  // where nothing paints, it shows
      if (frameAlone) SendMessageW(windows[i], WM_NCPAINT, 1, 0);
      if (!frameAlone) Repaint(windows[i]);
      const test::Pixels shown = test::ReadWindow(windows[i]);
      EXPECT_EQ(shown.Count(FrameBlue), 2 * (w + h) + 4) << i;  // the whole frame, past the end too
      EXPECT_EQ(shown.Count(test::ProgressFill, 1, 1 + h - fh, fw, fh), fw * fh) << i;
      EXPECT_EQ(shown.Count(White), w * h - fw * fh) << i << frameAlone;
    }
  }
}

// Lists, combos, drive lists and sunken edges get the flat double frame (the frame colour, pale
// when disabled, then white) after their own paint, from the attachment to the removal, neither
// waiting for a repaint; an editable combo is painted whole; a drive list's drop button shows
// the state it last showed; a grid gets the outer ring only, and only with a border.
TEST_F(Frames, ListsCombosGridsAndSunkenEdgesGetFlatFrames) {
  // Class, style, extended style, painted by itself first, the second ring white (the skin's).
  const std::tuple<const wchar_t*, DWORD, DWORD, bool, bool> frames[] = {
      {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, true, true},
      {L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 0, false, false},
      {gallery::DriveListClass, CBS_DROPDOWNLIST | WS_VSCROLL, 0, true, true},
      {gallery::DataListClass, 0, 0, true, true},
      {gallery::GridClass, WS_BORDER, 0, true, false},
      {L"Edit", 0, WS_EX_CLIENTEDGE, true, true}};
  std::vector<HWND> windows;
  for (const auto& [cls, style, exStyle, ownPaint, innerRing] : frames) {
    for (DWORD disabled : {0ul, static_cast<DWORD>(WS_DISABLED)}) {
      windows.push_back(Add(cls, style | disabled, 10 + 160 * (disabled != 0),
                            10 + 50 * static_cast<int>(windows.size() / 2), 150, 40, L"text", exStyle));
      test::InstallRecordingSubclass(windows.back());
    }
  }
  HWND plain = Add(gallery::GridClass, 0, 400, 10, 100, 40), drive = windows[4], edit = windows[10];
  Settle();
  const COLORREF own = test::ReadWindow(edit).at(0, 12);
  ASSERT_NE(own, FrameBlue);
  SkinWindow(form());
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), FrameBlue);
  Settle();
  WriteProp(drive, PropOldState, StateHover);
  test::Recorder::Clear();
  for (size_t i = 0; i < windows.size(); ++i) {
    const auto& [cls, style, exStyle, ownPaint, innerRing] = frames[i / 2];
    Repaint(windows[i]);
    const test::Pixels shown = test::ReadWindow(windows[i]);
    const COLORREF frame = i % 2 ? PaleFrame : FrameBlue;
    EXPECT_EQ(test::Recorder::Count(WM_PAINT, windows[i]), ownPaint ? 1 : 0) << i;
    EXPECT_EQ(shown.Count(frame, 0, 0, shown.width(), 1) + shown.Count(frame, 0, 0, 1, shown.height()),
              shown.width() + shown.height())
        << i;
    EXPECT_TRUE(!innerRing || shown.at(20, 1) == White) << i;
  }
  EXPECT_EQ(test::ReadWindow(drive).at(test::DropButtonLeft(drive), 5), test::Art(ComboBitmap, 0, 5));
  EXPECT_EQ(test::ReadWindow(plain).Count(FrameBlue), 0);
  // A sunken edge's second ring lies on the client area, which paints after: the frame does too.
  test::Dab(edit, 2, 12, 0x123456);
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  EXPECT_EQ(test::ReadWindow(edit).at(2, 12), White);
  DetachSkin(edit);
  EXPECT_EQ(test::ReadWindow(edit).at(0, 12), own);
}

// A form's activation skins the other window before the form's own procedure sees it when
// that window is owned by the form (its message boxes) or is a form itself, never a stranger.
TEST_F(Frames, AFormsActivationSkinsOwnedWindowsAndOurForms) {
  Skin();
  HWND stranger = test::CreateRecordingWindow(L"TintoraTestStranger", nullptr, WS_POPUP, 500, 500, 50, 50);
  HWND owned = test::CreateRecordingWindow(L"TintoraTestOwned", form(), WS_POPUP, 0, 0, 50, 50);
  HWND ours = test::CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP, 0, 0, 50, 50);
  int skinnedWhenSeen = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    skinnedWhenSeen += hwnd == form() && message == WM_ACTIVATE && IsSkinned(reinterpret_cast<HWND>(lParam));
    return false;
  });
  for (HWND other : {owned, ours, stranger, HWND{}}) {
    skinnedWhenSeen = 0;
    SendMessageW(form(), WM_ACTIVATE, other ? WA_INACTIVE : WA_ACTIVE, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(skinnedWhenSeen, other == owned || other == ours) << other;
  }
  for (HWND w : {ours, owned, stranger}) DestroyWindow(w);
}

}  // namespace
