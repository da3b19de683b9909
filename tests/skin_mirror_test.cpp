// The skin's reads of its own window properties come from its mirror of them: no message of a
// skinned window asks the platform for a property, and the mirror never holds what the
// window's properties do not.
#include <windows.h>

#include <commctrl.h>

#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/interaction/fade.h"
#include "tests/support/property_calls.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using Mirror = test::SkinTest;

// Every routed message and an unrouted one, to each kind that keeps state: no property read
// reaches the platform. A fade step writes its level and nothing else. (A simple combo: a
// drop-down list would be a new window, asked once whether it is skinned when it appears.)
TEST_F(Mirror, NoMessageOfASkinnedWindowReadsAProperty) {
  const HWND button = AddButton(), check = AddGlyph(gallery::CheckBoxClass, 40),
             option = AddGlyph(gallery::OptionButtonClass, 70), header = AddHeader({L"A", L"B"}, 100),
             combo = Add(L"ComboBox", CBS_SIMPLE, 10, 130, 120, 100);
  Skin();
  const LPARAM Inside = test::At(5, 5);
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } messages[] = {{WM_APP + 1, 0, 0}, {WM_MOUSEMOVE, 0, Inside}, {WM_TIMER, FadeTimerId, 0},
                  {WM_LBUTTONDOWN, MK_LBUTTON, Inside}, {WM_LBUTTONUP, 0, Inside},
                  {WM_LBUTTONDBLCLK, MK_LBUTTON, Inside}, {WM_MOUSELEAVE, 0, 0}, {WM_KEYDOWN, VK_SPACE, 0},
                  {WM_KEYUP, VK_SPACE, 0}, {WM_SETFOCUS, 0, 0},
                  {WM_KILLFOCUS, 0, 0}, {WM_ENABLE, TRUE, 0}, {WM_NCPAINT, 1, 0}, {WM_SIZE, 0, 0},
                  {WM_ENTERIDLE, 0, reinterpret_cast<LPARAM>(button)},
                  {WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(check)}};
  for (HWND w : {button, check, option, header, combo, form()}) {
    for (const auto& m : messages) {
      test::PropertyCallCounter counter;
      ASSERT_TRUE(counter.active());
      SendMessageW(w, m.message, m.wParam, m.lParam);
      Repaint(w);
      EXPECT_EQ(counter.calls().reads, 0) << "message 0x" << std::hex << m.message << " to " << w;
    }
  }
  WriteProp(button, PropAlphaLevel, 120);
  test::PropertyCallCounter counter;
  SendMessageW(button, WM_TIMER, FadeTimerId, 0);
  EXPECT_EQ(counter.calls().reads, 0);
  EXPECT_EQ(counter.calls().writes, 1);
  EXPECT_EQ(test::Prop(button, PropAlphaLevel), 123);
}

// A write the platform refuses changes nothing in the mirror either; a property changed
// behind the skin's back, or a skin's mark on a window the mirror does not hold, is noticed.
TEST_F(Mirror, HoldsOnlyWhatTheWindowsCarry) {
  const HWND button = AddButton(), plain = AddButton(100);
  Skin();
  ASSERT_TRUE(MirrorAgrees(nullptr));
  {
    test::PropertyCallCounter refusing(true);
    WriteProp(button, PropOldState, StatePressed);
    EXPECT_EQ(refusing.calls().writes, 1);
  }
  EXPECT_EQ(test::Prop(button, PropOldState), StateNormal);
  EXPECT_TRUE(MirrorAgrees(button));

  DetachSkin(plain);
  EXPECT_TRUE(MirrorAgrees(plain));
  SetPropW(plain, PropProcAddr, reinterpret_cast<HANDLE>(1));
  EXPECT_FALSE(MirrorAgrees(plain)) << "a skinned window of this thread that the mirror does not hold";
  EXPECT_TRUE(IsSkinned(plain)) << "the window's own mark counts where the mirror holds nothing";
  RemovePropW(plain, PropProcAddr);

  const LONG_PTR level = ReadProp(button, PropAlphaLevel);
  SetPropW(button, PropAlphaLevel, reinterpret_cast<HANDLE>(level + 1));
  EXPECT_FALSE(MirrorAgrees(button));
  EXPECT_FALSE(MirrorAgrees(nullptr));
  SetPropW(button, PropAlphaLevel, reinterpret_cast<HANDLE>(level));
  EXPECT_TRUE(MirrorAgrees(nullptr));
}

}  // namespace
