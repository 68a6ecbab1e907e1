#pragma once
// Where the parts of a plain BMP file lie, so that a skin picture can become a bitmap straight
// from the file's bytes: the system picture decoder makes a device bitmap of it first and then a
// copy of that, for each of the five pictures of every window that opens. Only the layout skins
// are drawn in is taken: uncompressed, 24 bits per pixel, rows bottom-up, the 40-byte information
// header, no colour table.
// Anything else is left to the system decoder, so that no picture looks different for this.

#include <cstddef>
#include <cstdint>
#include <optional>

struct BmpLayout {
  size_t info_offset = 0;  // the information header (40 bytes), which the system takes as it is
  size_t bits_offset = 0;  // the first pixel row
  size_t bits_size = 0;    // all rows, each padded to four bytes
  int32_t width = 0;
  int32_t height = 0;
};

// The layout of the file's bytes, or nothing when they are no BMP of the taken kind or the pixels
// the header promises are not all in the file. Width and height are limited to what a window can
// show (32767).
[[nodiscard]] std::optional<BmpLayout> ReadBmpLayout(const uint8_t* bytes, size_t size);
