#include "tests/support/skin_test.h"

#include <cmath>
#include <utility>

#include "platform/window_services.h"
#include "skin/engine/attach.h"
#include "skin/render/gdi_guard.h"
#include "tests/support/pump.h"

namespace test {

namespace {
constexpr POINT FormPlace{40, 40};
constexpr POINT FarAway{1200, 1000};  // on the test screen, outside every test window
}  // namespace

int Centre(int space) { return static_cast<int>(std::nearbyint(space / 2.0)); }

bool HasProp(HWND hwnd, const wchar_t* name) {
  std::pair<const wchar_t*, bool> search{name, false};
  auto match = [](HWND, LPWSTR property, HANDLE, ULONG_PTR data) -> BOOL {
    auto* s = reinterpret_cast<std::pair<const wchar_t*, bool>*>(data);
    s->second |= !IS_INTRESOURCE(property) && lstrcmpW(property, s->first) == 0;
    return TRUE;
  };
  EnumPropsExW(hwnd, match, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

SIZE WindowSize(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

int BitmapSize(HGDIOBJ bitmap) {
  BITMAP info{};
  return GetObjectW(bitmap, sizeof(info), &info) ? info.bmWidth * 100 + info.bmHeight : 0;
}

bool HasRoundedRegion(HWND hwnd, int w, int h) {
  skin::GdiObject<HRGN> actual(CreateRectRgn(0, 0, 0, 0));
  skin::GdiObject<HRGN> rounded(CreateRoundRectRgn(0, 0, w + 1, h + 1, 3, 3));
  return GetWindowRgn(hwnd, actual) != ERROR && EqualRgn(actual, rounded);
}

void Dab(HWND hwnd, int x, int y, COLORREF colour, int w, int h) {
  skin::WindowDc dc(hwnd);
  skin::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  const RECT r{x, y, x + w, y + h};
  FillRect(dc, &r, brush);
}

void PointAt(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  SetCursorPos(p.x, p.y);
}

void PointAway() { SetCursorPos(FarAway.x, FarAway.y); }

Look LookOf(HWND button) {
  using namespace skin;
  return {Prop(button, PropOldState), Prop(button, PropAlphaLevel), Prop(button, PropTimerId) != 0};
}

int RunFade(HWND button, UINT_PTR id) {
  int steps = 0;
  for (; Prop(button, skin::PropTimerId) != 0 && steps < 1000; ++steps) SendMessageW(button, WM_TIMER, id, 0);
  return steps;
}

void SkinTest::SetUp() {
  Recorder::Clear();
  PointAway();
}

void SkinTest::TearDown() {
  Recorder::SetHook({});
  DestroyWindow(form_);
  PumpMessages();
  platform::Services() = platform::DefaultServices();
  skin::HasTrackMouseEvent = true;
  EXPECT_EQ(skin::SkinnedWindowCount, 0);
  EXPECT_FALSE(skin::SkinInitialized);
}

HWND SkinTest::form(SIZE size) {
  if (form_) return form_;
  gallery::RegisterKindClasses();
  form_ = CreateRecordingWindow(L"ThunderRT6FormDC", nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                FormPlace.x, FormPlace.y, size.cx, size.cy);
  // Said at once: a test of controls that were never made would otherwise pass vacuously.
  if (!form_) ADD_FAILURE() << "the form could not be made, error " << GetLastError();
  SetForegroundWindow(form_);
  return form_;
}

HWND SkinTest::Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text,
                   DWORD exStyle) {
  HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (!child) ADD_FAILURE() << "a control could not be made, error " << GetLastError();
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

HWND SkinTest::AddButton(int x, int y, const wchar_t* text) {
  return Add(L"Button", BS_PUSHBUTTON, x, y, 75, 23, text);
}

HWND SkinTest::AddGlyph(const wchar_t* cls, int y, int height) {
  return Add(cls, cls == gallery::CheckBoxClass ? BS_AUTOCHECKBOX : BS_AUTORADIOBUTTON, 10, y, 120, height,
             L"Glyph");
}

HWND SkinTest::AddHeader(std::initializer_list<const wchar_t*> texts, int y) {
  HWND header = Add(WC_HEADERW, HDS_BUTTONS, 10, y, 300, 20);
  for (const wchar_t* text : texts) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 80;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(header, HDM_INSERTITEMW, SendMessageW(header, HDM_GETITEMCOUNT, 0, 0),
                 reinterpret_cast<LPARAM>(&item));
  }
  return header;
}

void SkinTest::Skin() {
  ASSERT_EQ(skin::SkinWindow(form()), 1);
  Settle();
}

void SkinTest::Settle() {
  PumpMessages();
  GdiFlush();
}

void SkinTest::Repaint(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Settle();
}

}  // namespace test
