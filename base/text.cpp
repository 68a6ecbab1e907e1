#include "base/text.h"

#include <algorithm>

Text AsciiText(std::string_view ascii) {
  Text out;
  out.reserve(ascii.size());
  for (char c : ascii) out.push_back(static_cast<unsigned char>(c));
  return out;
}

std::string TextToAscii(TextView text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : replacement);
  return out;
}

Text FormatInt(int32_t value) {
  return AsciiText(std::to_string(value));
}

void CopyToField(char16_t* field, size_t capacity, TextView text) {
  if (capacity == 0) return;
  text = text.substr(0, text.find(u'\0'));  // an embedded zero ends the text, as in the field
  size_t n = std::min(text.size(), capacity - 1);
  // A high surrogate whose partner was cut off would leave a broken character behind.
  if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  std::copy_n(text.data(), n, field);
  std::fill(field + n, field + capacity, u'\0');
}

TextView FieldText(const char16_t* field, size_t capacity) {
  size_t n = 0;
  while (n < capacity && field[n] != 0) ++n;
  return TextView(field, n);
}

char16_t FoldCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  // Latin-1 lower-case letters, except the division sign and y with diaeresis (no upper form here).
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

bool EqualsIgnoreCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

bool IsProfileSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

TextView TrimProfileSpaceRight(TextView text) {
  while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
  return text;
}

TextView TrimProfileSpace(TextView text) {
  while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
  return TrimProfileSpaceRight(text);
}

int32_t ParseLeadingInt(TextView text) {
  size_t i = 0;
  while (i < text.size() && IsProfileSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - u'0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}
