#include "skin/region_parts.h"

#include <algorithm>

MaskRect BoundsOf(std::span<const MaskRect> rects) {
  if (rects.empty()) return {0, 0, 0, 0};
  MaskRect bounds = rects.front();
  for (const MaskRect& r : rects.subspan(1)) {
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
  }
  return bounds;
}

std::vector<std::span<const MaskRect>> PartsOf(const std::vector<MaskRectBatch>& batches,
                                               size_t perPart) {
  std::vector<std::span<const MaskRect>> parts;
  if (perPart == 0) return parts;
  for (const MaskRectBatch& batch : batches) {
    const std::span<const MaskRect> rects(batch.rects);
    for (size_t start = 0; start < rects.size(); start += perPart) {
      parts.push_back(rects.subspan(start, std::min(perPart, rects.size() - start)));
    }
  }
  return parts;
}
