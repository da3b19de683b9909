#include "tests/support/pixels.h"

#include <cstdio>

namespace test {

namespace {

// BGRA in a 32-bit DIB -> COLORREF (0x00BBGGRR).
COLORREF FromDib(DWORD value) {
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}
DWORD ToDib(COLORREF colour) {
  return (static_cast<DWORD>(GetRValue(colour)) << 16) |
         (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
}

HBITMAP CreateDib(HDC reference, int width, int height, DWORD** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* data = nullptr;
  HBITMAP bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &data, nullptr, 0);
  *bits = static_cast<DWORD*>(data);
  return bitmap;
}

}  // namespace

int Pixels::Count(COLORREF colour, int x, int y, int w, int h) const {
  int count = 0;
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col)
      if (at(col, row) == colour) ++count;
  return count;
}

Pixels ReadDc(HDC dc, int x, int y, int w, int h) {
  Pixels pixels(w, h);
  if (w <= 0 || h <= 0) return pixels;
  DWORD* bits = nullptr;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP dib = CreateDib(dc, w, h, &bits);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, w, h, dc, x, y, SRCCOPY);
  GdiFlush();
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) pixels.at(col, row) = FromDib(bits[row * w + col]);
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  return pixels;
}

Pixels ReadWindow(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  HDC dc = GetWindowDC(hwnd);
  Pixels pixels = ReadDc(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(hwnd, dc);
  return pixels;
}

DibSurface::DibSurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateDib(screen, width, height, &bits_);
  ReleaseDC(nullptr, screen);
  old_ = SelectObject(dc_, bitmap_);
  for (int i = 0; i < width * height; ++i) bits_[i] = ToDib(fill);
}

DibSurface::~DibSurface() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF DibSurface::at(int x, int y) const {
  GdiFlush();
  return FromDib(bits_[y * width_ + x]);
}

void DibSurface::set(int x, int y, COLORREF colour) {
  GdiFlush();
  bits_[y * width_ + x] = ToDib(colour);
}

Pixels DibSurface::Read() const {
  GdiFlush();
  Pixels pixels(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) pixels.at(x, y) = FromDib(bits_[y * width_ + x]);
  return pixels;
}

bool SaveBmp(const Pixels& pixels, const wchar_t* path, int scale) {
  int w = pixels.width() * scale;
  int h = pixels.height() * scale;
  int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = w;
  info.biHeight = h;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * h);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = _wfopen(path, L"wb");
  if (!out) return false;
  fwrite(&file, sizeof(file), 1, out);
  fwrite(&info, sizeof(info), 1, out);
  std::vector<unsigned char> row(static_cast<size_t>(stride), 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      COLORREF c = pixels.at(x / scale, y / scale);
      row[static_cast<size_t>(x * 3)] = GetBValue(c);
      row[static_cast<size_t>(x * 3 + 1)] = GetGValue(c);
      row[static_cast<size_t>(x * 3 + 2)] = GetRValue(c);
    }
    fwrite(row.data(), 1, row.size(), out);
  }
  fclose(out);
  return true;
}

}  // namespace test
