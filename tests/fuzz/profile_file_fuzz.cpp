// Any bytes as a profile file: loading never reads or writes outside the record, leaves every
// field bounded, and a loaded profile saved and loaded again comes back unchanged, except that the
// INI rules may trim the two texts once more (a quoted " name " loses its spaces on the way).

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/text.h"
#include "settings/profile_file.h"

namespace {

std::filesystem::path WorkFile() {
  static const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                            ("profile-fuzz-" + std::to_string(getpid()) + ".gmp");
  return path;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream out(WorkFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const Text path = WorkFile().u16string();

  auto* first = new ProfileSettings;
  std::memset(first, 0, sizeof *first);
  LoadProfile(*first, path);
  for (const ButtonAssignment& a : first->MacroKeyInfo) {
    Check(a.eventCount <= kMaxMacroEvents);
    Check(a.macroName[49] == 0 && a.programPath[259] == 0);
  }
  Check(first->ProFileName[249] == 0 && first->GameFile[499] == 0);

  // Saved whole into the same file, so that keys it does not know stay beside the profile's.
  Check(SaveProfile(*first, path));
  auto* second = new ProfileSettings;
  std::memset(second, 0, sizeof *second);
  LoadProfile(*second, path);
  Check(FieldText(first->ProFileName).find(FieldText(second->ProFileName)) != TextView::npos);
  Check(FieldText(first->GameFile).find(FieldText(second->GameFile)) != TextView::npos);
  std::memcpy(second->ProFileName, first->ProFileName, sizeof first->ProFileName);
  std::memcpy(second->GameFile, first->GameFile, sizeof first->GameFile);
  Check(std::memcmp(first, second, sizeof *first) == 0);

  delete first;
  delete second;
  return 0;
}
