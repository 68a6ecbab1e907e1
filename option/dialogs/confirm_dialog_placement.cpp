#include "option/dialogs/confirm_dialog_placement.h"

#include <algorithm>

namespace {

// One axis: centred over [ownerLow, ownerHigh), then pulled into [areaLow, areaHigh). 64-bit so
// that no sum of screen coordinates overflows.
int32_t CentreAxis(int32_t ownerLow, int32_t ownerHigh, int32_t size, int32_t areaLow,
                   int32_t areaHigh) {
  const int64_t extent = std::max<int64_t>(size, 0);
  int64_t start = (int64_t{ownerLow} + ownerHigh - extent) / 2;
  if (start + extent > areaHigh) start = int64_t{areaHigh} - extent;
  if (start < areaLow) start = areaLow;
  return static_cast<int32_t>(start);
}

}  // namespace

WindowCorner CentredOver(const PixelRect& owner, int32_t width, int32_t height,
                         const PixelRect& workArea) {
  return WindowCorner{CentreAxis(owner.left, owner.right, width, workArea.left, workArea.right),
                      CentreAxis(owner.top, owner.bottom, height, workArea.top, workArea.bottom)};
}
