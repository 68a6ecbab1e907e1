#include "skin/button_pos.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

int32_t Limit(int64_t value) {
  return static_cast<int32_t>(std::clamp(value, kMin, kMax));
}

// White space as the C library's %d skips it and as the text is trimmed.
bool IsBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// One "%d": optional blanks, an optional sign, at least one decimal digit. Advances pos past what
// it used; false (pos unchanged) when no number is there.
bool ScanInt(TextView text, size_t& pos, int32_t& value) {
  size_t p = pos;
  while (p < text.size() && IsBlank(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) {
    negative = text[p] == u'-';
    ++p;
  }
  const size_t digitsStart = p;
  int64_t magnitude = 0;
  while (p < text.size() && text[p] >= u'0' && text[p] <= u'9') {
    // Saturate well above the 32-bit range, so that long digit runs cannot overflow.
    magnitude = std::min<int64_t>(magnitude * 10 + (text[p] - u'0'), kMax + 2);
    ++p;
  }
  if (p == digitsStart) return false;
  value = Limit(negative ? -magnitude : magnitude);
  pos = p;
  return true;
}

template <size_t N>
void CopyCut(char16_t (&field)[N], TextView text) {
  const size_t n = std::min(text.size(), N - 1);
  std::copy_n(text.data(), n, field);
  field[n] = 0;
}

}  // namespace

ButtonPosEntry ParseButtonPos(TextView value) {
  ButtonPosEntry entry{};
  const size_t firstComma = value.find(u',');
  CopyCut(entry.name, value.substr(0, firstComma));
  if (firstComma == TextView::npos) return entry;
  const TextView rest = value.substr(firstComma + 1);

  int32_t numbers[4] = {0, 0, 0, 0};
  size_t pos = 0;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      if (pos >= rest.size() || rest[pos] != u',') break;
      ++pos;
    }
    if (!ScanInt(rest, pos, numbers[i])) break;
  }
  entry.left = numbers[0];
  entry.top = numbers[1];
  entry.right = Limit(int64_t{numbers[0]} + numbers[2]);
  entry.bottom = Limit(int64_t{numbers[1]} + numbers[3]);

  const size_t lastComma = rest.rfind(u',');
  if (lastComma != TextView::npos) {
    TextView text = rest.substr(lastComma + 1);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    CopyCut(entry.text, text);
  }
  return entry;
}
