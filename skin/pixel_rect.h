#pragma once
// A rectangle in pixels with the edges named as Win32 names them: right and bottom lie just
// outside. The skin's decisions use it so that they build without <windows.h>.

#include <cstdint>

struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  // 64-bit so that no pair of edges can overflow; negative for an inverted rectangle.
  int64_t Width() const { return int64_t{right} - left; }
  int64_t Height() const { return int64_t{bottom} - top; }
  friend bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const PixelRect& a, const PixelRect& b) { return !(a == b); }
};
