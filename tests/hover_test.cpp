// Hover tracking: the first move into a control asks for one leave notification, through
// user32 or comctl32, and only a move with the cursor over the control is an entry. (What a
// leave makes of each kind is tested with the kind.)
#include "platform/window_services.h"
#include "skin/kinds/kind_table.h"
#include "tests/support/pump.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::At;
using test::Prop;
using Hover = test::SkinTest;

// Polling for the leave takes Wine about 400 ms.
constexpr DWORD LeaveWaitMs = 3000;

// One well-formed request per entry, through comctl32 when user32 lacks TrackMouseEvent
// (user32's is then never called), and the leave comes, for a button and a check box alike.
TEST_F(Hover, OneLeaveRequestPerEntryAndWithoutUser32sTheCommonControlsDeliverTheLeave) {
  HWND button = AddButton(), check = AddGlyph(gallery::CheckBoxClass, 50);
  Skin();
  static TRACKMOUSEEVENT seen{};
  static int user32Calls, commonCalls;
  user32Calls = commonCalls = 0;
  platform::Services().trackMouseEvent = [](LPTRACKMOUSEEVENT) -> BOOL {
    ++user32Calls;
    return FALSE;
  };
  platform::Services().commonTrackMouseEvent = [](LPTRACKMOUSEEVENT request) -> BOOL {
    seen = *request;
    ++commonCalls;
    return platform::DefaultServices().commonTrackMouseEvent(request);
  };
  HasTrackMouseEvent = false;
  for (HWND w : {button, check}) {
    test::PointAt(w, 5, 5);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    SendMessageW(w, WM_MOUSEMOVE, 0, At(6, 5));
    EXPECT_EQ(seen.cbSize, sizeof(TRACKMOUSEEVENT));
    EXPECT_EQ(seen.dwFlags, static_cast<DWORD>(TME_LEAVE));
    EXPECT_EQ(seen.hwndTrack, w);
    EXPECT_EQ(seen.dwHoverTime, 0u);
    test::PointAway();
    EXPECT_TRUE(test::PumpUntil(LeaveWaitMs, [&] { return Prop(w, PropMouseFlag) == 0; })) << "no leave came";
  }
  EXPECT_EQ(commonCalls, 2);
  EXPECT_EQ(user32Calls, 0);
}

// A control holding the mouse gets moves with the cursor elsewhere. Counted as an entry, such
// a move asks for a leave that Wine never sends, and the next real hover asks for none: the
// control then stays hovered. (A header asks for leaves of its own.)
TEST_F(Hover, AMoveWithTheCursorElsewhereIsNoEntrySoTheNextHoverEndsInALeave) {
  const HWND controls[] = {AddGlyph(gallery::CheckBoxClass, 10), AddGlyph(gallery::OptionButtonClass, 40),
                           Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 70, 150, 200)};
  Skin();
  for (HWND w : controls) {
    test::PointAway();
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
    EXPECT_EQ(Prop(w, PropMouseFlag), 0) << "an entry with the cursor elsewhere";
    test::PointAt(w, 5, 5);
    SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(Prop(w, PropMouseFlag), 1) << "no entry with the cursor over it";
    test::PointAway();
    EXPECT_TRUE(test::PumpUntil(LeaveWaitMs, [&] { return Prop(w, PropMouseFlag) == 0; }))
        << "no leave came to " << WindowClassName(w).c_str();
  }
}

}  // namespace
