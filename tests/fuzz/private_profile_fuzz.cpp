// Feeds arbitrary bytes to the portable INI engine as a file: every read must return without
// crashing, and a value just written must read back, whatever the file held before.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/portable_private_profile.h"

namespace {

void Check(bool condition) {
  if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("private_profile_fuzz_" + std::to_string(getpid()) + ".ini");
  static const Text path = file.u16string();
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  PortablePrivateProfile profile;
  // Names with odd spacing, case and brackets; none starts with ';' (a comment) or holds '=',
  // so a key written under them must read back.
  static const std::array<Text, 4> kSections = {u"a", u"A ", u"", u"x]"};
  static const std::array<Text, 3> kKeys = {u"k", u" KEY", u""};
  // Every name with one of the three reads, the read turning with the input.
  for (size_t i = 0; i < kSections.size() * kKeys.size(); ++i) {
    const Text& section = kSections[i % kSections.size()];
    const Text& key = kKeys[i / kSections.size()];
    switch ((i + size) % 3) {
      case 0: {
        std::array<char16_t, 8> buffer;
        uint32_t n = profile.GetString(section, key, u"\"d\" ", buffer.data(), buffer.size(), path);
        Check(n < buffer.size() && buffer[n] == u'\0');
        break;
      }
      case 1:
        profile.GetInt(section, key, -1, path);
        break;
      default: {
        std::array<unsigned char, 3> bytes;
        profile.GetStruct(section, key, bytes.data(), bytes.size(), path);
        break;
      }
    }
  }

  const Text& section = kSections[size % kSections.size()];
  const Text& key = kKeys[size % kKeys.size()];
  if (profile.WriteString(section, key, u"v1", path)) {
    std::array<char16_t, 8> buffer;
    uint32_t n = profile.GetString(section, key, u"", buffer.data(), buffer.size(), path);
    Check(Text(buffer.data(), n) == u"v1");
  }
  const unsigned char written[] = {0x00, 0x7F, 0xFF};
  if (profile.WriteStruct(section, key, written, sizeof(written), path)) {
    unsigned char back[sizeof(written)] = {};
    Check(profile.GetStruct(section, key, back, sizeof(back), path));
    Check(std::equal(back, back + sizeof(back), written));
  }
  return 0;
}
