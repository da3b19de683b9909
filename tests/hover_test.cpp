// Hover tracking: the first move into a control asks for one leave notification, through
// user32 or comctl32, and only a move with the cursor over the control is an entry.
#include "platform/window_services.h"
#include "skin/kinds/kind_table.h"
#include "tests/support/pump.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Hover = test::SkinTest;

constexpr DWORD LeaveWaitMs = 3000;  // polling for the leave takes Wine about 400 ms

TRACKMOUSEEVENT seen{};
int requests = 0;

// Notes a leave request, user32's counting 100 and comctl32's 1, and passes it on.
template <auto Real, int Weight>
BOOL WINAPI Spy(LPTRACKMOUSEEVENT request) {
  seen = *request;
  requests += Weight;
  return (platform::DefaultServices().*Real)(request);
}

// Counted as an entry, a move with the cursor elsewhere (the control holding the mouse) would
// ask for a leave that Wine never sends, and the control would stay hovered. A command button
// counts every first move as an entry; a header asks for leaves of its own.
TEST_F(Hover, EachEntryAsksForOneLeaveThatComesAndAMoveFromElsewhereIsNoEntry) {
  const HWND controls[] = {AddButton(), AddGlyph(gallery::CheckBoxClass, 40),
                           AddGlyph(gallery::OptionButtonClass, 70),
                           Add(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 100, 150, 200)};
  Skin();
  platform::Services().trackMouseEvent = Spy<&platform::WindowServices::trackMouseEvent, 100>;
  platform::Services().commonTrackMouseEvent = Spy<&platform::WindowServices::commonTrackMouseEvent, 1>;
  for (bool user32 : {true, false}) {
    HasTrackMouseEvent = user32;
    for (HWND w : controls) {
      SCOPED_TRACE(testing::Message() << WindowClassName(w).c_str() << (user32 ? "" : ", comctl32"));
      PointAway();
      if (w != controls[0]) SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-300, 400));
      EXPECT_EQ(Prop(w, PropMouseFlag), 0) << "an entry with the cursor elsewhere";
      requests = 0;
      PointAt(w, 5, 5);
      SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
      SendMessageW(w, WM_MOUSEMOVE, 0, At(6, 5));
      EXPECT_EQ(requests, user32 ? 100 : 1);
      EXPECT_EQ(std::tuple(seen.cbSize, seen.dwFlags, seen.hwndTrack, seen.dwHoverTime),
                std::tuple(DWORD{sizeof(TRACKMOUSEEVENT)}, DWORD{TME_LEAVE}, w, DWORD{0}));
      PointAway();
      EXPECT_TRUE(PumpUntil(LeaveWaitMs, [&] { return Prop(w, PropMouseFlag) == 0; })) << "no leave";
    }
  }
}

}  // namespace
