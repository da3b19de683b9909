// The engine's core: classification by class name, attaching the skin and taking it off, and
// the routing window procedure, each also entered again from inside itself, and windows that
// cannot be attached or vanish on the way.
#include "skin/engine/attach.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>
#include <vector>

#include "skin/engine/detach.h"
#include "skin/core/skin_kind.h"
#include "skin/kinds/kind_table.h"
#include "skin/engine/skin_wndproc.h"
#include "tests/support/foreign_window.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using Core = test::SkinTest;

constexpr wchar_t OtherClass[] = L"TintoraTestOther";
constexpr wchar_t FormClass[] = L"ThunderRT6FormDC";

TEST(SkinKind, EveryNameInAnyCaseTheGridPrefixAndNearMisses) {
  using K = SkinKind;
  const std::pair<const wchar_t*, SkinKind> names[] = {
      {L"#32770", K::Form}, {L"ThunderFormDC", K::Form}, {L"ThunderRT6FormDC", K::Form}, {L"Form", K::Form},
      {L"ThunderCommandButton", K::CommandButton}, {L"ThunderRT6CommandButton", K::CommandButton},
      {L"BUTTON", K::CommandButton}, {L"ThunderComboBox", K::ComboBox}, {L"ThunderRT6ComboBox", K::ComboBox},
      {L"Combo", K::ComboBox}, {L"ComboBox", K::ComboBox}, {L"ThunderDriveListBox", K::DriveList},
      {L"ThunderRT6DriveListBox", K::DriveList}, {L"ThunderCheckBox", K::CheckBox},
      {L"ThunderRT6CheckBox", K::CheckBox}, {L"ThunderOptionButton", K::OptionButton},
      {L"ThunderRT6OptionButton", K::OptionButton}, {L"ProgressBar20WndClass", K::ProgressBar},
      {L"ProgressBarWndClass", K::ProgressBar}, {L"MSVB_Lib_Header", K::Header}, {L"SysHeader32", K::Header},
      {L"DataListWndClass", K::DataList}, {L"DBListWndClass", K::DataList}, {L"ComboLBox", K::ComboList},
      {L"ApexGridOleDB32", K::Grid}, {L"APEXGRID", K::Grid}, {L"", K::Other}, {L"Buttons", K::Other},
      {L"xbutton", K::Other}, {L"apexgri", K::Other}, {L"xapexgrid", K::Other}, {L"SysHeader", K::Other}};
  for (const auto& [name, kind] : names) EXPECT_EQ(ClassifyClassName(name), kind) << name;
  HWND button = CreateWindowW(L"Button", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(KindOf(button), K::CommandButton);
  DestroyWindow(button);  // a handle that names no window any more
  EXPECT_EQ(WindowClassName(button), L"");
  EXPECT_EQ(KindOf(button), K::Other);
}

// Each kind gets the properties of its kind and no others; a command button also four faces
// as large as it and a region with rounded corners. A second SkinWindow changes nothing. The
// removal gives each window back its procedure, a button its whole saved style whatever its
// style became meanwhile, and leaves no property, face or region behind; a second removal
// does nothing.
TEST_F(Core, EachKindGetsItsPropertiesAndLosesThemAllAgain) {
  constexpr int No = INT_MIN;  // the property is absent
  const struct {
    const wchar_t* cls;
    DWORD style;
    int state, mouse, timer, alpha, pressed, hovered;
  } kinds[] = {{L"Button", BS_DEFPUSHBUTTON, StateNormal, 0, 0, 0, No, No},
               {L"Button", BS_PUSHBUTTON | WS_DISABLED, StateDisabled, 0, 0, 0, No, No},
               {L"ComboBox", CBS_DROPDOWNLIST, StateNormal, 0, No, No, No, No},
               {gallery::DriveListClass, CBS_DROPDOWNLIST, StateNormal, 0, No, No, No, No},
               {gallery::CheckBoxClass, BS_AUTOCHECKBOX, StateNormal, 0, No, No, No, No},
               {gallery::OptionButtonClass, BS_AUTORADIOBUTTON, StateNormal, 0, No, No, No, No},
               {WC_HEADERW, 0, No, 0, No, No, -1, -1},
               {gallery::ProgressBarClass, 0, No, No, No, No, No, No},
               {L"Static", SS_BLACKRECT, No, No, No, No, No, No}};
  std::vector<HWND> windows;
  std::vector<LONG_PTR> procedures, styles;
  for (const auto& k : kinds) {
    windows.push_back(Add(k.cls, k.style, 5, 5 + 30 * static_cast<int>(windows.size()), 75, 23));
    procedures.push_back(GetWindowLongPtrW(windows.back(), GWLP_WNDPROC));
    styles.push_back(GetWindowLongPtrW(windows.back(), GWL_STYLE));
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(SkinnedWindowCount, static_cast<LONG>(windows.size()) + 1);
  EXPECT_EQ(ReadProp(form(), PropProcAddr), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
  const wchar_t* const everyProperty[] = {PropProcAddr, PropOldStyle,   PropMouseFlag, PropTimerId,
                                          PropOldState, PropAlphaLevel, PropHdIndex,   PropHmIndex,
                                          PropAttaching, FaceDcPropName(0), FaceBitmapPropName(3)};
  for (size_t i = 0; i < windows.size(); ++i) {
    HWND w = windows[i];
    const auto& k = kinds[i];
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_EQ(ReadProp(w, PropProcAddr), procedures[i]);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinWndProc));
    const std::pair<const wchar_t*, int> props[] = {{PropOldState, k.state}, {PropMouseFlag, k.mouse},
                                                    {PropTimerId, k.timer},  {PropAlphaLevel, k.alpha},
                                                    {PropHdIndex, k.pressed}, {PropHmIndex, k.hovered}};
    for (const auto& [name, value] : props)
      EXPECT_EQ(test::HasProp(w, name) ? test::Prop(w, name) : No, value) << name;
    const bool button = KindOf(w) == SkinKind::CommandButton;
    EXPECT_EQ(test::HasProp(w, PropOldStyle) && ReadProp(w, FaceDcPropName(0)), button);
    EXPECT_EQ(test::HasRoundedRegion(w, 75, 23), button);
    std::vector<HGDIOBJ> faces;
    for (int n = 0; button && n < FaceCount; ++n) {
      faces.push_back(FaceDc(w, n));
      faces.push_back(reinterpret_cast<HGDIOBJ>(ReadProp(w, FaceBitmapPropName(n))));
      EXPECT_EQ(GetCurrentObject(FaceDc(w, n), OBJ_BITMAP), faces.back()) << "face " << n;
      EXPECT_EQ(test::BitmapSize(faces.back()), 7523) << "face " << n;
    }
    if (i == 0) {
      const HDC artwork = ButtonBitmap;
      EXPECT_EQ(SkinWindow(form()) + AttachSkin(w) + SkinWindow(nullptr) + AttachSkin(nullptr), 0);
      EXPECT_EQ(ButtonBitmap, artwork);
    }
    if (button) SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_CHILD | WS_GROUP);
    EXPECT_EQ(DetachSkin(w), 1);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), procedures[i]);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE), styles[i]);
    EXPECT_FALSE(test::HasRoundedRegion(w, 75, 23));
    for (const wchar_t* name : everyProperty) EXPECT_FALSE(test::HasProp(w, name)) << name;
    for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u) << "a face lives on";
    EXPECT_EQ(DetachSkin(w) + DetachSkin(nullptr), 0);
    EXPECT_EQ(SkinnedWindowCount, static_cast<LONG>(windows.size() - i));
  }
}

