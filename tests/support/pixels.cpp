#include "tests/support/pixels.h"

namespace test {

namespace {

constexpr int BitsPerPixel = 32;

// A top-down 32-bit DIB section; its pixels are BGRA, that is 0x00RRGGBB as a DWORD.
HBITMAP CreateDib(HDC reference, int width, int height, DWORD** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = BitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  void* data = nullptr;
  HBITMAP bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &data, nullptr, 0);
  *bits = static_cast<DWORD*>(data);
  return bitmap;
}

COLORREF FromDib(DWORD value) { return RGB(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF); }

Pixels FromBits(const DWORD* bits, int width, int height) {
  GdiFlush();
  Pixels pixels(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.at(x, y) = FromDib(bits[y * width + x]);
  return pixels;
}

}  // namespace

int Pixels::Count(COLORREF colour, int x, int y, int w, int h) const {
  int count = 0;
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) count += at(col, row) == colour;
  return count;
}

int Pixels::Differences(const Pixels& other) const {
  int differences = 0;
  for (size_t i = 0; i < data_.size(); ++i) differences += data_[i] != other.data_[i];
  return differences;
}

Pixels Pixels::Crop(int x, int y, int w, int h) const {
  Pixels piece(w, h);
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) piece.at(col, row) = at(x + col, y + row);
  return piece;
}

Pixels ReadDc(HDC dc, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return Pixels(0, 0);
  DWORD* bits = nullptr;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP dib = CreateDib(dc, w, h, &bits);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, w, h, dc, x, y, SRCCOPY);
  Pixels pixels = FromBits(bits, w, h);
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
  const DWORD value = GetRValue(fill) << 16 | GetGValue(fill) << 8 | GetBValue(fill);
  for (int i = 0; i < width * height; ++i) bits_[i] = value;
}

DibSurface::~DibSurface() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

Pixels DibSurface::Read() const { return FromBits(bits_, width_, height_); }

void PaintPositions(HDC surface, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(surface, x, y, PositionColour(x, y));
}

}  // namespace test
