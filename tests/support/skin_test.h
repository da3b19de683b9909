#pragma once
// What the painter, paint-handler and interaction tests share: a fixture owning one skinned
// form, and short ways to read properties, artwork and the messages that reached a window.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

#include "app/gallery/kind_classes.h"
#include "platform/window_services.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/render/skin_colors.h"
#include "skin/render/visual_state.h"
#include "tests/support/pixels.h"
#include "tests/support/recorder.h"
#include "tests/support/skin_form.h"

namespace test {

// Rounding as the skin does it, computed independently: nearest, ties to even.
inline int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
inline int Centre(int space) { return Round(space / 2.0); }

inline int Prop(HWND hwnd, const wchar_t* name) { return skin::ReadIntProp(hwnd, name); }
inline COLORREF Art(HDC artwork, int x, int y) { return GetPixel(artwork, x, y); }
// Pixel (10, 1) of a 75 x 23 command button showing face `state` whole.
inline COLORREF FaceSpot(int state) { return Art(skin::ButtonBitmap, 3, 21 * state + 1); }

inline SIZE WindowSize(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Messages of one number that reached the recording procedure of one window.
inline int Received(HWND hwnd, UINT message) {
  int n = 0;
  for (const Recorded& r : Recorder::Log()) n += r.hwnd == hwnd && r.message == message;
  return n;
}

// Paints over part of a window directly, so that a later paint (or its absence) shows.
inline void Dab(HWND hwnd, int x, int y, COLORREF colour, int w = 1, int h = 1) {
  HDC dc = GetWindowDC(hwnd);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT r{x, y, x + w, y + h};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(hwnd, dc);
}

// Puts the cursor over a point of a window (client coordinates), or far from the form.
inline void PointAt(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  SetCursorPos(p.x, p.y);
}
inline void PointAway() { SetCursorPos(1200, 1000); }

class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Recorder::Clear();
    platform::Services() = platform::DefaultServices();
    PointAway();
  }
  void TearDown() override {
    Recorder::SetHook({});
    form_.reset();
    platform::Services() = platform::DefaultServices();
    EXPECT_EQ(skin::SkinnedWindowCount, 0);
  }
  SkinForm& form() {
    if (!form_) form_ = std::make_unique<SkinForm>();
    return *form_;
  }
  HWND AddButton(int x = 10, int y = 10, const wchar_t* text = L"") {
    return form().Add(L"Button", BS_PUSHBUTTON, x, y, 75, 23, text);
  }
  // A check box or option button (by its class), 120 x height at (10, y).
  HWND AddGlyph(const wchar_t* cls, int y, int height = 21) {
    const DWORD style = cls == gallery::CheckBoxClass ? BS_AUTOCHECKBOX : BS_AUTORADIOBUTTON;
    return form().Add(cls, style, 10, y, 120, height, L"Glyph");
  }
  // A 300 x 20 header at (10, y) with an 80-pixel item for each text.
  HWND AddHeader(std::initializer_list<const wchar_t*> texts, int y = 10) {
    HWND header = form().Add(WC_HEADERW, HDS_BUTTONS, 10, y, 300, 20);
    int i = 0;
    for (const wchar_t* text : texts) {
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.cxy = 80;
      item.pszText = const_cast<wchar_t*>(text);
      SendMessageW(header, HDM_INSERTITEMW, i++, reinterpret_cast<LPARAM>(&item));
    }
    return header;
  }
  // Makes the windows report `value` to BM_GETCHECK, whatever their own procedure would say.
  static void ReportCheck(std::initializer_list<HWND> windows, LRESULT value) {
    for (HWND hwnd : windows) InstallRecordingSubclass(hwnd);
    std::vector<HWND> reporting(windows);
    Recorder::SetHook([=](HWND to, UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != BM_GETCHECK) return false;
      if (std::find(reporting.begin(), reporting.end(), to) == reporting.end()) return false;
      result = value;
      return true;
    });
  }
  std::unique_ptr<SkinForm> form_;
};

}  // namespace test