// Push, default push and user buttons become owner-drawn, OLDSTYLE keeping the style before;
// every other type keeps its own painting (an automatic radio button still checks itself).
TEST_F(Core, OnlyPushDefaultAndUserButtonsBecomeOwnerDrawn) {
  HWND buttons[16];
  LONG_PTR before[16];
  for (int type = 0; type < 16; ++type) {
    buttons[type] = Add(L"Button", static_cast<DWORD>(type), 2 + type % 4 * 70, 2 + type / 4 * 40, 60, 30);
    // Wine makes a user button a push button at creation; the style set after makes it one.
    before[type] = (GetWindowLongPtrW(buttons[type], GWL_STYLE) & ~BS_TYPEMASK) | type;
    SetWindowLongPtrW(buttons[type], GWL_STYLE, before[type]);
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  for (int type = 0; type < 16; ++type) {
    const bool faces = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
    EXPECT_EQ(GetWindowLongPtrW(buttons[type], GWL_STYLE) & BS_TYPEMASK, faces ? BS_OWNERDRAW : type) << type;
    EXPECT_EQ(ReadProp(buttons[type], PropOldStyle), before[type]) << type;
  }
  SendMessageW(buttons[BS_AUTORADIOBUTTON], BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(buttons[BS_AUTORADIOBUTTON], BM_GETCHECK, 0, 0), BST_CHECKED);
}

// A button destroyed by its own procedure while it is attached or resized (on the caption
// request or the style change) is not counted, and its faces and region do not leak.
TEST_F(Core, AButtonDestroyedWhileItIsAttachedOrResizedIsNotCountedAndLeaksNothing) {
  const std::pair<bool, UINT> cases[] = {
      {false, WM_GETTEXTLENGTH}, {false, BM_SETSTYLE}, {true, WM_GETTEXTLENGTH}};
  ASSERT_EQ(SkinWindow(form()), 1);
  auto destroyedWhile = [&](bool resized, UINT message) {
    HWND button = AddButton();
    test::InstallRecordingSubclass(button);
    EXPECT_TRUE(!resized || AttachSkin(button));
    test::Recorder::SetHook([=](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT&) {
      if (hwnd == button && m == message) DestroyWindow(hwnd);
      return false;
    });
    if (resized) SetWindowPos(button, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(resized || !AttachSkin(button));  // the attachment fails
    test::Recorder::SetHook({});
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(SkinnedWindowCount, 1);
  };
  for (const auto& [resized, message] : cases) {
    SCOPED_TRACE(testing::Message() << (resized ? "resized" : "attached") << ", message " << message);
    destroyedWhile(resized, message);  // what the first pass along this path keeps
    EXPECT_EQ(test::GdiObjectsLeakedBy([&] { destroyedWhile(resized, message); }), 0);
  }
}

// At the limit of GDI objects a button attached keeps its own look, and one resized keeps all
// four faces as they were (75 x 23), recorded, so that the removal frees them; with room
// again all is as usual.
TEST_F(Core, FacesThatCannotBeMadeLeaveTheButtonAsItWasAndLeakNothing) {
  ASSERT_EQ(SkinWindow(form()), 1);
  // With no room at all, and with room for two objects (a face buffer, or two of four bitmaps).
  auto atTheLimit = [&](int spare) {
    HWND late = AddButton(5, 40), resized = AddButton(5, 5);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(late, GWLP_WNDPROC);
    EXPECT_EQ(AttachSkin(resized), 1);
    {
      test::GdiHog hog(spare);
      EXPECT_EQ(AttachSkin(late), 0);
      SetWindowPos(resized, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ(GetWindowLongPtrW(late, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(ReadProp(late, FaceDcPropName(0)), 0);
    EXPECT_EQ(SkinnedWindowCount, 2);
    for (int n = 0; n < FaceCount; ++n) {
      HGDIOBJ shown = GetCurrentObject(FaceDc(resized, n), OBJ_BITMAP);
      EXPECT_EQ(test::BitmapSize(shown), 7523) << n;
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(ReadProp(resized, FaceBitmapPropName(n))), shown) << "face " << n;
    }
    EXPECT_EQ(AttachSkin(late), 1);
    DestroyWindow(resized);
    DestroyWindow(late);
  };
  for (int spare : {0, 2}) {
    atTheLimit(spare);  // what the first pass along these paths keeps
    EXPECT_EQ(test::GdiObjectsLeakedBy([&] { atTheLimit(spare); }), 0) << spare << " spare";
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

// Each message reaches the previous procedure once, with its parameters, and its answer comes
// back, for a window of no kind and a command button alike; only a button's paint is the
// skin's alone. WM_DESTROY, last, removes the skin.
TEST_F(Core, EveryMessageReachesThePreviousProcedureOnceAndReturnsItsResult) {
  HWND other = test::CreateRecordingWindow(OtherClass, form()), button = AddButton();
  test::InstallRecordingSubclass(button);
  ASSERT_EQ(SkinWindow(form()), 1);
  const struct {
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  } messages[] = {{WM_SIZE}, {WM_ACTIVATE}, {WM_SETFOCUS}, {WM_KILLFOCUS}, {WM_ENABLE}, {WM_PAINT},
                  {WM_WINDOWPOSCHANGED}, {WM_NCPAINT}, {WM_KEYDOWN}, {WM_KEYUP}, {WM_TIMER}, {WM_ENTERIDLE},
                  {WM_CTLCOLORLISTBOX}, {WM_MOUSEMOVE}, {WM_LBUTTONDOWN}, {WM_LBUTTONUP}, {WM_LBUTTONDBLCLK},
                  {WM_MOUSELEAVE}, {WM_CHAR, L'x', 0x001E0001}, {WM_APP + 7, 42, 0x7FFF1234}, {WM_DESTROY}};
  auto answer = [](UINT message) { return static_cast<LRESULT>(0x5A0000 + message); };
  test::Recorder::SetHook([&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = answer(message);
    return std::any_of(std::begin(messages), std::end(messages),
                       [&](const auto& m) { return m.message == message; });
  });
  for (const auto& m : messages) {
    for (HWND w : {other, button}) {
      const bool paintedWhole = w == button && m.message == WM_PAINT;
      SCOPED_TRACE(testing::Message() << "message " << m.message << (w == button ? " to the button" : ""));
      test::Recorder::Clear();
      EXPECT_EQ(SendMessageW(w, m.message, m.wParam, m.lParam), paintedWhole ? 0 : answer(m.message));
      EXPECT_EQ(test::Recorder::Count(m.message), paintedWhole ? 0 : 1);
      for (const test::Recorded& r : test::Recorder::Log())
        EXPECT_TRUE(r.message != m.message || (r.wParam == m.wParam && r.lParam == m.lParam));
    }
  }
  EXPECT_EQ(SkinnedWindowCount, 1);
}

// The skin comes off a form and its descendants before the form's own procedure sees
// WM_DESTROY. The last window releases the engine; the next SkinWindow builds it again.
TEST_F(Core, TheSkinComesOffBeforeTheFormSeesItsDestroyAndTheLastWindowReleasesTheEngine) {
  HWND child = test::CreateRecordingWindow(OtherClass, form());
  ASSERT_EQ(SkinWindow(form()), 1);
  const HDC artwork[] = {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap};
  int skinnedAtDestroy = 0;  // the form and its child, still skinned when the form's WM_DESTROY came
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (hwnd == form() && message == WM_DESTROY) skinnedAtDestroy += IsSkinned(form()) + IsSkinned(child);
    return false;
  });
  DestroyWindow(form());
  EXPECT_EQ(skinnedAtDestroy, 0);
  EXPECT_EQ(SkinnedWindowCount, 0);
  EXPECT_FALSE(SkinInitialized);
  for (HDC surface : artwork) EXPECT_EQ(GetObjectType(surface), 0u);
  EXPECT_EQ(ButtonBitmap, nullptr);
  HWND again = test::CreateRecordingWindow(FormClass);
  ASSERT_EQ(SkinWindow(again), 1);
  EXPECT_EQ(GetObjectType(HeaderBitmap), static_cast<DWORD>(OBJ_MEMDC));
  DestroyWindow(again);
}

// WM_CTLCOLORLISTBOX names a drop-down list, WM_ENTERIDLE an idle dialog: each is attached
// once, the dialog with its controls, and the previous procedure's answer comes back. A
// window of another thread is never attached, even when announced.
TEST_F(Core, AnnouncedWindowsAreAttachedOnceWithTheirControlsAndOnlyOurs) {
  test::ForeignWindow theirs;
  const LONG_PTR theirProcedure = GetWindowLongPtrW(theirs.hwnd(), GWLP_WNDPROC);
  ASSERT_EQ(SkinWindow(form()), 1);
  HWND list =
      CreateWindowExW(0, L"ComboLBox", L"", WS_POPUP, 0, 0, 50, 50, form(), nullptr, nullptr, nullptr);
  HWND dialog = test::CreateRecordingWindow(FormClass);
  CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 60, 20, dialog, nullptr, nullptr, nullptr);
  test::Recorder::SetHook([](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = 0x77;
    return message == WM_CTLCOLORLISTBOX || message == WM_ENTERIDLE;
  });
  const struct {
    UINT message;
    HWND announced;
    LONG count;
  } announcements[] = {{WM_ENTERIDLE, nullptr, 1},         {WM_CTLCOLORLISTBOX, theirs.hwnd(), 1},
                       {WM_ENTERIDLE, theirs.hwnd(), 1},   {WM_CTLCOLORLISTBOX, list, 2},
                       {WM_CTLCOLORLISTBOX, list, 2},      {WM_ENTERIDLE, dialog, 4},
                       {WM_ENTERIDLE, dialog, 4}};
  for (const auto& a : announcements) {
    EXPECT_EQ(SendMessageW(form(), a.message, 0, reinterpret_cast<LPARAM>(a.announced)), 0x77);
    EXPECT_EQ(SkinnedWindowCount, a.count) << "message " << a.message;
  }
  EXPECT_EQ(AttachSkin(theirs.hwnd()), 0);
  EXPECT_FALSE(test::HasProp(theirs.hwnd(), PropProcAddr));
  EXPECT_EQ(GetWindowLongPtrW(theirs.hwnd(), GWLP_WNDPROC), theirProcedure);
  DestroyWindow(dialog);
  DestroyWindow(list);
  EXPECT_EQ(SkinnedWindowCount, 1);
}

// A form's own procedure attaches again from the WM_NCPAINT its attachment sends, a button's
// from the caption request its faces make, and a button's removes the skin from the style
// change its removal makes: each window ends attached or removed once, counted once, never
// chained to the skin's own procedure. Previous procedures that answer routed messages with
// routed messages reach each once per send.
TEST_F(Core, AttachingRemovingAndRoutingAgainFromInsideChangeNothing) {
  HWND late = test::CreateRecordingWindow(OtherClass, form());
  HWND first = AddButton(5, 5), second = AddButton(5, 40);
  for (HWND b : {first, second}) test::InstallRecordingSubclass(b);
  const LONG_PTR recording = GetWindowLongPtrW(first, GWLP_WNDPROC);
  const UINT echoes[][2] = {{WM_PAINT, WM_SIZE}, {WM_SIZE, WM_MOUSEMOVE}, {WM_MOUSEMOVE, WM_LBUTTONUP},
                            {WM_LBUTTONUP, WM_ACTIVATE}};
  int nested = 0;
  test::Recorder::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_NCPAINT && hwnd == form())
      nested += AttachSkin(form()) + SkinWindow(form()) + AttachSkin(late);
    if (message == WM_GETTEXTLENGTH && hwnd == first) nested += AttachSkin(first);
    if (message == WM_STYLECHANGED && hwnd == second) nested += DetachSkin(second) * 100;
    for (const auto& e : echoes)
      if (hwnd == late && message == e[0]) SendMessageW(hwnd, e[1], 0, 0);
    return false;
  });
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(SkinnedWindowCount, 4);
  EXPECT_EQ(ReadProp(first, PropProcAddr), recording);
  EXPECT_FALSE(test::HasProp(first, PropAttaching));
  EXPECT_EQ(DetachSkin(second), 0);  // the inner removal did the work and the counting
  EXPECT_EQ(nested, 100);
  EXPECT_FALSE(IsSkinned(second));
  EXPECT_EQ(SkinnedWindowCount, 3);
  test::Recorder::Clear();
  RedrawWindow(late, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  for (const auto& e : echoes) EXPECT_EQ(test::Recorder::Count(e[1], late), 1) << e[1];
}

// A WM_DESTROY reaching the skin through a subclass installed after it takes the skin off and
// puts back the procedure from before the skin, the later subclass gone with it. A message
// for a window without the skin gets the default handling only, a null window nothing.
TEST_F(Core, AWindowSubclassedAfterTheSkinAndMessagesForWindowsWithoutIt) {
  HWND target = test::CreateRecordingWindow(OtherClass, form());
  ASSERT_EQ(SkinWindow(form()), 1);
  static WNDPROC skinProcedure = nullptr;
  static int laterCalls = 0;
  skinProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        ++laterCalls;
        return CallWindowProcW(skinProcedure, hwnd, m, w, l);
      })));
  ASSERT_EQ(skinProcedure, &SkinWndProc);
  SendMessageW(target, WM_DESTROY, 0, 0);
  EXPECT_EQ(laterCalls, 1);
  EXPECT_EQ(GetWindowLongPtrW(target, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
  EXPECT_EQ(SkinnedWindowCount, 1);
  SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWndProc));
  test::Recorder::Clear();
  SetWindowTextW(target, L"default");
  wchar_t text[16] = {};
  GetWindowTextW(target, text, 16);
  EXPECT_STREQ(text, L"default");
  EXPECT_TRUE(test::Recorder::Log().empty());
  EXPECT_EQ(SkinWndProc(nullptr, WM_APP, 1, 2), 0);
  DestroyWindow(target);
}

}  // namespace
