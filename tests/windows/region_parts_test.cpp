// The window shape from small blocks united pairwise against the one-block-per-batch builder it
// falls back to: the same region from the same runs.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "skin/region_batches.h"

namespace {

// Runs as MaskRuns gives them, batched by kMaxRectsPerBatch: row y keeps cells of width 3 where
// keep(x, y), across `columns` cells.
template <typename Keep>
std::vector<MaskRectBatch> Runs(int rows, int columns, Keep keep) {
  std::vector<MaskRectBatch> batches;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      if (!keep(x, y)) continue;
      if (batches.empty() || batches.back().rects.size() == kMaxRectsPerBatch) {
        batches.push_back({{}, {}});
      }
      batches.back().rects.push_back({3 * x, y, 3 * x + 2, y + 1});
    }
  }
  return batches;
}

TEST(RegionFromParts, EqualsTheOneBlockPerBatchRegion) {
  const struct {
    const char* name;
    std::vector<MaskRectBatch> runs;
    int kind;  // GetRgnBox's answer
  } cases[] = {
      {"none", {}, NULLREGION},
      {"one", Runs(1, 1, [](int, int) { return true; }), SIMPLEREGION},
      // 40 equal rows over three blocks: the unions must join them into one rectangle.
      {"column", Runs(40, 1, [](int, int) { return true; }), SIMPLEREGION},
      {"17 in a row", Runs(1, 17, [](int, int) { return true; }), COMPLEXREGION},
      // 2000 + 400 runs, shifted from row to row: two batches, parts that end mid-row.
      {"two batches", Runs(120, 30, [](int x, int y) { return (x + y) % 3 != 0; }), COMPLEXREGION},
  };
  for (const auto& c : cases) {
    HRGN parts = RegionFromParts(c.runs);
    HRGN batches = RegionFromBatches(c.runs);
    ASSERT_NE(parts, nullptr) << c.name;
    ASSERT_NE(batches, nullptr) << c.name;
    EXPECT_TRUE(EqualRgn(parts, batches)) << c.name;
    RECT box{};
    EXPECT_EQ(GetRgnBox(parts, &box), c.kind) << c.name;
    HRGN chosen = RegionFromRuns(c.runs);
    EXPECT_TRUE(EqualRgn(chosen, batches)) << c.name;
    DeleteObject(chosen);
    DeleteObject(parts);
    DeleteObject(batches);
  }
}

}  // namespace
