// Headers: painted whole by the skin, item by item from their strips and texts, with the item
// under the mouse (HMINDEX) and the pressed one (HDINDEX) following the mouse.
#include <tuple>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/interaction/hit_tests.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Row = std::vector<int>;

class Header : public test::SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    header_ = AddHeader({L"Item", L"Item", L""});  // items 80 pixels wide
    InstallRecordingSubclass(header_);
    Skin();
    PointAt(header_, 5, 5);
    Settle();
  }
  // The strip each item shows (0 normal, 3 hover, 6 pressed, -1 none of them), told apart by
  // the stretched middle column, which differs in all three, below the text.
  Row Strips() const {
    const Pixels shown = ReadWindow(header_);
    Row strips(3, -1);
    for (int item = 0; item < 3; ++item)
      for (int strip : {0, 3, 6})
        if (shown.at(item * 80 + 8, 17) == Art(HeaderBitmap, strip + 1, 17)) strips[item] = strip;
    return strips;
  }
  void Send(UINT message, int x, WPARAM keys = 0) const {
    SendMessageW(header_, message, keys, At(x, 10));
  }
  HWND header_ = nullptr;
};

TEST_F(Header, ItemsArePaintedInTheirStatesWithTheirTextsAndTheWholeOverTheBackground) {
  for (int state = StateNormal; state <= StatePressed; ++state) {
    PaintHeaderItem(header_, nullptr, 0, state);
    const Pixels shown = ReadWindow(header_);
    EXPECT_EQ(shown.at(0, 10), Art(HeaderBitmap, 3 * state, 10)) << "state " << state;
    EXPECT_EQ(shown.at(79, 10), Art(HeaderBitmap, 3 * state + 2, 10)) << "state " << state;
  }
  for (int item : {1, 2}) PaintHeaderItem(header_, nullptr, item, StateNormal);
  const Pixels shown = ReadWindow(header_);
  EXPECT_GT(shown.Crop(82, 1, 76, 18).Differences(shown.Crop(162, 1, 76, 18)), 10) << "no text";
  Recorder::Clear();
  for (const auto& [pressed, hovered, strips] :
       {std::tuple(1, 1, Row{0, 6, 0}), std::tuple(-1, 2, Row{0, 0, 3}), std::tuple(0, -1, Row{6, 0, 0})}) {
    WriteProp(header_, PropHdIndex, pressed);
    WriteProp(header_, PropHmIndex, hovered);
    Repaint(header_);
    EXPECT_EQ(Strips(), strips) << "pressed " << pressed << ", hovered " << hovered;
  }
  EXPECT_EQ(Recorder::Count(WM_PAINT, header_), 0);
  EXPECT_EQ(ReadWindow(header_).at(260, 10), Art(HeaderBitmap, 1, 10));
  HWND empty = AddHeader({}, 50);
  AttachSkin(empty);
  WriteProp(empty, PropHdIndex, 1);  // a header without items takes no press
  SendMessageW(empty, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(Prop(empty, PropHdIndex), 1);
}

TEST_F(Header, HoverMovesItemByItemAndALeaveRepaintsOnlyTheHoveredItem) {
  for (const auto& [x, hit, strips] : {std::tuple(40, 0, Row{3, 0, 0}), std::tuple(120, 1, Row{0, 3, 0}),
                                       std::tuple(81, 1, Row{0, 3, 0}), std::tuple(80, 0, Row{3, 0, 0})}) {
    Send(WM_MOUSEMOVE, x);
    EXPECT_EQ(Prop(header_, PropHmIndex), hit) << "at " << x;
    EXPECT_EQ(Strips(), strips) << "at " << x;
  }
  EXPECT_EQ(HeaderItemAt(header_, 290), -1);
  Dab(header_, 2 * 80 + 8, 17, Own);
  WriteProp(header_, PropHdIndex, 2);
  SendMessageW(header_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Prop(header_, PropHdIndex) * 100 + Prop(header_, PropHmIndex), -101);
  EXPECT_EQ(Prop(header_, PropMouseFlag), 0);
  EXPECT_EQ(Strips(), (Row{0, 0, -1}));  // the dab on item 2 stays
}

TEST_F(Header, HoldingKeepsOnlyThePressedItemAndReleaseHoversItOnlyUnderTheCursor) {
  Send(WM_MOUSEMOVE, 120);
  for (UINT press : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}) {
    Send(press, 120, MK_LBUTTON);
    EXPECT_EQ(Prop(header_, PropHdIndex), 1);
    for (int x : {120, 200, 40}) {
      if (x != 120) Send(WM_MOUSEMOVE, x, MK_LBUTTON);
      EXPECT_EQ(Strips(), (Row{0, 6, 0})) << "held at " << x;
    }
    if (press == WM_LBUTTONDOWN) PointAway();  // released with the cursor elsewhere
    Send(WM_LBUTTONUP, 130);
    EXPECT_EQ(Prop(header_, PropHdIndex), -1);
    EXPECT_EQ(Strips(), (press == WM_LBUTTONDOWN ? Row{0, 0, 0} : Row{0, 3, 0}));
    EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  }
}

}  // namespace
