#pragma once
// Pixels read back from device contexts and windows, surfaces whose pixels are exact, and
// source pixels that name their own position. Colours are COLORREF (0x00BBGGRR).
#include <windows.h>

#include <set>
#include <vector>

namespace test {

class Pixels {
 public:
  Pixels() = default;
  Pixels(int width, int height)
      : width_(width), height_(height), data_(static_cast<size_t>(width * height)) {}
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return data_[static_cast<size_t>(y * width_ + x)]; }
  COLORREF& at(int x, int y) { return data_[static_cast<size_t>(y * width_ + x)]; }
  // Pixels of the rectangle (the whole snapshot by default) that have the colour.
  int Count(COLORREF colour, int x, int y, int w, int h) const;
  int Count(COLORREF colour) const { return Count(colour, 0, 0, width_, height_); }
  // Positions where another snapshot of the same size differs.
  int Differences(const Pixels& other) const;
  Pixels Crop(int x, int y, int w, int h) const;
  // How many different colours it has.
  size_t Colours() const { return std::set<COLORREF>(data_.begin(), data_.end()).size(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> data_;
};

// A rectangle of a device context, through a 32-bit DIB.
Pixels ReadDc(HDC dc, int x, int y, int w, int h);
// The whole window as it shows now: its window device context, frame included. (PrintWindow
// would send WM_PRINT, which the skin does not route.)
Pixels ReadWindow(HWND hwnd);

// A 32-bit top-down DIB section in a memory context, filled with one colour: a drawing
// target whose pixels are read exactly.
class DibSurface {
 public:
  DibSurface(int width, int height, COLORREF fill);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return Read().at(x, y); }
  Pixels Read() const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
};

// A colour that names its source position: red = x + 1, green = y + 1, a fixed blue. Never
// the key colour, black or white; exact at 24 and 32 bits per pixel.
inline constexpr BYTE PositionBlue = 0x5A;
inline COLORREF PositionColour(int x, int y) {
  return RGB(static_cast<BYTE>(x + 1), static_cast<BYTE>(y + 1), PositionBlue);
}
inline int PositionX(COLORREF colour) { return GetRValue(colour) - 1; }
inline int PositionY(COLORREF colour) { return GetGValue(colour) - 1; }
// Gives every pixel of a w x h surface its position colour.
void PaintPositions(HDC surface, int w, int h);

}  // namespace test
