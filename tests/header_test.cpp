// Headers: painted whole by the skin, item by item from their strips and texts, with the item
// under the mouse (HMINDEX) and the pressed one (HDINDEX) following the mouse.
#include <vector>

#include "skin/engine/attach.h"
#include "skin/interaction/hit_tests.h"
#include "skin/render/painters.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using test::Art;
using test::Prop;
using Row = std::vector<int>;

constexpr int ItemWidth = 80;  // AddHeader's items

class Header : public test::SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    header_ = AddHeader({L"Item", L"Item", L""});
    test::InstallRecordingSubclass(header_);
    Skin();
    test::PointAt(header_, 5, 5);
    Settle();
  }
  // The strip each item shows (0 normal, 3 hover, 6 pressed, -1 none of them), told apart by
  // the stretched middle column, which differs in all three, below the text.
  Row Strips() const {
    const test::Pixels shown = test::ReadWindow(header_);
    Row strips(3, -1);
    for (int item = 0; item < 3; ++item)
      for (int strip : {0, 3, 6})
        if (shown.at(item * ItemWidth + 8, 17) == Art(HeaderBitmap, strip + 1, 17)) strips[item] = strip;
    return strips;
  }
  void Send(UINT message, int x, WPARAM keys = 0) const {
    SendMessageW(header_, message, keys, test::At(x, 10));
  }
  // Pixels of an item off the bare normal strip: its text.
  static int Ink(const test::Pixels& shown, int item) {
    int n = 0;
    for (int y = 1; y < 19; ++y)
      for (int x = ItemWidth * item + 2; x < ItemWidth * item + 78; ++x)
        n += shown.at(x, y) != Art(HeaderBitmap, 1, y);
    return n;
  }
  HWND header_ = nullptr;
};

// One item in each state: its strip's edges at the item's edges; its text, or the strip alone
// without one; index -1 draws nothing. Painted whole, by the skin alone: the pressed item wins
// over the hovered one, and the background shows right of the items, or alone without items.
TEST_F(Header, ItemsArePaintedInTheirStatesWithTheirTextsAndTheWholeOverTheBackground) {
  for (int state = StateNormal; state <= StatePressed; ++state) {
    PaintHeaderItem(header_, nullptr, 0, state);
    const test::Pixels shown = test::ReadWindow(header_);
    EXPECT_EQ(shown.at(0, 10), Art(HeaderBitmap, 3 * state, 10)) << "state " << state;
    EXPECT_EQ(shown.at(79, 10), Art(HeaderBitmap, 3 * state + 2, 10)) << "state " << state;
  }
  PaintHeaderItem(header_, nullptr, 1, StateNormal);
  PaintHeaderItem(header_, nullptr, 2, StateNormal);
  test::Pixels shown = test::ReadWindow(header_);
  EXPECT_GT(Ink(shown, 1), 10);
  EXPECT_EQ(Ink(shown, 2), 0);
  PaintHeaderItem(header_, nullptr, -1, StatePressed);
  EXPECT_EQ(test::ReadWindow(header_).Differences(shown), 0);

  test::Recorder::Clear();
  const struct {
    int pressed, hovered;
    Row strips;
  } cases[] = {{1, 1, {0, 6, 0}}, {-1, 2, {0, 0, 3}}, {0, -1, {6, 0, 0}}};
  for (const auto& c : cases) {
    WriteProp(header_, PropHdIndex, c.pressed);
    WriteProp(header_, PropHmIndex, c.hovered);
    Repaint(header_);
    EXPECT_EQ(Strips(), c.strips) << "pressed " << c.pressed << ", hovered " << c.hovered;
  }
  EXPECT_EQ(test::Recorder::Count(WM_PAINT, header_), 0);
  shown = test::ReadWindow(header_);
  EXPECT_GT(Ink(shown, 1), 10);
  EXPECT_EQ(shown.at(260, 10), Art(HeaderBitmap, 1, 10));
  HWND empty = AddHeader({}, 50);
  AttachSkin(empty);
  WriteProp(empty, PropHdIndex, 1);  // a header without items takes no press
  SendMessageW(empty, WM_LBUTTONDOWN, MK_LBUTTON, test::At(5, 5));
  EXPECT_EQ(Prop(empty, PropHdIndex), 1);
  WriteProp(empty, PropHdIndex, -1);
  Repaint(empty);
  shown = test::ReadWindow(empty);
  for (int y = 0; y < 20; ++y)
    EXPECT_EQ(shown.Count(Art(HeaderBitmap, 1, y), 0, y, 300, 1), 300) << "row " << y;
}

// Hovering moves item by item (a shared edge belongs to the lower item); a press outside the
// items paints nothing; a leave forgets both indices and repaints the hovered item only.
TEST_F(Header, HoverMovesItemByItemAndALeaveRepaintsOnlyTheHoveredItem) {
  const struct {
    int x, hit;
    Row strips;
  } moves[] = {{40, 0, {3, 0, 0}}, {120, 1, {0, 3, 0}}, {81, 1, {0, 3, 0}}, {80, 0, {3, 0, 0}}};
  for (const auto& m : moves) {
    Send(WM_MOUSEMOVE, m.x);
    EXPECT_EQ(Prop(header_, PropHmIndex), m.hit) << "at " << m.x;
    EXPECT_EQ(Strips(), m.strips) << "at " << m.x;
  }
  EXPECT_EQ(HeaderItemAt(header_, 290), -1);
  test::Dab(header_, 2 * ItemWidth + 8, 17, test::Own);
  Send(WM_LBUTTONDOWN, 290, MK_LBUTTON);
  EXPECT_EQ(Prop(header_, PropHdIndex), -1);
  EXPECT_EQ(Strips(), (Row{3, 0, -1}));
  Send(WM_LBUTTONUP, 290);
  WriteProp(header_, PropHdIndex, 2);
  SendMessageW(header_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Prop(header_, PropHdIndex) * 100 + Prop(header_, PropHmIndex), -101);
  EXPECT_EQ(Prop(header_, PropMouseFlag), 0);
  EXPECT_EQ(Strips(), (Row{0, 0, -1}));  // the dab on item 2 stays
}

// A press, or a double click, presses the item; while held no other item lights up and the
// pressed one stays pressed; the release shows it hovered only while the cursor is over the
// header. Press and release leave HMINDEX alone.
TEST_F(Header, HoldingKeepsOnlyThePressedItemAndReleaseHoversItOnlyUnderTheCursor) {
  Send(WM_MOUSEMOVE, 120);
  for (UINT press : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}) {
    Send(press, 120, MK_LBUTTON);
    EXPECT_EQ(Prop(header_, PropHdIndex), 1);
    for (int x : {120, 200, 40, 130}) {
      if (x != 120) Send(WM_MOUSEMOVE, x, MK_LBUTTON);
      EXPECT_EQ(Strips(), (Row{0, 6, 0})) << "held at " << x;
      EXPECT_EQ(Prop(header_, PropHmIndex), 1);
    }
    if (press == WM_LBUTTONDOWN) test::PointAway();  // released with the cursor elsewhere
    Send(WM_LBUTTONUP, 130);
    EXPECT_EQ(Prop(header_, PropHdIndex), -1);
    EXPECT_EQ(Strips(), (press == WM_LBUTTONDOWN ? Row{0, 0, 0} : Row{0, 3, 0}));
    EXPECT_EQ(Prop(header_, PropHmIndex), 1);
  }
}

}  // namespace
