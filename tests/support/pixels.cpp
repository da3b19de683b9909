#include "tests/support/pixels.h"

namespace test {

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
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down, 0x00RRGGBB
  DWORD* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, w, h, dc, x, y, SRCCOPY);
  GdiFlush();
  Pixels pixels(w, h);  // red and blue change places
  for (int i = 0; i < w * h; ++i)
    pixels.at(i % w, i / w) = RGB(GetBValue(bits[i]), GetGValue(bits[i]), GetRValue(bits[i]));
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

}  // namespace test
