// Measures what skin drawing costs on this machine, relative to the cheapest thing the
// display can do: one plain BitBlt of the same size, timed in the same run.
//
//   skin_bench                          prints the figures
//   skin_bench --dump-bitmaps out.bmp   also writes the skin bitmaps, enlarged
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "skin/render/blit.h"
#include "skin/render/gdi_guard.h"
#include "skin/render/primitives.h"
#include "skin/render/skin_bitmaps.h"
#include "skin/render/skin_colors.h"

namespace {

// A command button of the main window.
constexpr int ButtonWidth = 113;
constexpr int ButtonHeight = 33;
// The normal face in ButtonBitmap and the margins its painter uses.
constexpr int FaceWidth = 7;
constexpr int FaceHeight = 21;
constexpr int FaceMargin = 3;
// Each measurement runs for at least this long, so that timer resolution does not matter.
constexpr double MinimumSeconds = 0.3;
constexpr int FirstBatch = 16;

// Dump layout: every bitmap pixel becomes a Scale x Scale block; Gap grey pixels around
// and between the bitmaps.
constexpr int Scale = 12;
constexpr int Gap = 24;
constexpr COLORREF Grey = 0x808080;
constexpr int DumpBitsPerPixel = 24;
constexpr WORD BmpSignature = 0x4D42;  // "BM"


double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Mean seconds per call of op, doubling the batch until one batch takes long enough.
template <typename Op>
double SecondsPerCall(Op op) {
  for (int batch = FirstBatch;; batch *= 2) {
    LARGE_INTEGER start{};
    LARGE_INTEGER stop{};
    QueryPerformanceCounter(&start);
    for (int i = 0; i < batch; ++i) op();
    GdiFlush();
    QueryPerformanceCounter(&stop);
    double elapsed = Seconds(start, stop);
    if (elapsed >= MinimumSeconds) return elapsed / batch;
  }
}

void PrintRow(const char* what, double seconds, double baseline) {
  std::printf("  %-44s %10.2f us  %8.1f x BitBlt\n", what, seconds * 1e6, seconds / baseline);
}

void RunBenchmarks() {
  skin::MemorySurface destination(ButtonWidth, ButtonHeight);
  skin::MemorySurface source(ButtonWidth, ButtonHeight);
  skin::FillSolid(source, 0, 0, ButtonWidth, ButtonHeight, skin::SkinFrameColor);
  skin::BuildSkinBitmaps();

  double blit = SecondsPerCall([&] {
    BitBlt(destination, 0, 0, ButtonWidth, ButtonHeight, source, 0, 0, SRCCOPY);
  });
  double nineSlice = SecondsPerCall([&] {
    skin::DrawSkinPart(destination, 0, 0, ButtonWidth, ButtonHeight, skin::ButtonBitmap, 0, 0,
                       FaceWidth, FaceHeight, FaceMargin, FaceMargin, FaceMargin, FaceMargin);
  });
  double keyed = SecondsPerCall([&] {
    skin::DrawSkinPart(destination, 0, 0, ButtonWidth, ButtonHeight, skin::ButtonBitmap, 0, 0,
                       FaceWidth, FaceHeight, FaceMargin, FaceMargin, FaceMargin, FaceMargin,
                       skin::SkinKeyColor);
  });
  skin::ReleaseSkinBitmaps();
  // Only the build is timed; each release happens before the next build starts.
  double build = 0;
  {
    LARGE_INTEGER start{};
    LARGE_INTEGER stop{};
    int builds = 0;
    double total = 0;
    while (total < MinimumSeconds) {
      QueryPerformanceCounter(&start);
      skin::BuildSkinBitmaps();
      GdiFlush();
      QueryPerformanceCounter(&stop);
      skin::ReleaseSkinBitmaps();
      total += Seconds(start, stop);
      ++builds;
    }
    build = total / builds;
  }

  HDC screen = GetDC(nullptr);
  int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  std::printf("Skin drawing at button size %d x %d, display %d bpp\n", ButtonWidth, ButtonHeight,
              bitsPerPixel);
  PrintRow("BitBlt (baseline)", blit, blit);
  PrintRow("DrawSkinPart, no key", nineSlice, blit);
  PrintRow("DrawSkinPart, key 0xFF00FF", keyed, blit);
  int pixels = 0;
  for (const skin::SkinBitmap& bitmap : skin::SkinBitmaps) pixels += bitmap.size.cx * bitmap.size.cy;
  const std::string label = "BuildSkinBitmaps (" + std::to_string(pixels) + " SetPixel)";
  PrintRow(label.c_str(), build, blit);
}

// The skin bitmaps side by side on grey, each pixel enlarged to a Scale x Scale block.
bool DumpBitmaps(const char* path) {
  skin::BuildSkinBitmaps();
  int width = Gap;
  int height = 0;
  for (const skin::SkinBitmap& bitmap : skin::SkinBitmaps) {
    width += bitmap.size.cx * Scale + Gap;
    if (bitmap.size.cy * Scale > height) height = bitmap.size.cy * Scale;
  }
  height += 2 * Gap;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = DumpBitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  skin::GdiObject<HBITMAP> canvasBitmap(
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ReleaseDC(nullptr, screen);
  skin::OwnedDc canvas(CreateCompatibleDC(nullptr));
  bool written = false;
  if (canvas && canvasBitmap && bits) {
    skin::Selected selection(canvas, canvasBitmap);
    skin::FillSolid(canvas, 0, 0, width, height, Grey);
    // Enlarging with plain pixel repetition shows every pixel as it is.
    SetStretchBltMode(canvas, COLORONCOLOR);
    int x = Gap;
    for (const skin::SkinBitmap& bitmap : skin::SkinBitmaps) {
      const SIZE size = bitmap.size;
      StretchBlt(canvas, x, Gap, size.cx * Scale, size.cy * Scale, *bitmap.surface, 0, 0, size.cx,
                 size.cy, SRCCOPY);
      x += size.cx * Scale + Gap;
    }
    GdiFlush();

    const DWORD stride = ((static_cast<DWORD>(width) * DumpBitsPerPixel + 31) / 32) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = BmpSignature;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    if (FILE* out = std::fopen(path, "wb")) {
      written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
                std::fwrite(bits, 1, imageSize, out) == imageSize;
      written = std::fclose(out) == 0 && written;
    }
  }
  skin::ReleaseSkinBitmaps();
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  const char* dumpPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dump-bitmaps") == 0 && i + 1 < argc) {
      dumpPath = argv[++i];
    } else {
      std::fprintf(stderr, "usage: skin_bench [--dump-bitmaps out.bmp]\n");
      return 2;
    }
  }
  RunBenchmarks();
  if (dumpPath) {
    if (!DumpBitmaps(dumpPath)) {
      std::fprintf(stderr, "could not write %s\n", dumpPath);
      return 1;
    }
    std::printf("Wrote %s (%dx enlarged)\n", dumpPath, Scale);
  }
  return 0;
}
