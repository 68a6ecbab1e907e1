#pragma once
// Regions from batches of rectangles: small blocks of region data united pairwise, or, when the
// system refuses that, one block per batch added to a growing region.

#include <windows.h>

#include <vector>

#include "skin/mask_runs.h"

// The union of every batch's rectangles, from blocks of kRectsPerPart rectangles united in a
// balanced order: time about n log n in the rectangles where one growing region takes n squared.
// An empty region when there are none; nullptr when the system refused any block or union.
[[nodiscard]] HRGN RegionFromParts(const std::vector<MaskRectBatch>& batches);

// RegionFromParts, or RegionFromBatches when the system refused that.
[[nodiscard]] HRGN RegionFromRuns(const std::vector<MaskRectBatch>& batches);

// The union of every batch's rectangles, one region per batch combined into the first; an empty
// region when there are none. nullptr only when the system could not make a region.
HRGN RegionFromBatches(const std::vector<MaskRectBatch>& batches);

// The pixels of a bitmap as 32-bit top-down rows (blue, green, red, unused), read with GetDIBits.
// Empty when the bitmap is missing or cannot be read; width and height are set otherwise.
std::vector<uint8_t> ReadBitmapPixels(HBITMAP bitmap, int32_t& width, int32_t& height);
