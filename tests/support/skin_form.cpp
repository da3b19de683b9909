#include "tests/support/skin_form.h"

#include "skin/core/attach.h"
#include "app/gallery/kind_classes.h"
#include "tests/support/pump.h"
#include "tests/support/recorder.h"

namespace test {

namespace {
constexpr wchar_t FormClass[] = L"ThunderRT6FormDC";
constexpr int FormLeft = 40;
constexpr int FormTop = 40;
}  // namespace

SkinForm::SkinForm(int width, int height) {
  gallery::RegisterKindClasses();
  hwnd_ = CreateRecordingWindow(FormClass, nullptr, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                FormLeft, FormTop, width, height);
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SetForegroundWindow(hwnd_);
}

SkinForm::~SkinForm() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  PumpMessages();
}

HWND SkinForm::Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h,
                   const wchar_t* text, DWORD exStyle) {
  HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

void SkinForm::Skin() {
  skin::SkinWindow(hwnd_);
  Settle();
}

void SkinForm::Settle() {
  PumpMessages();
  GdiFlush();
}

void SkinForm::Repaint(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Settle();
}

}  // namespace test
