#pragma once
// Small scope guards for the GDI objects and device contexts a call takes: whatever a
// call takes, it gives back before it returns.
#include <windows.h>

#include "skin/render/memory_dc.h"

namespace skin {

// The window's device context (origin at the window's top-left corner), released on exit.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  ~WindowDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The client-area device context, released on exit.
class ClientDc {
 public:
  explicit ClientDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ClientDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The display's common device context (the whole screen), released on exit. Surfaces
// made compatible with it have the display's colour format. Opening a new "DISPLAY"
// device context would give the same format at several times the cost.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { if (dc_) ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// A device context this call created (CreateDC, CreateCompatibleDC), deleted on exit.
class OwnedDc {
 public:
  explicit OwnedDc(HDC dc) : dc_(dc) {}
  ~OwnedDc() { if (dc_) DeleteDC(dc_); }
  OwnedDc(const OwnedDc&) = delete;
  OwnedDc& operator=(const OwnedDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// Selects an object into a device context and puts the previous one back on exit.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selected() { if (old_) SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Owns a GDI object (brush, bitmap, region, palette) and deletes it on exit.
template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() { if (handle_) DeleteObject(handle_); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  operator Handle() const { return handle_; }
  Handle get() const { return handle_; }
  // Takes a new object, deleting the one held.
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }
  // Hands the object on to an owner of its own; it is no longer deleted here.
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_;
};

// Owns a memory surface made by CreateMemoryDC and releases it, bitmap included, on exit.
class MemorySurface {
 public:
  MemorySurface(int width, int height) : dc_(CreateMemoryDC(width, height)) {}
  ~MemorySurface() { DeleteMemoryDC(dc_); }
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace skin
