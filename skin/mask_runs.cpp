#include "skin/mask_runs.h"

#include <algorithm>
#include <limits>

namespace {

constexpr MaskRect kEmptyBounds{std::numeric_limits<int32_t>::max(),
                                std::numeric_limits<int32_t>::max(), 0, 0};

bool ViewFits(const PixelView& p) {
  if (p.bits == nullptr || p.width <= 0 || p.height <= 0) return false;
  const int64_t rowBytes = int64_t{p.width} * 4;
  if (p.stride < rowBytes) return false;
  const int64_t needed = int64_t{p.stride} * (p.height - 1) + rowBytes;
  return needed <= static_cast<int64_t>(p.byteCount);
}

const uint8_t* Row(const PixelView& p, int32_t y) {
  const int32_t memoryRow = p.bottomUp ? p.height - 1 - y : y;
  return p.bits + static_cast<size_t>(memoryRow) * static_cast<size_t>(p.stride);
}

class BatchCollector {
 public:
  void Add(const MaskRect& rect) {
    if (batches_.empty() || batches_.back().rects.size() == kMaxRectsPerBatch) {
      batches_.push_back({{}, kEmptyBounds});
    }
    MaskRectBatch& batch = batches_.back();
    batch.rects.push_back(rect);
    batch.bounds.left = std::min(batch.bounds.left, rect.left);
    batch.bounds.top = std::min(batch.bounds.top, rect.top);
    batch.bounds.right = std::max(batch.bounds.right, rect.right);
    batch.bounds.bottom = std::max(batch.bounds.bottom, rect.bottom);
  }
  std::vector<MaskRectBatch> Take() { return std::move(batches_); }

 private:
  std::vector<MaskRectBatch> batches_;
};

// Appends the runs of one row: x advances over kept pixels to the end of a run, then past the
// transparent pixel that ended it.
template <typename Transparent>
void AddRowRuns(BatchCollector& out, int32_t y, int32_t width, Transparent transparent) {
  int32_t x = 0;
  while (x < width) {
    int32_t right = x;
    while (right < width && !transparent(right)) ++right;
    if (x < right) out.Add({x, y, right, y + 1});
    x = right + 1;
  }
}

}  // namespace

std::vector<MaskRectBatch> MaskRuns(const PixelView& pixels, ColourRef key, ColourRef tolerance) {
  if (!ViewFits(pixels)) return {};
  uint8_t low[3], high[3];  // blue, green, red: the byte order of a pixel
  for (int c = 0; c < 3; ++c) {
    const int shift = 8 * (2 - c);  // COLORREF: red in the low byte, blue in the third
    low[c] = static_cast<uint8_t>(key >> shift);
    high[c] = static_cast<uint8_t>(std::min(int{low[c]} + int{uint8_t(tolerance >> shift)}, 255));
  }
  BatchCollector out;
  for (int32_t y = 0; y < pixels.height; ++y) {
    const uint8_t* row = Row(pixels, y);
    AddRowRuns(out, y, pixels.width, [&](int32_t x) {
      const uint8_t* px = row + 4 * static_cast<size_t>(x);
      for (int c = 0; c < 3; ++c) {
        if (px[c] < low[c] || px[c] > high[c]) return false;
      }
      return true;
    });
  }
  return out.Take();
}

std::vector<MaskRectBatch> CornerColourRuns(const PixelView& pixels, int32_t areaWidth,
                                            int32_t areaHeight) {
  if (areaWidth <= 0 || areaHeight <= 0) return {};
  const bool havePicture = ViewFits(pixels);
  const uint8_t* corner = havePicture ? Row(pixels, 0) : nullptr;
  BatchCollector out;
  for (int32_t y = 0; y < areaHeight; ++y) {
    const uint8_t* row = havePicture && y < pixels.height ? Row(pixels, y) : nullptr;
    AddRowRuns(out, y, areaWidth, [&](int32_t x) {
      if (row == nullptr || x >= pixels.width) return false;
      const uint8_t* px = row + 4 * static_cast<size_t>(x);
      return px[0] == corner[0] && px[1] == corner[1] && px[2] == corner[2];
    });
  }
  return out.Take();
}
