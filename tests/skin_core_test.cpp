// The engine's core: classifying windows, attaching and removing the skin, routing messages,
// re-entry, windows that vanish or cannot be attached, and the mirror of the properties.
#include "skin/engine/attach.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "skin/core/skin_kind.h"
#include "skin/engine/detach.h"
#include "skin/engine/skin_wndproc.h"
#include "skin/interaction/fade.h"
#include "skin/kinds/kind_table.h"
#include "tests/support/foreign_window.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/property_calls.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using namespace test;
using Core = test::SkinTest;
using Mirror = test::SkinTest;

constexpr wchar_t OtherClass[] = L"TintoraTestOther";
constexpr wchar_t FormClass[] = L"ThunderRT6FormDC";

void Resize(HWND hwnd, int w, int h) {
  SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(SkinKind, EveryKindInAnyCaseTheGridPrefixAndNearMisses) {
  using K = SkinKind;
  const std::pair<const wchar_t*, SkinKind> names[] = {
      {L"#32770", K::Form}, {L"FORM", K::Form}, {L"ThunderRT6FormDC", K::Form}, {L"BUTTON", K::CommandButton},
      {L"ThunderComboBox", K::ComboBox}, {L"ThunderRT6DriveListBox", K::DriveList},
      {L"ThunderCheckBox", K::CheckBox}, {L"ThunderRT6OptionButton", K::OptionButton},
      {L"ProgressBar20WndClass", K::ProgressBar}, {L"SysHeader32", K::Header},
      {L"DBListWndClass", K::DataList}, {L"ComboLBox", K::ComboList}, {L"ApexGridOleDB32", K::Grid},
      {L"APEXGRID", K::Grid}, {L"", K::Other}, {L"Buttons", K::Other}, {L"apexgri", K::Other},
      {L"xapexgrid", K::Other}};
  for (const auto& [name, kind] : names) EXPECT_EQ(ClassifyClassName(name), kind) << name;
  HWND button = CreateWindowW(L"Button", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(button);  // a handle that names no window any more
  EXPECT_EQ(WindowClassName(button), L"");
}

// A button gets back its whole saved style, whatever it became meanwhile.
TEST_F(Core, EachKindGetsItsPropertiesAndLosesThemAllAgain) {
  constexpr int No = INT_MIN;  // the property is absent
  const wchar_t* const names[] = {PropOldState, PropMouseFlag, PropTimerId,   PropAlphaLevel,
                                  PropHdIndex,  PropHmIndex,   PropProcAddr,  PropOldStyle,
                                  PropAttaching, FaceDcPropName(0), FaceBitmapPropName(3)};
  const std::pair<HWND, std::vector<int>> kinds[] = {  // the first six properties
      {Add(L"Button", BS_DEFPUSHBUTTON, 5, 5, 75, 23), {StateNormal, 0, 0, 0, No, No}},
      {Add(L"Button", WS_DISABLED, 5, 35, 75, 23), {StateDisabled, 0, 0, 0, No, No}},
      {Add(L"ComboBox", CBS_DROPDOWNLIST, 5, 65, 75, 23), {StateNormal, 0, No, No, No, No}},
      {AddGlyph(gallery::OptionButtonClass, 95), {StateNormal, 0, No, No, No, No}},
      {AddHeader({}, 125), {No, 0, No, No, -1, -1}},
      {Add(gallery::ProgressBarClass, 0, 5, 155, 75, 23), {No, No, No, No, No, No}}};
  std::vector<LONG_PTR> procedures, styles;
  for (const auto& [w, props] : kinds) {
    procedures.push_back(GetWindowLongPtrW(w, GWLP_WNDPROC));
    styles.push_back(GetWindowLongPtrW(w, GWL_STYLE));
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(SkinnedWindowCount, 7);
  for (size_t i = 0; i < std::size(kinds); ++i) {
    const auto& [w, props] = kinds[i];
    const bool button = i < 2;
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_EQ(ReadProp(w, PropProcAddr), procedures[i]);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinWndProc));
    for (int p = 0; p < 6; ++p) EXPECT_EQ(HasProp(w, names[p]) ? Prop(w, names[p]) : No, props[p]);
    EXPECT_EQ(HasProp(w, PropOldStyle), button);
    EXPECT_EQ(HasRoundedRegion(w, 75, 23), button);
    std::vector<HGDIOBJ> faces;
    for (int n = 0; button && n < FaceCount; ++n) {
      faces.push_back(FaceDc(w, n));
      faces.push_back(reinterpret_cast<HGDIOBJ>(ReadProp(w, FaceBitmapPropName(n))));
      EXPECT_EQ(GetCurrentObject(FaceDc(w, n), OBJ_BITMAP), faces.back()) << "face " << n;
      EXPECT_EQ(BitmapSize(faces.back()), 7523) << "face " << n;
    }
    EXPECT_EQ(SkinWindow(form()) + AttachSkin(w) + SkinWindow(nullptr) + AttachSkin(nullptr), 0);
    if (button) SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_GROUP);
    EXPECT_EQ(DetachSkin(w), 1);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), procedures[i]);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE), styles[i]);
    EXPECT_FALSE(HasRoundedRegion(w, 75, 23));
    for (const wchar_t* name : names) EXPECT_FALSE(HasProp(w, name)) << name;
    for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u) << "a face lives on";
    EXPECT_EQ(DetachSkin(w) + DetachSkin(nullptr), 0);
    EXPECT_EQ(SkinnedWindowCount, static_cast<LONG>(std::size(kinds) - i));
  }
}

