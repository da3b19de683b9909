// Attaching the skin: what each kind of window gets, and what it must not get.
#include <gtest/gtest.h>


#include "skin/core/attach.h"
#include "skin/core/skin_state.h"
#include "skin/core/skin_wndproc.h"
#include "skin/core/window_props.h"
#include "tests/support/foreign_window.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pump.h"
#include "tests/support/props.h"
#include "tests/support/recorder.h"

namespace {

using namespace skin;

constexpr wchar_t TestFormClass[] = L"ThunderRT6FormDC";

class Attach : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SkinnedWindowCount, 0);
    form_ = test::CreateRecordingWindow(TestFormClass, nullptr, WS_POPUP | WS_VISIBLE, 10, 10,
                                        300, 200);
  }
  void TearDown() override {
    if (IsWindow(form_)) DestroyWindow(form_);
    EXPECT_EQ(SkinnedWindowCount, 0);
  }
  HWND AddChild(const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, L"Child", WS_CHILD | WS_VISIBLE | style, x, y, w, h, form_,
                           nullptr, nullptr, nullptr);
  }
  HWND form_ = nullptr;
};


bool HasFaceBuffers(HWND hwnd) {
  for (int n = 0; n < FaceCount; ++n)
    if (!ReadProp(hwnd, FaceDcPropName(n)) || !ReadProp(hwnd, FaceBitmapPropName(n)))
      return false;
  return true;
}

TEST_F(Attach, FormWithButtonTextBoxAndPictureCountsFourAndOnlyTheButtonHasFaces) {
  HWND button = AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
  HWND edit = AddChild(L"Edit", 0, 5, 40, 100, 20);
  HWND picture = AddChild(L"Static", SS_BLACKRECT, 5, 70, 40, 40);

  EXPECT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(SkinnedWindowCount, 4);
  EXPECT_TRUE(SkinInitialized);
  for (HWND hwnd : {form_, button, edit, picture}) {
    EXPECT_NE(ReadProp(hwnd, PropProcAddr), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinWndProc));
  }
  EXPECT_TRUE(HasFaceBuffers(button));
  for (HWND hwnd : {form_, edit, picture}) {
    EXPECT_FALSE(HasFaceBuffers(hwnd));
    EXPECT_FALSE(test::HasProp(hwnd, PropOldState));
    EXPECT_FALSE(test::HasProp(hwnd, PropMouseFlag));
  }
  // The previous procedures are remembered: the form's own is the recording one.
  EXPECT_EQ(ReadProp(form_, PropProcAddr), reinterpret_cast<LONG_PTR>(&test::RecordingProc));
}

TEST_F(Attach, SecondSkinWindowChangesNothing) {
  AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
  ASSERT_EQ(SkinWindow(form_), 1);
  HDC bitmaps[] = {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap};
  EXPECT_EQ(SkinWindow(form_), 0);
  EXPECT_EQ(SkinnedWindowCount, 2);
  HDC after[] = {ButtonBitmap, ComboBitmap, CheckBitmap, GlyphBitmap, HeaderBitmap};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(bitmaps[i], after[i]) << "bitmap " << i << " rebuilt";
  EXPECT_EQ(AttachSkin(nullptr), 0);
  EXPECT_EQ(SkinWindow(nullptr), 0);
  EXPECT_EQ(SkinnedWindowCount, 2);
}

TEST_F(Attach, CommandButtonStartsWithItsStateAndRestProperties) {
  HWND enabled = AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
  HWND disabled = AddChild(L"Button", BS_PUSHBUTTON | WS_DISABLED, 5, 40, 75, 23);
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(ReadIntProp(enabled, PropOldState), 0);
  EXPECT_EQ(ReadIntProp(disabled, PropOldState), 3);
  for (HWND b : {enabled, disabled}) {
    for (const wchar_t* name : {PropMouseFlag, PropTimerId, PropAlphaLevel, PropOldStyle}) {
      EXPECT_TRUE(test::HasProp(b, name)) << "missing property";
    }
    EXPECT_EQ(ReadIntProp(b, PropMouseFlag), 0);
    EXPECT_EQ(ReadIntProp(b, PropTimerId), 0);
    EXPECT_EQ(ReadIntProp(b, PropAlphaLevel), 0);
  }
}

