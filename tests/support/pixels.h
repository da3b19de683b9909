#pragma once
// Pixels read back from device contexts and windows. Colours are COLORREF (0x00BBGGRR).
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

namespace test {

class Pixels {
 public:
  Pixels(int width, int height)
      : width_(width), height_(height), data_(static_cast<size_t>(width * height)) {}
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return data_[static_cast<size_t>(y * width_ + x)]; }
  COLORREF& at(int x, int y) { return data_[static_cast<size_t>(y * width_ + x)]; }
  // Pixels of the rectangle (the whole snapshot by default) that have the colour.
  int Count(COLORREF colour, int x, int y, int w, int h) const { return Crop(x, y, w, h).Count(colour); }
  int Count(COLORREF colour) const { return static_cast<int>(std::ranges::count(data_, colour)); }
  // Positions where another snapshot of the same size differs.
  int Differences(const Pixels& other) const;
  Pixels Crop(int x, int y, int w, int h) const;
  size_t Colours() const { return std::set<COLORREF>(data_.begin(), data_.end()).size(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> data_;
};

// A rectangle of a device context, exactly, through a 32-bit DIB.
Pixels ReadDc(HDC dc, int x, int y, int w, int h);
// The whole window as it shows now, frame included (WM_PRINT would bypass the skin).
Pixels ReadWindow(HWND hwnd);

}  // namespace test
