#include "skin/region_batches.h"

#include <cstring>
#include <optional>
#include <span>

#include "skin/balanced_union.h"
#include "skin/region_parts.h"
#include "ui/gdi_handles.h"

namespace {

constexpr size_t kHeaderBytes = sizeof(RGNDATAHEADER);  // 32
constexpr size_t kGrowth = 100;                         // rectangles the block grows by

// One region from one batch, through a region data block sized in steps of 100 rectangles.
HRGN RegionFromBatch(const MaskRectBatch& batch) {
  const size_t capacity = (batch.rects.size() + kGrowth - 1) / kGrowth * kGrowth;
  std::vector<uint8_t> block(kHeaderBytes + capacity * sizeof(RECT), 0);
  RGNDATAHEADER header{};
  header.dwSize = kHeaderBytes;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(batch.rects.size());
  header.nRgnSize = 0;
  header.rcBound = {batch.bounds.left, batch.bounds.top, batch.bounds.right, batch.bounds.bottom};
  std::memcpy(block.data(), &header, kHeaderBytes);
  for (size_t i = 0; i < batch.rects.size(); ++i) {
    const MaskRect& r = batch.rects[i];
    const RECT rect{r.left, r.top, r.right, r.bottom};
    std::memcpy(block.data() + kHeaderBytes + i * sizeof(RECT), &rect, sizeof rect);
  }
  return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                         reinterpret_cast<const RGNDATA*>(block.data()));
}

// One region from one block, sized exactly: the header with the block's count, size and bounds,
// then the rectangles, already in the order region data keeps them.
HRGN RegionFromPart(std::span<const MaskRect> rects) {
  const size_t rectBytes = rects.size() * sizeof(RECT);
  std::vector<uint8_t> block(kHeaderBytes + rectBytes);
  RGNDATAHEADER header{};
  header.dwSize = kHeaderBytes;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rectBytes);
  const MaskRect bounds = BoundsOf(rects);
  header.rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  std::memcpy(block.data(), &header, kHeaderBytes);
  for (size_t i = 0; i < rects.size(); ++i) {
    const RECT rect{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    std::memcpy(block.data() + kHeaderBytes + i * sizeof(RECT), &rect, sizeof rect);
  }
  return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                         reinterpret_cast<const RGNDATA*>(block.data()));
}

bool UniteInto(GdiRegion& into, GdiRegion&& from) {
  return CombineRgn(into.get(), into.get(), from.get(), RGN_OR) != ERROR;
}

}  // namespace

HRGN RegionFromParts(const std::vector<MaskRectBatch>& batches) {
  BalancedUnion<GdiRegion, decltype(&UniteInto)> whole(&UniteInto);
  for (const std::span<const MaskRect> part : PartsOf(batches, kRectsPerPart)) {
    GdiRegion region(RegionFromPart(part));
    if (!region || !whole.Add(std::move(region))) return nullptr;
  }
  std::optional<GdiRegion> result = whole.Take();
  if (!result) return CreateRectRgn(0, 0, 0, 0);
  return result->release();
}

HRGN RegionFromRuns(const std::vector<MaskRectBatch>& batches) {
  if (HRGN region = RegionFromParts(batches)) return region;
  return RegionFromBatches(batches);
}

HRGN RegionFromBatches(const std::vector<MaskRectBatch>& batches) {
  HRGN result = nullptr;
  for (const MaskRectBatch& batch : batches) {
    GdiRegion part(RegionFromBatch(batch));
    if (!part) continue;
    if (result == nullptr) {
      result = part.release();
    } else {
      CombineRgn(result, result, part.get(), RGN_OR);
    }
  }
  if (result == nullptr) result = CreateRectRgn(0, 0, 0, 0);
  return result;
}

std::vector<uint8_t> ReadBitmapPixels(HBITMAP bitmap, int32_t& width, int32_t& height) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {};
  if (info.bmWidth <= 0 || info.bmHeight <= 0) return {};
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;  // top-down rows
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<uint8_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight * 4);
  const int rows = GetDIBits(WindowDc(nullptr).get(), bitmap, 0, static_cast<UINT>(info.bmHeight),
                             pixels.data(), &request, DIB_RGB_COLORS);
  if (rows != info.bmHeight) return {};
  width = info.bmWidth;
  height = info.bmHeight;
  return pixels;
}
