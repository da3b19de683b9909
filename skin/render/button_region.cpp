#include "skin/render/button_region.h"

#include "skin/render/gdi_guard.h"

namespace skin {

namespace {
constexpr int CornerEllipse = 3;

HRGN MakeButtonRegion(int width, int height) {
  return CreateRoundRectRgn(0, 0, width + 1, height + 1, CornerEllipse, CornerEllipse);
}
}  // namespace

void SetButtonRegion(HWND hwnd, int width, int height) {
  HRGN region = MakeButtonRegion(width, height);
  // The window owns the region once it has taken it; a refused one (the window has gone,
  // for one) is still ours to delete.
  if (region && !SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
}

bool HasButtonRegion(HWND hwnd, int width, int height) {
  GdiObject<HRGN> current(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd, current) == ERROR) return false;
  GdiObject<HRGN> wanted(MakeButtonRegion(width, height));
  return EqualRgn(current, wanted) != FALSE;
}

}  // namespace skin
