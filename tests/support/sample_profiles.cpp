#include "tests/support/sample_profiles.h"

#include <cstring>
#include <random>

#include "base/text.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"

ProfileSettings SampleProfile(unsigned seed) {
  // mt19937 gives the same sequence with every standard library, so both builds agree.
  std::mt19937 random(seed);
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, static_cast<int>(seed % kProfileCount));
  for (auto& a : p.MacroKeyInfo) {
    auto* bytes = reinterpret_cast<unsigned char*>(&a);
    for (size_t i = 0; i < sizeof a; ++i) bytes[i] = static_cast<unsigned char>(random() & 0xFF);
    BoundButtonAssignment(a);
  }
  CopyToField(p.ProFileName, u"Caf\u00e9 \u00c6ther \u20ac5");  // all in Windows-1252
  CopyToField(p.GameFile, u"C:\\Games\\Shooter (x64)\\game.exe");
  p.PollingRate = -1;
  p.LightSwitch = 1;
  p.MouseSpeed = 2147483647;
  p.DbleClickSpeed = -2147483647 - 1;
  p.dpiStepFlag[2] = 200;
  p.dpiIndicator[4] = 255;
  p.ProfileSwitchIndictor = 0;
  return p;
}
