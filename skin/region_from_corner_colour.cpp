#include "skin/region_from_corner_colour.h"

#include "skin/mask_runs.h"
#include "skin/region_batches.h"
#include "ui/gdi_handles.h"

bool RegionFromCornerColour(HWND control, HBITMAP bitmap) {
  RECT bounds{};
  if (control == nullptr || !GetWindowRect(control, &bounds)) return false;
  int32_t width = 0, height = 0;
  const std::vector<uint8_t> pixels = ReadBitmapPixels(bitmap, width, height);
  if (pixels.empty()) return false;
  PixelView view;
  view.bits = pixels.data();
  view.byteCount = pixels.size();
  view.width = width;
  view.height = height;
  view.stride = width * 4;
  GdiRegion region(RegionFromRuns(
      CornerColourRuns(view, bounds.right - bounds.left, bounds.bottom - bounds.top)));
  if (!region || SetWindowRgn(control, region.get(), TRUE) == 0) return false;
  static_cast<void>(region.release());  // the window owns it now
  return true;
}
