#include "base/ansi_codepage.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals the first 256 Unicode characters.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char16_t AnsiByteToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

Text AnsiToText(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  for (char b : bytes) out.push_back(AnsiByteToChar(static_cast<unsigned char>(b)));
  return out;
}

bool CharToAnsiByte(char16_t c, unsigned char* byte) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    *byte = static_cast<unsigned char>(c);
    return true;
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) {
      *byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::string TextToAnsi(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    unsigned char byte = '?';
    CharToAnsiByte(c, &byte);
    out.push_back(static_cast<char>(byte));
  }
  return out;
}
