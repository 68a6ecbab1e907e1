// ParseButtonPos on arbitrary UTF-16 values: it never reads or writes outside its fields, and both
// text fields stay terminated within their bounds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/button_pos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Text value(size / 2, u'\0');
  if (!value.empty()) std::memcpy(value.data(), data, value.size() * 2);
  const ButtonPosEntry entry = ParseButtonPos(value);
  if (std::char_traits<char16_t>::length(entry.name) > 39) std::abort();
  if (std::char_traits<char16_t>::length(entry.text) > 399) std::abort();
  if (entry.checked != 0) std::abort();
  // A rectangle is its origin plus a scanned size, limited to 32 bits: never wrapped around.
  if (value.find(u',') == Text::npos &&
      (entry.left | entry.top | entry.right | entry.bottom) != 0) {
    std::abort();
  }
  return 0;
}
