#pragma once
// The rectangles of a window shape, taken from a mask picture row by row: every horizontal run of
// kept pixels becomes one rectangle one pixel high. Rectangles come in batches of at most 2000,
// each with its bounding rectangle, because the system builds a region from one block of
// rectangles at a time and combines the partial regions.

#include <cstddef>
#include <cstdint>
#include <vector>

struct MaskRect {
  int32_t left, top, right, bottom;
  bool operator==(const MaskRect&) const = default;
};

struct MaskRectBatch {
  std::vector<MaskRect> rects;
  MaskRect bounds;  // the smallest rectangle holding every rectangle of the batch
};

inline constexpr size_t kMaxRectsPerBatch = 2000;

// 32-bit pixels with the bytes blue, green, red, unused (a 32-bit device-independent bitmap).
struct PixelView {
  const uint8_t* bits = nullptr;
  size_t byteCount = 0;  // bytes readable at bits
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;     // bytes from one row in memory to the next
  bool bottomUp = false;  // the first row in memory is the picture's bottom row
};

// Colours as the system's COLORREF holds them: 0x00BBGGRR.
using ColourRef = uint32_t;

// Batches of the runs of pixels that are not transparent, rows from the picture's top row down
// and left to right within a row. A pixel is transparent when each of its red, green and blue
// lies between the key's component and that component plus the tolerance's (limited to 255).
// A picture whose view does not fit its buffer (stride shorter than a row, rows beyond
// byteCount, negative sizes) gives no batches. An all-transparent picture gives none either.
std::vector<MaskRectBatch> MaskRuns(const PixelView& pixels, ColourRef key, ColourRef tolerance);

// The kept area of a small bitmap control of areaWidth x areaHeight pixels: every pixel whose
// colour equals the colour of the picture's top-left pixel is removed; pixels of the area outside
// the picture are kept. One batch per kMaxRectsPerBatch rectangles.
std::vector<MaskRectBatch> CornerColourRuns(const PixelView& pixels, int32_t areaWidth,
                                            int32_t areaHeight);