TEST_F(Core, OnlyPushDefaultAndUserButtonsBecomeOwnerDrawn) {
  HWND buttons[16];
  LONG_PTR before[16];
  for (int type = 0; type < 16; ++type) {
    buttons[type] = Add(L"Button", 0, 2 + type % 4 * 70, 2 + type / 4 * 40, 60, 30);
    // Wine makes a user button a push button at creation.
    before[type] = GetWindowLongPtrW(buttons[type], GWL_STYLE) | type;
    SetWindowLongPtrW(buttons[type], GWL_STYLE, before[type]);
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  for (int type = 0; type < 16; ++type) {
    const bool faces = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
    EXPECT_EQ(GetWindowLongPtrW(buttons[type], GWL_STYLE) & BS_TYPEMASK, faces ? BS_OWNERDRAW : type) << type;
    EXPECT_EQ(ReadProp(buttons[type], PropOldStyle), before[type]) << type;
  }
}

// Destroyed by its own procedure, or short of GDI objects. Each path runs once before it is
// measured, for what a first pass keeps.
TEST_F(Core, ButtonsDestroyedOrShortOfObjectsWhileAttachedOrResizedLeakNothing) {
  ASSERT_EQ(SkinWindow(form()), 1);
  auto destroyedWhile = [&](bool resized, UINT message) {
    HWND button = AddButton();
    InstallRecordingSubclass(button);
    EXPECT_TRUE(!resized || AttachSkin(button));
    Recorder::SetHook([=](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT&) {
      if (hwnd == button && m == message) DestroyWindow(hwnd);
      return false;
    });
    if (resized) Resize(button, 80, 24);
    EXPECT_TRUE(resized || !AttachSkin(button));
    Recorder::SetHook({});
    EXPECT_EQ(IsWindow(button) * 10 + SkinnedWindowCount, 1);
  };
  for (const auto& [resized, message] : {std::pair(false, WM_GETTEXTLENGTH), std::pair(false, BM_SETSTYLE),
                                         std::pair(true, WM_GETTEXTLENGTH)}) {
    destroyedWhile(resized, message);
    EXPECT_EQ(GdiObjectsLeakedBy([&] { destroyedWhile(resized, message); }), 0) << message;
  }
  auto atTheLimit = [&](int spare) {
    HWND late = AddButton(5, 40), resized = AddButton(5, 5);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(late, GWLP_WNDPROC);
    EXPECT_EQ(AttachSkin(resized), 1);
    {
      GdiHog hog(spare);
      EXPECT_EQ(AttachSkin(late), 0);
      Resize(resized, 80, 24);
    }
    EXPECT_EQ(GetWindowLongPtrW(late, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(SkinnedWindowCount, 2);
    for (int n = 0; n < FaceCount; ++n) {
      HGDIOBJ shown = GetCurrentObject(FaceDc(resized, n), OBJ_BITMAP);
      EXPECT_EQ(BitmapSize(shown), 7523) << n;
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(ReadProp(resized, FaceBitmapPropName(n))), shown) << n;
    }
    EXPECT_EQ(AttachSkin(late), 1);
    DestroyWindow(resized);
    DestroyWindow(late);
  };
  for (int spare : {0, 2}) {
    atTheLimit(spare);
    EXPECT_EQ(GdiObjectsLeakedBy([&] { atTheLimit(spare); }), 0) << spare << " spare";
  }
}

TEST(ApiExists, FindsExportsAndLeavesLibrariesAsTheyWere) {
  EXPECT_TRUE(ApiExists("TrackMouseEvent", L"User32"));
  EXPECT_FALSE(ApiExists("NoSuchProcedureAnywhere", L"User32"));
  EXPECT_FALSE(ApiExists("TrackMouseEvent", L"no-such-library.dll"));
  const HMODULE before = GetModuleHandleW(L"mscms.dll");  // loaded for the question, released after
  EXPECT_TRUE(ApiExists("OpenColorProfileW", L"mscms.dll"));
  EXPECT_EQ(GetModuleHandleW(L"mscms.dll"), before);
}

TEST_F(Core, EveryMessageReachesThePreviousProcedureOnceAndReturnsItsResult) {
  HWND other = CreateRecordingWindow(OtherClass, form()), button = AddButton();
  InstallRecordingSubclass(button);
  ASSERT_EQ(SkinWindow(form()), 1);
  std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages{{WM_CHAR, L'x', 0x1E0001}, {WM_APP, 42, 0x7FFF1234}};
  for (UINT m : {WM_SIZE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_PAINT, WM_WINDOWPOSCHANGED,
                 WM_NCPAINT, WM_KEYDOWN, WM_KEYUP, WM_TIMER, WM_ENTERIDLE, WM_CTLCOLORLISTBOX, WM_MOUSEMOVE,
                 WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSELEAVE, WM_DESTROY})
    messages.emplace_back(m, 0, 0);  // WM_DESTROY last: it removes the skin
  auto answer = [](UINT message) { return static_cast<LRESULT>(0x5A0000 + message); };
  Recorder::SetHook([&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = answer(message);
    return std::any_of(messages.begin(), messages.end(), [&](auto& m) { return std::get<0>(m) == message; });
  });
  for (const auto& [message, wParam, lParam] : messages) {
    for (HWND w : {other, button}) {
      const bool paintedWhole = w == button && message == WM_PAINT;
      SCOPED_TRACE(testing::Message() << "message " << message << (w == button ? " to the button" : ""));
      Recorder::Clear();
      EXPECT_EQ(SendMessageW(w, message, wParam, lParam), paintedWhole ? 0 : answer(message));
      EXPECT_EQ(Recorder::Count(message), paintedWhole ? 0 : 1);
      for (const Recorded& r : Recorder::Log())
        EXPECT_TRUE(r.message != message || (r.wParam == wParam && r.lParam == lParam));
    }
  }
  EXPECT_EQ(SkinnedWindowCount, 1);
}

// A subclass installed after the skin goes with it, and the procedure before the skin is back.
TEST_F(Core, TheSkinComesOffAtWMDestroyBeforeTheFormSeesItAndTheLastWindowReleasesTheEngine) {
  HWND target = CreateRecordingWindow(OtherClass, form()), child = AddButton();
  ASSERT_EQ(SkinWindow(form()), 1);
  static WNDPROC skinProcedure = nullptr;
  skinProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT m, WPARAM w, LPARAM l) {
        return CallWindowProcW(skinProcedure, hwnd, m, w, l);
      })));
  SendMessageW(target, WM_DESTROY, 0, 0);
  EXPECT_EQ(GetWindowLongPtrW(target, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
  EXPECT_EQ(SkinnedWindowCount, 2);
  SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  Recorder::Clear();
  SetWindowTextW(target, L"default");
  wchar_t text[16] = {};
  GetWindowTextW(target, text, 16);
  EXPECT_STREQ(text, L"default");
  EXPECT_TRUE(Recorder::Log().empty());
  int skinnedAtDestroy = 0;
  Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == form() && message == WM_DESTROY) skinnedAtDestroy += IsSkinned(form()) + IsSkinned(child);
    return false;
  });
  const HDC artwork[] = {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap};
  DestroyWindow(form());
  EXPECT_EQ(skinnedAtDestroy, 0);
  for (HDC surface : artwork) EXPECT_EQ(GetObjectType(surface), 0u);
}