TEST_F(Attach, OwnerDrawOnlyForPushDefaultAndUserButtons) {
  HWND buttons[16];
  LONG_PTR before[16];
  for (int type = 0; type < 16; ++type) {
    buttons[type] = AddChild(L"Button", static_cast<DWORD>(type), 2 + (type % 4) * 70,
                             2 + (type / 4) * 40, 60, 30);
    // The platform may turn a user button into a push button as it creates it.
    before[type] = GetWindowLongPtrW(buttons[type], GWL_STYLE);
  }
  ASSERT_EQ(SkinWindow(form_), 1);
  for (int type = 0; type < 16; ++type) {
    LONG_PTR created = before[type] & BS_TYPEMASK;
    LONG_PTR style = GetWindowLongPtrW(buttons[type], GWL_STYLE);
    bool drawnFromFaces =
        created == BS_PUSHBUTTON || created == BS_DEFPUSHBUTTON || created == BS_USERBUTTON;
    EXPECT_EQ(style & BS_TYPEMASK, drawnFromFaces ? BS_OWNERDRAW : created) << "type " << type;
    // The saved style is the one from before the change.
    EXPECT_EQ(ReadProp(buttons[type], PropOldStyle), before[type]) << "type " << type;
  }
}

TEST_F(Attach, AutomaticRadioButtonStillChecksItself) {
  HWND radio = AddChild(L"Button", BS_AUTORADIOBUTTON, 5, 5, 100, 20);
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(GetWindowLongPtrW(radio, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  SendMessageW(radio, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Attach, ButtonFacesAreWindowSizedAndTheRegionIsRounded) {
  HWND button = AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
  ASSERT_EQ(SkinWindow(form_), 1);
  for (int n = 0; n < FaceCount; ++n) {
    auto dc = reinterpret_cast<HDC>(ReadProp(button, FaceDcPropName(n)));
    auto bitmap = reinterpret_cast<HBITMAP>(ReadProp(button, FaceBitmapPropName(n)));
    ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 75);
    EXPECT_EQ(info.bmHeight, 23);
  }
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(button, actual), ERROR);
  HRGN expected = CreateRoundRectRgn(0, 0, 76, 24, 3, 3);
  EXPECT_TRUE(EqualRgn(actual, expected));
  DeleteObject(actual);
  DeleteObject(expected);
}

TEST_F(Attach, HoverKindsAndHeadersGetTheirProperties) {
  test::RegisterRecordingClass(L"ThunderRT6CheckBox");
  HWND check = test::CreateRecordingWindow(L"ThunderRT6CheckBox", form_);
  HWND combo = AddChild(L"ComboBox", CBS_DROPDOWNLIST, 5, 5, 100, 100);
  HWND header = AddChild(L"SysHeader32", 0, 5, 120, 200, 20);
  ASSERT_EQ(SkinWindow(form_), 1);
  for (HWND hwnd : {check, combo}) {
    EXPECT_TRUE(test::HasProp(hwnd, PropMouseFlag));
    EXPECT_TRUE(test::HasProp(hwnd, PropOldState));
    EXPECT_EQ(ReadIntProp(hwnd, PropOldState), 0);
  }
  EXPECT_EQ(ReadIntProp(header, PropHdIndex), -1);
  EXPECT_EQ(ReadIntProp(header, PropHmIndex), -1);
  EXPECT_TRUE(test::HasProp(header, PropMouseFlag));
  EXPECT_FALSE(test::HasProp(header, PropOldState));
}

TEST_F(Attach, NestedFormsAreAttachedOnce) {
  HWND inner = test::CreateRecordingWindow(TestFormClass, form_, WS_CHILD | WS_VISIBLE, 0, 0,
                                           100, 100);
  HWND deep = CreateWindowExW(0, L"Button", L"x", WS_CHILD, 0, 0, 20, 20, inner, nullptr,
                              nullptr, nullptr);
  ASSERT_EQ(SkinWindow(form_), 1);
  EXPECT_EQ(SkinnedWindowCount, 3);
  EXPECT_TRUE(IsSkinned(inner));
  EXPECT_TRUE(IsSkinned(deep));
}

TEST_F(Attach, WindowsOfAnotherThreadAreLeftAlone) {
  test::ForeignWindow theirs;
  HWND foreign = theirs.hwnd();
  LONG_PTR procedure = GetWindowLongPtrW(foreign, GWLP_WNDPROC);
  LONG_PTR style = GetWindowLongPtrW(foreign, GWL_STYLE);
  ASSERT_EQ(SkinWindow(form_), 1);

  EXPECT_EQ(AttachSkin(foreign), 0);
  EXPECT_EQ(SkinnedWindowCount, 1);
  EXPECT_FALSE(IsSkinned(foreign));
  EXPECT_EQ(GetWindowLongPtrW(foreign, GWLP_WNDPROC), procedure);
  EXPECT_EQ(GetWindowLongPtrW(foreign, GWL_STYLE), style);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(foreign, region), ERROR);
  DeleteObject(region);
  // Announced through a skinned window, it is still not taken.
  SendMessageW(form_, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(foreign));
  SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign));
  EXPECT_FALSE(IsSkinned(foreign));
  EXPECT_EQ(SkinnedWindowCount, 1);
}

