#include "skin/region_from_mask.h"

#include "skin/mask_runs.h"
#include "skin/region_batches.h"
#include "ui/bitmap_copy.h"

HRGN RegionFromMask(HBITMAP mask, COLORREF key, COLORREF tolerance) {
  BITMAP info{};
  if (mask == nullptr || GetObjectW(mask, sizeof info, &info) == 0) return nullptr;
  if (info.bmWidth <= 0 || info.bmHeight <= 0) return CreateRectRgn(0, 0, 0, 0);
  const MemoryDc memory = CompatibleMemoryDc(nullptr);
  if (!memory) return nullptr;

  // A 32-bit section (rows bottom-up) holding a copy of the mask, read in place.
  BITMAPINFO sectionInfo{};
  sectionInfo.bmiHeader.biSize = sizeof sectionInfo.bmiHeader;
  sectionInfo.bmiHeader.biWidth = info.bmWidth;
  sectionInfo.bmiHeader.biHeight = info.bmHeight;
  sectionInfo.bmiHeader.biPlanes = 1;
  sectionInfo.bmiHeader.biBitCount = 32;
  sectionInfo.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const GdiBitmap section(
      CreateDIBSection(memory.get(), &sectionInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return nullptr;
  const SelectionScope selected(memory.get(), section.get());
  HRGN result = nullptr;
  if (DrawBitmap(memory.get(), mask, info.bmWidth, info.bmHeight)) {
    GdiFlush();
    const int32_t stride = (info.bmWidth * 32 + 31) / 32 * 4;
    PixelView view;
    view.bits = static_cast<const uint8_t*>(bits);
    view.byteCount = static_cast<size_t>(stride) * static_cast<size_t>(info.bmHeight);
    view.width = info.bmWidth;
    view.height = info.bmHeight;
    view.stride = stride;
    view.bottomUp = true;
    result = RegionFromRuns(MaskRuns(view, key, tolerance));
  }
  return result;
}
