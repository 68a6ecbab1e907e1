#include "skin/mask_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;

// A picture drawn with one character per pixel: '#' black, '.' white, 'n' near white
// (red 254, green 255, blue 255), 'g' grey 200. Stored top-down or bottom-up with a padded stride.
struct Picture {
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(const std::vector<std::string>& rows, bool bottomUp, int32_t padding = 0) {
    const int32_t w = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
    const int32_t h = static_cast<int32_t>(rows.size());
    const int32_t stride = w * 4 + padding;
    bytes.assign(static_cast<size_t>(stride) * h, 0xEE);  // padding bytes are never read as pixels
    for (int32_t y = 0; y < h; ++y) {
      const int32_t memoryRow = bottomUp ? h - 1 - y : y;
      for (int32_t x = 0; x < w; ++x) {
        uint8_t* px = &bytes[static_cast<size_t>(memoryRow) * stride + x * 4];
        uint8_t b = 0, g = 0, r = 0;
        switch (rows[y][x]) {
          case '.':
            b = g = r = 255;
            break;
          case 'n':
            b = 255, g = 255, r = 254;
            break;
          case 'g':
            b = g = r = 200;
            break;
          default:
            break;
        }
        px[0] = b, px[1] = g, px[2] = r, px[3] = 0;
      }
    }
    view = {bytes.data(), bytes.size(), w, h, stride, bottomUp};
  }
};

std::vector<MaskRect> All(const std::vector<MaskRectBatch>& batches) {
  std::vector<MaskRect> all;
  for (const auto& b : batches) all.insert(all.end(), b.rects.begin(), b.rects.end());
  return all;
}

TEST(MaskRuns, RunsPerRowInBothRowOrders) {
  const std::vector<std::string> rows = {
      "##..#",  // a run that ends at the right edge
      ".....",  // all transparent
      "....#",  // only the right-most pixel kept
      "#n.g#",  // near white and grey are kept at tolerance 0
  };
  const std::vector<MaskRect> expected = {
      {0, 0, 2, 1}, {4, 0, 5, 1}, {4, 2, 5, 3}, {0, 3, 2, 4}, {3, 3, 5, 4},
  };
  for (bool bottomUp : {false, true}) {
    Picture p(rows, bottomUp, /*padding=*/8);
    const auto batches = MaskRuns(p.view, kWhite, 0);
    ASSERT_EQ(batches.size(), 1u) << bottomUp;
    EXPECT_EQ(batches[0].rects, expected) << bottomUp;
    EXPECT_EQ(batches[0].bounds, (MaskRect{0, 0, 5, 4})) << bottomUp;
  }
}

TEST(MaskRuns, WholeAndEmptyMasks) {
  Picture black({"###", "###"}, true);
  const auto full = MaskRuns(black.view, kWhite, 0);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(full[0].rects, (std::vector<MaskRect>{{0, 0, 3, 1}, {0, 1, 3, 2}}));

  Picture white({"...", "..."}, true);
  EXPECT_TRUE(MaskRuns(white.view, kWhite, 0).empty());
}

TEST(MaskRuns, ToleranceWidensTheKeyUpToTheTopOfEachComponent) {
  Picture p({"#ng."}, false);
  const struct {
    ColourRef key, tolerance;
    std::vector<MaskRect> kept;
  } rows[] = {
      {kWhite, 0, {{0, 0, 3, 1}}},
      // The bounds are capped at 255: a tolerance on white changes nothing above it.
      {kWhite, 0x0A0A0A, {{0, 0, 3, 1}}},
      // Red 254 is within 254..255 only when the key's red starts at 254.
      {0xFFFFFE, 0, {{0, 0, 1, 1}, {2, 0, 4, 1}}},
      {0xFFFFFE, 0x000001, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
      // Grey 200 to white: every component of 200..255 lies in the bounds (key 200, tol 55..255).
      {0xC8C8C8, 0xFFFFFF, {{0, 0, 1, 1}}},
      {0xC8C8C8, 0x373737, {{0, 0, 1, 1}}},
      {0xC8C8C8, 0x373736, {{0, 0, 1, 1}, {3, 0, 4, 1}}},  // red (low byte) reaches 254 only
  };
  int index = 0;
  for (const auto& row : rows) {
    EXPECT_EQ(All(MaskRuns(p.view, row.key, row.tolerance)), row.kept) << "row " << index;
    ++index;
  }
}

TEST(MaskRuns, FlushesEvery2000RectanglesWithTheirOwnBounds) {
  // 2 runs per row ("#.#."), 1001 rows: 2002 rectangles, so 2000 + 2.
  std::vector<std::string> rows(1001, "#.#.");
  Picture p(rows, true);
  const auto batches = MaskRuns(p.view, kWhite, 0);
  ASSERT_EQ(batches.size(), 2u);
  EXPECT_EQ(batches[0].rects.size(), kMaxRectsPerBatch);
  EXPECT_EQ(batches[0].bounds, (MaskRect{0, 0, 3, 1000}));
  EXPECT_EQ(batches[1].rects, (std::vector<MaskRect>{{0, 1000, 1, 1001}, {2, 1000, 3, 1001}}));
  EXPECT_EQ(batches[1].bounds, (MaskRect{0, 1000, 3, 1001}));

  // Exactly 2000: one full batch and nothing after it.
  rows.resize(1000);
  Picture exact(rows, true);
  EXPECT_EQ(MaskRuns(exact.view, kWhite, 0).size(), 1u);
}

TEST(MaskRuns, ViewsThatDoNotFitTheirBufferGiveNothing) {
  Picture p({"##", "##"}, false);
  PixelView shortBuffer = p.view;
  shortBuffer.byteCount -= 1;
  PixelView shortStride = p.view;
  shortStride.stride = 7;
  PixelView negative = p.view;
  negative.height = -2;
  PixelView none = p.view;
  none.bits = nullptr;
  for (const PixelView& v : {shortBuffer, shortStride, negative, none}) {
    EXPECT_TRUE(MaskRuns(v, kWhite, 0).empty());
  }
}

TEST(CornerColourRuns, RemovesEveryPixelOfTheCornerColour) {
  Picture p({".#.", "#..", "..g"}, false);
  EXPECT_EQ(All(CornerColourRuns(p.view, 3, 3)),
            (std::vector<MaskRect>{{1, 0, 2, 1}, {0, 1, 1, 2}, {2, 2, 3, 3}}));
  // An area larger than the picture keeps what the picture does not cover.
  EXPECT_EQ(
      All(CornerColourRuns(p.view, 4, 4)),
      (std::vector<MaskRect>{
          {1, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}, {2, 2, 4, 3}, {0, 3, 4, 4}}));
  // A one-colour picture is removed whole; a missing one keeps the whole area.
  Picture flat({"gg", "gg"}, true);
  EXPECT_TRUE(CornerColourRuns(flat.view, 2, 2).empty());
  EXPECT_EQ(All(CornerColourRuns(PixelView{}, 2, 1)), (std::vector<MaskRect>{{0, 0, 2, 1}}));
}

}  // namespace
