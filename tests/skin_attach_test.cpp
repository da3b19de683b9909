// Classification by class name, and attaching the skin: what each kind of window gets and
// what it must not, and windows that cannot be attached or vanish on the way.
#include "skin/engine/attach.h"

#include <climits>
#include <utility>
#include <vector>

#include "skin/engine/skin_wndproc.h"
#include "skin/kinds/kind_table.h"
#include "skin/render/gdi_guard.h"
#include "tests/support/foreign_window.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using Attach = test::SkinTest;

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
// as large as it and a region with rounded corners. A second SkinWindow changes nothing.
TEST_F(Attach, EachKindGetsItsPropertiesAndOnlyButtonsGetFacesAndARegion) {
  constexpr int No = INT_MIN;  // the property is absent
  const struct {
    const wchar_t* cls;
    DWORD style;
    int state, mouse, timer, alpha, pressed, hovered;
  } kinds[] = {{L"Button", BS_PUSHBUTTON, StateNormal, 0, 0, 0, No, No},
               {L"Button", BS_PUSHBUTTON | WS_DISABLED, StateDisabled, 0, 0, 0, No, No},
               {L"ComboBox", CBS_DROPDOWNLIST, StateNormal, 0, No, No, No, No},
               {gallery::DriveListClass, CBS_DROPDOWNLIST, StateNormal, 0, No, No, No, No},
               {gallery::CheckBoxClass, BS_AUTOCHECKBOX, StateNormal, 0, No, No, No, No},
               {gallery::OptionButtonClass, BS_AUTORADIOBUTTON, StateNormal, 0, No, No, No, No},
               {WC_HEADERW, 0, No, 0, No, No, -1, -1},
               {gallery::ProgressBarClass, 0, No, No, No, No, No, No},
               {L"Static", SS_BLACKRECT, No, No, No, No, No, No}};
  std::vector<HWND> windows;
  std::vector<LONG_PTR> procedures;
  for (const auto& k : kinds) {
    windows.push_back(Add(k.cls, k.style, 5, 5 + 30 * static_cast<int>(windows.size()), 75, 23));
    procedures.push_back(GetWindowLongPtrW(windows.back(), GWLP_WNDPROC));
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(SkinnedWindowCount, static_cast<LONG>(windows.size()) + 1);
  EXPECT_EQ(ReadProp(form(), PropProcAddr), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
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
    GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0)), rounded(CreateRoundRectRgn(0, 0, 76, 24, 3, 3));
    EXPECT_EQ(GetWindowRgn(w, region) != ERROR && EqualRgn(region, rounded), button);
    for (int n = 0; button && n < FaceCount; ++n) {
      auto bitmap = reinterpret_cast<HBITMAP>(ReadProp(w, FaceBitmapPropName(n)));
      BITMAP info{};
      GetObjectW(bitmap, sizeof(info), &info);
      EXPECT_EQ(GetCurrentObject(FaceDc(w, n), OBJ_BITMAP), bitmap) << "face " << n;
      EXPECT_EQ(std::make_pair(info.bmWidth, info.bmHeight), std::make_pair(75L, 23L)) << "face " << n;
    }
  }
  const HDC artwork = ButtonBitmap;
  EXPECT_EQ(SkinWindow(form()) + AttachSkin(windows[0]) + SkinWindow(nullptr) + AttachSkin(nullptr), 0);
  EXPECT_EQ(ButtonBitmap, artwork);
  EXPECT_EQ(SkinnedWindowCount, static_cast<LONG>(windows.size()) + 1);
}

// Push, default push and user buttons become owner-drawn, OLDSTYLE keeping the style before;
// every other type keeps its own painting (an automatic radio button still checks itself).
TEST_F(Attach, OnlyPushDefaultAndUserButtonsBecomeOwnerDrawn) {
  HWND buttons[16];
  LONG_PTR before[16];
  for (int type = 0; type < 16; ++type) {
    buttons[type] = Add(L"Button", static_cast<DWORD>(type), 2 + type % 4 * 70, 2 + type / 4 * 40, 60, 30);
    before[type] = GetWindowLongPtrW(buttons[type], GWL_STYLE);  // a user button may become a push one
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  for (int type = 0; type < 16; ++type) {
    const LONG_PTR created = before[type] & BS_TYPEMASK;
    const bool faces = created == BS_PUSHBUTTON || created == BS_DEFPUSHBUTTON || created == BS_USERBUTTON;
    EXPECT_EQ(GetWindowLongPtrW(buttons[type], GWL_STYLE) & BS_TYPEMASK, faces ? BS_OWNERDRAW : created)
        << type;
    EXPECT_EQ(ReadProp(buttons[type], PropOldStyle), before[type]) << type;
  }
  SendMessageW(buttons[BS_AUTORADIOBUTTON], BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(buttons[BS_AUTORADIOBUTTON], BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Attach, WindowsOfAnotherThreadAreLeftAloneEvenWhenAnnounced) {
  test::ForeignWindow theirs;
  HWND foreign = theirs.hwnd();
  const LONG_PTR procedure = GetWindowLongPtrW(foreign, GWLP_WNDPROC);
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(AttachSkin(foreign), 0);
  SendMessageW(form(), WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(foreign));
  SendMessageW(form(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(SkinnedWindowCount, 1);
  EXPECT_FALSE(test::HasProp(foreign, PropProcAddr));
  EXPECT_EQ(GetWindowLongPtrW(foreign, GWLP_WNDPROC), procedure);
  GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(foreign, region), ERROR);
}

// A button destroyed by its own procedure while it is attached or resized (on the caption
// request or the style change) is not counted, and its faces and region do not leak.
TEST_F(Attach, AButtonDestroyedWhileItIsAttachedOrResizedIsNotCountedAndLeaksNothing) {
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
TEST_F(Attach, FacesThatCannotBeMadeLeaveTheButtonAsItWasAndLeakNothing) {
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
      BITMAP info{};
      EXPECT_EQ(GetObjectW(shown, sizeof(info), &info) ? info.bmWidth * 100 + info.bmHeight : 0, 7523) << n;
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

}  // namespace
