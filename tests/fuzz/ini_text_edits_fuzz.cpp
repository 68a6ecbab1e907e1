// Arbitrary bytes as an INI text, then a run of edits chosen by the same bytes: after each edit
// the text kept between edits must read exactly as the same edits on the text read afresh (as the
// system's functions read their file anew at every call), for every name the edits use.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/ini_text.h"

namespace {

void Check(bool condition) {
  if (!condition) abort();
}

const std::array<Text, 4> kSections = {u"a", u" A", u"", u"b]"};
const std::array<Text, 4> kKeys = {u"k", u"K ", u"\nk", u"x"};
// Values with line ends of every kind, which write lines of their own.
const std::array<Text, 4> kValues = {u"v", u"", u"1\r2", u"=\n;c\r\n[a]"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  IniText kept = IniText::FromBytes(bytes);
  IniText afresh = kept;
  const size_t edits = size < 8 ? size : 8;
  for (size_t i = 0; i < edits; ++i) {
    const uint8_t choice = data[i];
    const Text& section = kSections[choice % 4];
    const Text& key = kKeys[(choice >> 2) % 4];
    kept.Set(section, key, kValues[(choice >> 4) % 4]);
    afresh = IniText::FromBytes(afresh.ToBytes(IniEncoding::kUtf16));
    afresh.Set(section, key, kValues[(choice >> 4) % 4]);
    Check(kept.text() == afresh.text());
    for (const Text& s : kSections) {
      for (const Text& k : kKeys) Check(kept.Find(s, k) == afresh.Find(s, k));
    }
  }
  return 0;
}
