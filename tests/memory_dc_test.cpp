// Memory surfaces: size and format of what CreateMemoryDC makes, and that DeleteMemoryDC
// gives every GDI object back.
#include "skin/render/memory_dc.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/render/gdi_guard.h"
#include "tests/support/gdi_capacity.h"

namespace {

constexpr int Surfaces = 300;

// Catches a surface left with the 1 x 1 monochrome placeholder of a new memory context.
TEST(MemoryDc, SurfaceHasTheRequestedSizeInTheDisplayFormat) {
  skin::MemorySurface surface(13, 7);
  ASSERT_NE(static_cast<HDC>(surface), nullptr);
  BITMAP info{};
  GetObjectW(GetCurrentObject(surface, OBJ_BITMAP), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 13);
  EXPECT_EQ(info.bmHeight, 7);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(info.bmBitsPixel * info.bmPlanes, GetDeviceCaps(screen, BITSPIXEL));
  ReleaseDC(nullptr, screen);
}

// Catches a bitmap or context kept by a released surface, or by a refused impossible size.
TEST(MemoryDc, ReleasedAndRefusedSurfacesKeepNothing) {
  auto work = [] {
    for (int i = 0; i < Surfaces; ++i) {
      skin::DeleteMemoryDC(skin::CreateMemoryDC(8, 8));
      for (SIZE size : {SIZE{0, 8}, SIZE{8, 0}, SIZE{-1, 8}, SIZE{8, -1}}) {
        HDC none = skin::CreateMemoryDC(size.cx, size.cy);
        EXPECT_EQ(none, nullptr) << size.cx << " x " << size.cy;
        skin::DeleteMemoryDC(none);  // accepted, does nothing
      }
    }
  };
  work();  // the first display use keeps about ten objects for the process
  EXPECT_EQ(test::GdiObjectsLeakedBy(work), 0);
}

// DeleteDC alone leaves each surface's bitmap behind and the measurement sees it: without
// this the test above could not be known to fail.
TEST(MemoryDc, DeleteDcAloneWouldLeaveTheBitmapBehind) {
  std::vector<HGDIOBJ> orphans;
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < Surfaces; ++i) {
      HDC surface = skin::CreateMemoryDC(8, 8);
      orphans.push_back(GetCurrentObject(surface, OBJ_BITMAP));
      DeleteDC(surface);
    }
  });
  for (HGDIOBJ bitmap : orphans) DeleteObject(bitmap);
  EXPECT_GE(leaked, Surfaces);
}

}  // namespace