// WM_CTLCOLORLISTBOX names a drop-down list, WM_ENTERIDLE an idle dialog.
TEST_F(Core, AnnouncedWindowsAreAttachedOnceWithTheirControlsAndOnlyOurs) {
  ForeignWindow theirs;
  ASSERT_EQ(SkinWindow(form()), 1);
  HWND list = CreateWindowExW(0, L"ComboLBox", L"", WS_POPUP, 0, 0, 9, 9, form(), nullptr, nullptr, nullptr);
  HWND dialog = CreateRecordingWindow(FormClass);
  CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 60, 20, dialog, nullptr, nullptr, nullptr);
  Recorder::SetHook([](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = 0x77;
    return message == WM_CTLCOLORLISTBOX || message == WM_ENTERIDLE;
  });
  const std::tuple<UINT, HWND, LONG> announcements[] = {
      {WM_ENTERIDLE, nullptr, 1}, {WM_CTLCOLORLISTBOX, theirs.hwnd(), 1}, {WM_ENTERIDLE, theirs.hwnd(), 1},
      {WM_CTLCOLORLISTBOX, list, 2}, {WM_CTLCOLORLISTBOX, list, 2}, {WM_ENTERIDLE, dialog, 4},
      {WM_ENTERIDLE, dialog, 4}};
  for (const auto& [message, announced, count] : announcements) {
    EXPECT_EQ(SendMessageW(form(), message, 0, reinterpret_cast<LPARAM>(announced)), 0x77);
    EXPECT_EQ(SkinnedWindowCount, count) << "message " << message;
  }
  EXPECT_EQ(AttachSkin(theirs.hwnd()) + HasProp(theirs.hwnd(), PropProcAddr), 0);
  DestroyWindow(dialog);
  DestroyWindow(list);
}

