// Which BMP files become bitmaps straight from their bytes, and where their parts lie: any file
// that is not exactly the plain kind, or whose pixels are not all there, is left to the system.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/bmp_layout.h"

namespace {

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

// A plain 24-bit file of width x |height| with its pixels right after the headers.
std::vector<uint8_t> PlainBmp(int32_t width, int32_t height) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
  std::vector<uint8_t> bytes(54 + stride * rows, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
  Put32(bytes, 10, 54);
  Put32(bytes, 14, 40);
  Put32(bytes, 18, static_cast<uint32_t>(width));
  Put32(bytes, 22, static_cast<uint32_t>(height));
  Put16(bytes, 26, 1);
  Put16(bytes, 28, 24);
  return bytes;
}

TEST(ReadBmpLayout, TakesOnlyWholePlainFiles) {
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> change;
    bool taken;
    size_t bitsOffset;
    size_t bitsSize;
  };
  // 5 x 3 pixels: rows of 15 bytes padded to 16.
  const Case cases[] = {
      {"plain", [](std::vector<uint8_t>&) {}, true, 54, 48},
      {"top-down rows", [](std::vector<uint8_t>& b) { Put32(b, 22, static_cast<uint32_t>(-3)); },
       false, 0, 0},
      {"pixels further on, after a gap",
       [](std::vector<uint8_t>& b) {
         b.insert(b.begin() + 54, 10, 0);
         Put32(b, 10, 64);
       },
       true, 64, 48},
      {"bytes beyond the pixels", [](std::vector<uint8_t>& b) { b.resize(b.size() + 7); }, true, 54,
       48},
      {"last row cut short", [](std::vector<uint8_t>& b) { b.pop_back(); }, false, 0, 0},
      {"pixels said to start past the end",
       [](std::vector<uint8_t>& b) { Put32(b, 10, 0xFFFFFFF0u); }, false, 0, 0},
      {"pixels said to start inside the header", [](std::vector<uint8_t>& b) { Put32(b, 10, 40); },
       false, 0, 0},
      {"not BM", [](std::vector<uint8_t>& b) { b[1] = 'A'; }, false, 0, 0},
      {"core header", [](std::vector<uint8_t>& b) { Put32(b, 14, 12); }, false, 0, 0},
      {"version 5 header", [](std::vector<uint8_t>& b) { Put32(b, 14, 124); }, false, 0, 0},
      {"two planes", [](std::vector<uint8_t>& b) { Put16(b, 26, 2); }, false, 0, 0},
      {"32 bits", [](std::vector<uint8_t>& b) { Put16(b, 28, 32); }, false, 0, 0},
      {"8 bits", [](std::vector<uint8_t>& b) { Put16(b, 28, 8); }, false, 0, 0},
      {"run-length coded", [](std::vector<uint8_t>& b) { Put32(b, 30, 1); }, false, 0, 0},
      {"a colour table", [](std::vector<uint8_t>& b) { Put32(b, 46, 2); }, false, 0, 0},
      {"bit fields", [](std::vector<uint8_t>& b) { Put32(b, 30, 3); }, false, 0, 0},
      {"no width", [](std::vector<uint8_t>& b) { Put32(b, 18, 0); }, false, 0, 0},
      {"negative width", [](std::vector<uint8_t>& b) { Put32(b, 18, static_cast<uint32_t>(-5)); },
       false, 0, 0},
      {"no height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0); }, false, 0, 0},
      {"width beyond a window", [](std::vector<uint8_t>& b) { Put32(b, 18, 32768); }, false, 0, 0},
      {"height beyond a window", [](std::vector<uint8_t>& b) { Put32(b, 22, 32768); }, false, 0, 0},
      {"the largest sides a header can hold",
       [](std::vector<uint8_t>& b) {
         Put32(b, 18, 0x7FFFFFFF);
         Put32(b, 22, 0x80000000u);
       },
       false, 0, 0},
      {"headers only", [](std::vector<uint8_t>& b) { b.resize(54); }, false, 0, 0},
      {"shorter than the headers", [](std::vector<uint8_t>& b) { b.resize(53); }, false, 0, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = PlainBmp(5, 3);
    c.change(bytes);
    const std::optional<BmpLayout> layout = ReadBmpLayout(bytes.data(), bytes.size());
    ASSERT_EQ(layout.has_value(), c.taken) << c.what;
    if (!layout) continue;
    EXPECT_EQ(layout->info_offset, 14u) << c.what;
    EXPECT_EQ(layout->bits_offset, c.bitsOffset) << c.what;
    EXPECT_EQ(layout->bits_size, c.bitsSize) << c.what;
    EXPECT_EQ(layout->width, 5) << c.what;
  }
  EXPECT_FALSE(ReadBmpLayout(nullptr, 100).has_value());
}

TEST(ReadBmpLayout, PadsEachRowToFourBytes) {
  struct Case {
    int32_t width;
    int32_t height;
    size_t bitsSize;
  };
  const Case cases[] = {
      {1, 1, 4},  {4, 1, 12}, {3, 2, 24}, {680, 450, 918000},  // the main window's pictures
      {5, 2, 32},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> bytes = PlainBmp(c.width, c.height);
    const std::optional<BmpLayout> layout = ReadBmpLayout(bytes.data(), bytes.size());
    ASSERT_TRUE(layout.has_value()) << c.width << " x " << c.height;
    EXPECT_EQ(layout->bits_size, c.bitsSize) << c.width << " x " << c.height;
    EXPECT_EQ(layout->height, c.height) << c.width << " x " << c.height;
  }
}

}  // namespace
