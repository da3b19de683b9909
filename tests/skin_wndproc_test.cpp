// The routing window procedure and the removal of the skin, both also entered again from
// inside themselves.
#include "skin/engine/skin_wndproc.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "skin/engine/attach.h"
#include "skin/engine/detach.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/skin_bitmaps.h"
#include "tests/support/skin_test.h"

namespace {

using namespace skin;
using Routing = test::SkinTest;

constexpr wchar_t OtherClass[] = L"TintoraTestOther";
constexpr wchar_t FormClass[] = L"ThunderRT6FormDC";

// Each message reaches the previous procedure once, with its parameters, and its answer comes
// back, for a window of no kind and a command button alike; only a button's paint is the
// skin's alone. WM_DESTROY, last, removes the skin.
TEST_F(Routing, EveryMessageReachesThePreviousProcedureOnceAndReturnsItsResult) {
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
// WM_DESTROY. A button gets back its procedure and style and loses its region, properties
// and faces. The last window releases the engine; the next SkinWindow builds it again.
TEST_F(Routing, DestroyRemovesTheSkinFirstRestoresEverythingAndReleasesTheEngineLast) {
  HWND child = test::CreateRecordingWindow(OtherClass, form());
  HWND button = Add(L"Button", BS_DEFPUSHBUTTON, 5, 5, 75, 23, L"OK");
  const LONG_PTR procedure = GetWindowLongPtrW(button, GWLP_WNDPROC);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  ASSERT_EQ(SkinWindow(form()), 1);
  std::vector<HGDIOBJ> faces;
  for (int n = 0; n < FaceCount; ++n) {
    faces.push_back(FaceDc(button, n));
    faces.push_back(reinterpret_cast<HGDIOBJ>(ReadProp(button, FaceBitmapPropName(n))));
  }
  std::vector<HDC> artwork;
  for (const SkinBitmap& bitmap : SkinBitmaps) artwork.push_back(*bitmap.surface);
  SendMessageW(button, WM_DESTROY, 0, 0);
  EXPECT_EQ(SkinnedWindowCount, 2);
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), procedure);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE), style);
  for (const wchar_t* name : {PropProcAddr, PropOldStyle, PropMouseFlag, PropTimerId, PropOldState,
                              PropAlphaLevel, FaceDcPropName(0), FaceBitmapPropName(3)})
    EXPECT_FALSE(test::HasProp(button, name)) << name;
  for (HGDIOBJ face : faces) EXPECT_EQ(GetObjectType(face), 0u) << "a face buffer lives on";
  GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(button, region), ERROR);
  EXPECT_EQ(DetachSkin(button) + DetachSkin(nullptr), 0);

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
// once, the dialog with its controls, and the previous procedure's answer comes back.
TEST_F(Routing, AnnouncedWindowsAreAttachedOnceWithTheirControls) {
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
  } announcements[] = {{WM_ENTERIDLE, nullptr, 1},
                       {WM_CTLCOLORLISTBOX, list, 2},
                       {WM_CTLCOLORLISTBOX, list, 2},
                       {WM_ENTERIDLE, dialog, 4},
                       {WM_ENTERIDLE, dialog, 4}};
  for (const auto& a : announcements) {
    EXPECT_EQ(SendMessageW(form(), a.message, 0, reinterpret_cast<LPARAM>(a.announced)), 0x77);
    EXPECT_EQ(SkinnedWindowCount, a.count) << "message " << a.message;
  }
  DestroyWindow(dialog);
  DestroyWindow(list);
  EXPECT_EQ(SkinnedWindowCount, 1);
}

// A form's own procedure attaches again from the WM_NCPAINT its attachment sends, a button's
// from the caption request its faces make, and a button's removes the skin from the style
// change its removal makes: each window ends attached or removed once, counted once, never
// chained to the skin's own procedure. Previous procedures that answer routed messages with
// routed messages reach each once per send.
TEST_F(Routing, AttachingRemovingAndRoutingAgainFromInsideChangeNothing) {
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

// Forms six deep, each with a button, are all attached once; attaching or announcing an inner
// one again changes nothing.
TEST_F(Routing, FormsInsideFormsAreAttachedOnce) {
  HWND parent = form();
  for (int i = 0; i < 6; ++i) {
    parent = test::CreateRecordingWindow(i % 2 ? L"#32770" : FormClass, parent, WS_CHILD | WS_VISIBLE, 2, 2,
                                         250 - 20 * i, 150 - 20 * i);
    CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 1, 1, 30, 15, parent, nullptr, nullptr,
                    nullptr);
  }
  ASSERT_EQ(SkinWindow(form()), 1);
  EXPECT_EQ(AttachSkin(parent), 0);
  SendMessageW(form(), WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(parent));
  EXPECT_EQ(SkinnedWindowCount, 13);
}

// A WM_DESTROY reaching the skin through a subclass installed after it takes the skin off and
// puts back the procedure from before the skin, the later subclass gone with it. A message
// for a window without the skin gets the default handling only, a null window nothing.
TEST_F(Routing, AWindowSubclassedAfterTheSkinAndMessagesForWindowsWithoutIt) {
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
