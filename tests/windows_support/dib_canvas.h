#pragma once
// A top-down 32-bit drawing surface for tests that draw into a memory device context, or copy a
// window's pixels into one, and read the pixels back as COLORREF values.

#include <windows.h>

#include <cstdint>

class DibCanvas {
 public:
  static constexpr COLORREF kOutside = 0xFFFFFFFF;  // what At() gives beyond the edges

  DibCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const uint32_t*>(bits);
    if (bitmap_ != nullptr) old_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    if (old_ != nullptr) SelectObject(dc_, old_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  bool ok() const { return dc_ != nullptr && bits_ != nullptr; }
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }

  // The window as the screen shows it, read through its window device context.
  bool CopyFromWindow(HWND window) {
    HDC source = GetWindowDC(window);
    if (source == nullptr) return false;
    const bool copied = BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY) != FALSE;
    ReleaseDC(window, source);
    return copied;
  }

  COLORREF At(int x, int y) const {
    if (!ok() || x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    GdiFlush();
    const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  int Count(const RECT& area, COLORREF colour) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) n += At(x, y) == colour ? 1 : 0;
    }
    return n;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  const uint32_t* bits_ = nullptr;
};
