#pragma once
// Regions from batches of rectangles: the system's region data block per batch, combined.

#include <windows.h>

#include <vector>

#include "skin/mask_runs.h"

// The union of every batch's rectangles; an empty region when there are none. nullptr only when
// the system could not make a region.
HRGN RegionFromBatches(const std::vector<MaskRectBatch>& batches);

// The pixels of a bitmap as 32-bit top-down rows (blue, green, red, unused), read with GetDIBits.
// Empty when the bitmap is missing or cannot be read; width and height are set otherwise.
std::vector<uint8_t> ReadBitmapPixels(HBITMAP bitmap, int32_t& width, int32_t& height);