// Procedures that attach or remove the skin again from the messages the engine sends them.
TEST_F(Core, AttachingAndRemovingAgainFromInsideChangeNothing) {
  HWND late = CreateRecordingWindow(OtherClass, form());
  HWND first = AddButton(5, 5), second = AddButton(5, 40);
  for (HWND b : {first, second}) InstallRecordingSubclass(b);
  const LONG_PTR recording = GetWindowLongPtrW(first, GWLP_WNDPROC);
  int nested = 0;
  Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_NCPAINT && hwnd == form())
      nested += AttachSkin(form()) + SkinWindow(form()) + AttachSkin(late);
    if (message == WM_GETTEXTLENGTH && hwnd == first) nested += AttachSkin(first);
    if (message == WM_STYLECHANGED && hwnd == second) nested += DetachSkin(second) * 100;
    return false;
  });
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(SkinnedWindowCount, 4);
  EXPECT_EQ(ReadProp(first, PropProcAddr), recording);
  EXPECT_FALSE(HasProp(first, PropAttaching));
  EXPECT_EQ(DetachSkin(second), 0);  // the inner removal did the work and the counting
  EXPECT_EQ(nested, 100);
  EXPECT_EQ(SkinnedWindowCount, 3);
}

// A property read may be a round trip to the window server: the skin reads its mirror.
TEST_F(Mirror, NoMessageReadsAPropertyAndTheMirrorHoldsOnlyWhatTheWindowsCarry) {
  // A simple combo: a drop-down list would be a new window, asked whether it is skinned.
  const HWND button = AddButton(), check = AddGlyph(gallery::CheckBoxClass, 40),
             header = AddHeader({L"A", L"B"}, 100), combo = Add(L"ComboBox", CBS_SIMPLE, 10, 130, 120, 100);
  Skin();
  const LPARAM in = At(5, 5);
  const std::tuple<UINT, WPARAM, LPARAM> messages[] = {
      {WM_APP, 0, 0}, {WM_MOUSEMOVE, 0, in}, {WM_TIMER, FadeTimerId, 0}, {WM_LBUTTONDOWN, MK_LBUTTON, in},
      {WM_LBUTTONUP, 0, in}, {WM_MOUSELEAVE, 0, 0}, {WM_KEYDOWN, VK_SPACE, 0}, {WM_SETFOCUS, 0, 0},
      {WM_KILLFOCUS, 0, 0}, {WM_ENABLE, TRUE, 0}, {WM_NCPAINT, 1, 0}, {WM_SIZE, 0, 0},
      {WM_ENTERIDLE, 0, reinterpret_cast<LPARAM>(button)},
      {WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(check)}};
  for (HWND w : {button, check, header, combo, form()}) {
    for (const auto& [message, wParam, lParam] : messages) {
      PropertyCallCounter counter;
      ASSERT_TRUE(counter.active());
      SendMessageW(w, message, wParam, lParam);
      Repaint(w);
      EXPECT_EQ(counter.calls().reads, 0) << "message 0x" << std::hex << message << " to " << w;
    }
  }
  WriteProp(button, PropAlphaLevel, 120);
  {
    PropertyCallCounter counter;
    SendMessageW(button, WM_TIMER, FadeTimerId, 0);
    EXPECT_EQ(counter.calls().reads * 100 + counter.calls().writes, 1);
  }
  {
    PropertyCallCounter refusing(true);
    WriteProp(button, PropAlphaLevel, 7);
  }
  EXPECT_EQ(Prop(button, PropAlphaLevel), 123);
  EXPECT_TRUE(MirrorAgrees(nullptr));
  SetPropW(button, PropAlphaLevel, reinterpret_cast<HANDLE>(124));
  EXPECT_FALSE(MirrorAgrees(button));
  SetPropW(button, PropAlphaLevel, reinterpret_cast<HANDLE>(123));
}

}  // namespace
