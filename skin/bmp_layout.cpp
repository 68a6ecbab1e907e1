#include "skin/bmp_layout.h"

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;  // the Windows 3 header; later ones carry colour spaces
constexpr int32_t kMaxSide = 32767;
constexpr uint16_t kTakenBitCount = 24;
constexpr uint32_t kUncompressed = 0;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

std::optional<BmpLayout> ReadBmpLayout(const uint8_t* bytes, size_t size) {
  if (bytes == nullptr || size < kFileHeaderBytes + kInfoHeaderBytes) return std::nullopt;
  if (bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const uint32_t bitsOffset = Le32(bytes + 10);
  const uint8_t* info = bytes + kFileHeaderBytes;
  const uint32_t infoSize = Le32(info);
  if (infoSize != kInfoHeaderBytes) return std::nullopt;
  const auto width = static_cast<int32_t>(Le32(info + 4));
  const auto height = static_cast<int32_t>(Le32(info + 8));
  const uint16_t planes = Le16(info + 12);
  const uint16_t bitCount = Le16(info + 14);
  const uint32_t compression = Le32(info + 16);
  const uint32_t coloursUsed = Le32(info + 32);  // an optional colour table, which nothing reads
  if (planes != 1 || bitCount != kTakenBitCount || compression != kUncompressed ||
      coloursUsed != 0) {
    return std::nullopt;
  }
  // Top-down files (a negative height) are left to the system decoder, whose bitmaps the callers
  // know; skins are stored bottom-up.
  if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) return std::nullopt;
  // Sides of at most 32767 keep every product below 2^32 * 4: no overflow in 64 bits.
  const uint64_t stride = (uint64_t{static_cast<uint32_t>(width)} * kTakenBitCount + 31) / 32 * 4;
  const uint64_t bitsSize = stride * static_cast<uint32_t>(height);
  if (bitsOffset < kFileHeaderBytes + infoSize || bitsOffset > size ||
      bitsSize > size - bitsOffset) {
    return std::nullopt;
  }
  BmpLayout layout;
  layout.info_offset = kFileHeaderBytes;
  layout.bits_offset = bitsOffset;
  layout.bits_size = static_cast<size_t>(bitsSize);
  layout.width = width;
  layout.height = height;
  return layout;
}
