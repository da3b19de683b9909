#pragma once
// The fixture of the skin's tests: a visible form of a form class at a fixed place, controls
// added to it, the skin attached, and short ways to read what the skin left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <tuple>

#include "app/gallery/kind_classes.h"
#include "skin/core/skin_state.h"
#include "skin/core/visual_state.h"
#include "skin/core/window_props.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"
#include "tests/support/pixels.h"
#include "tests/support/recorder.h"

namespace test {

// The skin's colours as its look is described, typed here apart from the code's constants.
inline constexpr COLORREF FrameBlue = 0xD5A554, PaleFrame = 0xE9CFA4, PressedFrame = 0xC48639;
inline constexpr COLORREF DisabledCaption = 0x968A79, ProgressFill = 0xF6D64C;
// Painted where a control's own look should show; in no skin artwork.
inline constexpr COLORREF Own = RGB(0x12, 0x34, 0x56);
// OLDSTATE holds this when the skin painted nothing: no paint writes it.
inline constexpr int Untouched = 7;

// Rounding as the skin does it, computed independently: nearest, ties to even.
int Centre(int space);
inline int Prop(HWND hwnd, const wchar_t* name) { return skin::ReadIntProp(hwnd, name); }
// A property holding 0 reads like an absent one; only the enumeration tells them apart.
bool HasProp(HWND hwnd, const wchar_t* name);
inline COLORREF Art(HDC artwork, int x, int y) { return GetPixel(artwork, x, y); }
SIZE WindowSize(HWND hwnd);
// Width * 100 + height of the bitmap selected into a device context (0 for none).
int BitmapSize(HGDIOBJ bitmap);
bool HasRoundedRegion(HWND hwnd, int w, int h);
// Paints over part of a window directly, so that a later paint (or its absence) shows.
void Dab(HWND hwnd, int x, int y, COLORREF colour, int w = 1, int h = 1);
// The cursor over a point of a window (client coordinates), or far from every window.
void PointAt(HWND hwnd, int x, int y);
void PointAway();
inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
// The glyph box of check boxes and option buttons, and its top in a control of that height.
inline SIZE GlyphBox() { return {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)}; }
inline int GlyphTop(int height) { return Centre(height - GlyphBox().cy); }
// The left edge of a combo's drop button, in window coordinates.
inline int DropButtonLeft(HWND combo) { return WindowSize(combo).cx - GetSystemMetrics(SM_CXVSCROLL) - 2; }
// A command button's OLDSTATE, ALPHALEVEL and whether a fade timer runs.
using Look = std::tuple<int, int, bool>;
Look LookOf(HWND button);
// Sends WM_TIMER until the fade stops; the number of steps (blends) it took.
int RunFade(HWND button, UINT_PTR id = 1);

class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The form, made on first use: of the size asked for then, 640 x 480 when none was.
  HWND form(SIZE size = {640, 480});
  HWND Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text = L"",
           DWORD exStyle = 0);
  // A 75 x 23 push button; a check box or option button (by class), 120 x height; a 300 x 20
  // header with an 80-pixel item for each text.
  HWND AddButton(int x = 10, int y = 10, const wchar_t* text = L"");
  HWND AddGlyph(const wchar_t* cls, int y, int height = 21);
  HWND AddHeader(std::initializer_list<const wchar_t*> texts, int y = 10);
  // Attaches the skin to the form and everything in it, then lets everything paint.
  void Skin();
  // Paints what is due and dispatches whatever else is queued.
  static void Settle();
  // Repaints one window now, frame and client, through the skin.
  static void Repaint(HWND hwnd);

 private:
  HWND form_ = nullptr;
};

}  // namespace test