// A button destroyed by its own procedure in the middle of its attachment or of a resize
// (it answers the caption request or the style change): it must not stay
// counted, and its faces and region must not leak.
TEST_F(Attach, AButtonDestroyedWhileItIsAttachedOrResizedIsNotCountedAndLeaksNothing) {
  const struct {
    bool resize;  // destroyed while resized rather than while attached
    UINT message;
  } cases[] = {{false, WM_GETTEXTLENGTH}, {false, BM_SETSTYLE}, {true, WM_GETTEXTLENGTH}};
  ASSERT_EQ(SkinWindow(form_), 1);
  auto destroyedWhile = [&](bool resize, UINT message) {
    HWND button = AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
    test::InstallRecordingSubclass(button);
    if (resize) {
      ASSERT_EQ(AttachSkin(button), 1);
    }
    test::Recorder::SetHook([=](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT&) {
      if (hwnd == button && m == message) DestroyWindow(hwnd);
      return false;
    });
    if (resize) {
      SetWindowPos(button, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      EXPECT_EQ(AttachSkin(button), 0);
    }
    test::Recorder::SetHook({});
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(SkinnedWindowCount, 1);
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.resize ? "resized" : "attached") << ", message 0x"
                                    << std::hex << c.message);
    destroyedWhile(c.resize, c.message);  // what the first pass along this path keeps
    EXPECT_EQ(test::GdiObjectsLeakedBy([&] { destroyedWhile(c.resize, c.message); }), 0);
  }
}

// A process at the limit of its GDI objects: a button attached then keeps its own look, one
// resized keeps its faces, recorded, so that the removal frees them.
TEST_F(Attach, FacesThatCannotBeMadeLeaveTheButtonAsItWasAndLeakNothing) {
  ASSERT_EQ(SkinWindow(form_), 1);
  auto atTheLimit = [&] {
    HWND late = AddChild(L"Button", BS_PUSHBUTTON, 5, 40, 75, 23);
    HWND resized = AddChild(L"Button", BS_PUSHBUTTON, 5, 5, 75, 23);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(late, GWLP_WNDPROC);
    ASSERT_EQ(AttachSkin(resized), 1);
    {
      test::GdiHog hog(0);
      EXPECT_EQ(AttachSkin(late), 0);
      SetWindowPos(resized, nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ(GetWindowLongPtrW(late, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(ReadProp(late, FaceDcPropName(0)), 0);
    EXPECT_EQ(SkinnedWindowCount, 2);
    for (int n = 0; n < FaceCount; ++n) {
      HGDIOBJ shown = GetCurrentObject(FaceDc(resized, n), OBJ_BITMAP);
      EXPECT_EQ(GetObjectType(shown), static_cast<DWORD>(OBJ_BITMAP)) << "face " << n;
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(ReadProp(resized, FaceBitmapPropName(n))), shown);
    }
    EXPECT_EQ(AttachSkin(late), 1);  // with room again, it is skinned as usual
    DestroyWindow(resized);
    DestroyWindow(late);
  };
  atTheLimit();  // what the first pass along these paths keeps
  EXPECT_EQ(test::GdiObjectsLeakedBy(atTheLimit), 0);
}

TEST(ApiExists, FindsExportsAndLeavesLibrariesAsTheyWere) {
  EXPECT_TRUE(ApiExists("TrackMouseEvent", L"User32"));
  EXPECT_FALSE(ApiExists("NoSuchProcedureAnywhere", L"User32"));
  EXPECT_FALSE(ApiExists("TrackMouseEvent", L"no-such-library.dll"));
  // A library loaded just for the question is released again.
  HMODULE before = GetModuleHandleW(L"mscms.dll");
  EXPECT_TRUE(ApiExists("OpenColorProfileW", L"mscms.dll"));
  EXPECT_EQ(GetModuleHandleW(L"mscms.dll"), before);
}

}  // namespace
