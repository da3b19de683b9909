#pragma once
// Reading pixels back: from memory surfaces directly, from windows by copying their
// window device context (PrintWindow would send WM_PRINT, which the skin does not route).
#include <windows.h>

#include <vector>

namespace test {

// A snapshot of pixels as COLORREF values (0x00BBGGRR), row by row.
class Pixels {
 public:
  Pixels() = default;
  Pixels(int width, int height) : width_(width), height_(height), data_(width * height) {}
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return data_[static_cast<size_t>(y * width_ + x)]; }
  COLORREF& at(int x, int y) { return data_[static_cast<size_t>(y * width_ + x)]; }
  // Number of pixels in the rectangle that have the colour.
  int Count(COLORREF colour, int x, int y, int w, int h) const;
  int Count(COLORREF colour) const { return Count(colour, 0, 0, width_, height_); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> data_;
};

// Copies a rectangle of a device context into a 32-bit DIB and returns its pixels.
Pixels ReadDc(HDC dc, int x, int y, int w, int h);

// The whole window as it is on screen now (window DC, origin at its top-left corner).
Pixels ReadWindow(HWND hwnd);

// A 32-bit top-down DIB section selected into a memory DC, for drawing targets.
class DibSurface {
 public:
  DibSurface(int width, int height, COLORREF fill = 0);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const;
  void set(int x, int y, COLORREF colour);
  Pixels Read() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
};

// Writes pixels as a PNG-free BMP file (24-bit) for looking at; scale enlarges each pixel.
bool SaveBmp(const Pixels& pixels, const wchar_t* path, int scale = 1);

}  // namespace test
