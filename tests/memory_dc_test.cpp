// Memory surfaces: size and format of what CreateMemoryDC makes, and that DeleteMemoryDC
// gives every GDI object back.
#include "skin/render/memory_dc.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "skin/render/gdi_guard.h"
#include "tests/support/gdi_capacity.h"
#include "tests/support/pixels.h"

namespace {

constexpr int SurfaceCount = 300;
constexpr int SmallSide = 8;

BITMAP CurrentBitmap(HDC dc) {
  BITMAP info{};
  GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info);
  return info;
}

int DisplayBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return bits;
}

TEST(MemoryDc, SurfaceHasTheSizeAndColourFormatOfTheDisplay) {
  constexpr int Width = 13;
  constexpr int Height = 7;
  HDC surface = skin::CreateMemoryDC(Width, Height);
  ASSERT_NE(surface, nullptr);
  BITMAP info = CurrentBitmap(surface);
  EXPECT_EQ(info.bmWidth, Width);
  EXPECT_EQ(info.bmHeight, Height);
  // Not the 1 x 1 monochrome placeholder of a new memory context.
  EXPECT_EQ(info.bmBitsPixel * info.bmPlanes, DisplayBitsPerPixel());

  // At the display's depth (24 or 32 bits here) colours are stored exactly, including
  // one that differs from the key colour in the lowest red bit.
  const COLORREF colours[] = {0xFF00FF, 0xFF00FE, 0x000001, 0xD58F1B, 0xFFFFFF};
  for (int i = 0; i < static_cast<int>(std::size(colours)); ++i) SetPixel(surface, i, 0, colours[i]);
  test::Pixels pixels = test::ReadDc(surface, 0, 0, Width, Height);
  for (int i = 0; i < static_cast<int>(std::size(colours)); ++i) {
    EXPECT_EQ(pixels.at(i, 0), colours[i]) << "pixel " << i;
  }
  skin::DeleteMemoryDC(surface);
}

// No surface has an empty or negative side; what was made on the way is released.
TEST(MemoryDc, ImpossibleSizeGivesNullAndKeepsNothing) {
  const SIZE sizes[] = {{-1, SmallSide}, {SmallSide, -1}, {0, SmallSide}, {SmallSide, 0}};
  auto work = [&] {
    for (int i = 0; i < SurfaceCount; ++i) {
      for (SIZE size : sizes) {
        HDC surface = skin::CreateMemoryDC(size.cx, size.cy);
        EXPECT_EQ(surface, nullptr) << size.cx << " x " << size.cy;
        skin::DeleteMemoryDC(surface);  // a null handle is accepted and does nothing
      }
    }
  };
  work();  // the first display context of a process makes objects that stay
  int leaked = test::GdiObjectsLeakedBy(work);
  EXPECT_EQ(leaked, 0);
}

TEST(MemoryDc, ReleasingSurfacesReleasesTheirBitmaps) {
  // The first display context of a process makes objects that stay for its lifetime.
  skin::DeleteMemoryDC(skin::CreateMemoryDC(SmallSide, SmallSide));
  int leaked = test::GdiObjectsLeakedBy([] {
    for (int i = 0; i < SurfaceCount; ++i) {
      skin::DeleteMemoryDC(skin::CreateMemoryDC(SmallSide, SmallSide));
    }
    for (int i = 0; i < SurfaceCount; ++i) {
      skin::MemorySurface guarded(SmallSide, SmallSide);
      ASSERT_NE(static_cast<HDC>(guarded), nullptr);
    }
  });
  EXPECT_EQ(leaked, 0);
}

// The reason for DeleteMemoryDC: DeleteDC alone leaves each surface's bitmap behind, and
// the capacity measurement sees it. Without this the test above could not fail.
TEST(MemoryDc, DeleteDcAloneWouldLeaveTheBitmapBehind) {
  std::vector<HGDIOBJ> orphans;
  int leaked = test::GdiObjectsLeakedBy([&] {
    for (int i = 0; i < SurfaceCount; ++i) {
      HDC surface = skin::CreateMemoryDC(SmallSide, SmallSide);
      orphans.push_back(GetCurrentObject(surface, OBJ_BITMAP));
      DeleteDC(surface);
    }
  });
  for (HGDIOBJ bitmap : orphans) EXPECT_NE(DeleteObject(bitmap), 0);
  EXPECT_GE(leaked, SurfaceCount);
}

}  // namespace
