#include "skin/region_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;

// A top-down picture, one character per pixel: '#' kept (black), '.' transparent (white).
struct Mask {
  std::vector<uint8_t> bytes;
  PixelView view;
  explicit Mask(const std::vector<std::string>& rows) {
    const int32_t w = static_cast<int32_t>(rows[0].size());
    const int32_t h = static_cast<int32_t>(rows.size());
    for (const std::string& row : rows) {
      for (char c : row) {
        const uint8_t v = c == '.' ? 255 : 0;
        bytes.insert(bytes.end(), {v, v, v, 0});
      }
    }
    view = {bytes.data(), bytes.size(), w, h, w * 4, false};
  }
};

std::vector<MaskRect> Concat(const std::vector<std::span<const MaskRect>>& parts) {
  std::vector<MaskRect> all;
  for (auto part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Region data must list rectangles in bands: by top, then by left, none overlapping.
bool InBandOrder(const std::vector<MaskRect>& rects) {
  for (size_t i = 1; i < rects.size(); ++i) {
    const MaskRect& a = rects[i - 1];
    const MaskRect& b = rects[i];
    if (b.top < a.top || (b.top == a.top && b.left < a.right)) return false;
  }
  return true;
}

TEST(RegionParts, PartsOfMasksKeepBandOrderAndEachPartHasItsBounds) {
  const struct {
    std::vector<std::string> rows;
    size_t perPart;
    std::vector<size_t> sizes;
    std::vector<MaskRect> bounds;
  } cases[] = {
      // The second part holds the last run of row 0 and the first of row 2: bounds of both.
      {{"#.#.#", ".....", "##.##"}, 2, {2, 2, 1}, {{0, 0, 3, 1}, {0, 0, 5, 3}, {3, 2, 5, 3}}},
      {{"#.#.#", ".....", "##.##"}, 16, {5}, {{0, 0, 5, 3}}},
      {{"#####", "#####"}, 1, {1, 1}, {{0, 0, 5, 1}, {0, 1, 5, 2}}},
      {{".....", "....."}, 16, {}, {}},
  };
  int index = 0;
  for (const auto& c : cases) {
    Mask mask(c.rows);
    const std::vector<MaskRectBatch> batches = MaskRuns(mask.view, kWhite, 0);
    const auto parts = PartsOf(batches, c.perPart);
    std::vector<size_t> sizes;
    std::vector<MaskRect> bounds;
    for (auto part : parts) {
      sizes.push_back(part.size());
      bounds.push_back(BoundsOf(part));
    }
    EXPECT_EQ(sizes, c.sizes) << "case " << index;
    EXPECT_EQ(bounds, c.bounds) << "case " << index;
    const std::vector<MaskRect> all = Concat(parts);
    EXPECT_TRUE(InBandOrder(all)) << "case " << index;
    std::vector<MaskRect> expected;
    for (const auto& b : batches) expected.insert(expected.end(), b.rects.begin(), b.rects.end());
    EXPECT_EQ(all, expected) << "case " << index;
    ++index;
  }
}

TEST(RegionParts, PartsNeverSpanTwoBatches) {
  // 2002 runs: batches of 2000 and 2. Parts of 16 give 125 full parts, then the 2 on their own.
  Mask mask(std::vector<std::string>(1001, "#.#."));
  const std::vector<MaskRectBatch> batches = MaskRuns(mask.view, kWhite, 0);
  ASSERT_EQ(batches.size(), 2u);
  const auto parts = PartsOf(batches, 16);
  ASSERT_EQ(parts.size(), 126u);
  EXPECT_EQ(parts[124].size(), 16u);
  EXPECT_EQ(parts[125].size(), 2u);
  EXPECT_EQ(BoundsOf(parts[125]), (MaskRect{0, 1000, 3, 1001}));
  EXPECT_EQ(Concat(parts).size(), 2002u);
  EXPECT_TRUE(PartsOf(batches, 0).empty());
}

TEST(RegionParts, BoundsOfNothingIsEmptyAndOfOneIsItself) {
  EXPECT_EQ(BoundsOf({}), (MaskRect{0, 0, 0, 0}));
  const MaskRect one{3, 4, 9, 5};
  EXPECT_EQ(BoundsOf(std::span<const MaskRect>(&one, 1)), one);
  // Bounds take the widest row wherever it lies, not the first or last rectangle's sides.
  const std::vector<MaskRect> rects = {{5, 0, 6, 1}, {1, 1, 9, 2}, {4, 2, 5, 3}};
  EXPECT_EQ(BoundsOf(rects), (MaskRect{1, 0, 9, 3}));
}

}  // namespace
