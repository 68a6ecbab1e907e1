#pragma once
// The runs of a mask cut into small blocks of region data, each with its bounding rectangle, for
// building the window shape block by block and uniting the blocks pairwise (BalancedUnion).

#include <cstddef>
#include <span>
#include <vector>

#include "skin/mask_runs.h"

// Rectangles per block. The system adds a block's rectangles to its region one at a time, and
// Wine copies the region built so far at each addition: a block costs the square of its size
// (100,000 runs in one block take about a minute). Blocks of 16 keep that small while the
// handles and unions they need stay few.
inline constexpr size_t kRectsPerPart = 16;

// The smallest rectangle holding every rectangle; all zero for none.
[[nodiscard]] MaskRect BoundsOf(std::span<const MaskRect> rects);

// Every batch's rectangles in their order (rows top to bottom, runs left to right), cut into
// consecutive parts of at most perPart rectangles; a part never spans two batches. None for
// perPart 0 or no rectangles.
[[nodiscard]] std::vector<std::span<const MaskRect>> PartsOf(
    const std::vector<MaskRectBatch>& batches, size_t perPart);
