#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "tests/support/sample_profiles.h"
#include "tests/support/temp_dir.h"

namespace {

ProfileSettings Defaults(int slot) {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, slot);
  return p;
}

std::vector<std::string> KeysInFileOrder(const std::string& bytes) {
  std::vector<std::string> keys;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) keys.push_back(line.substr(0, eq));
  }
  return keys;
}

std::string LineOf(const std::string& bytes, const std::string& key) {
  size_t at = bytes.find("\r\n" + key + "=");
  if (at == std::string::npos) return "<missing>";
  size_t begin = at + 2;
  return bytes.substr(begin, bytes.find("\r\n", begin) - begin);
}

// Other programs read these files: the order and the names are part of the format.
TEST(ProfileFile, WritesEveryKeyInTheDocumentedOrder) {
  std::vector<std::string> expected = {
      "ProFileName",     "GameFile",      "DbleClickSpeed", "ScrollWheelSpeed",
      "ScrollWheelFlag", "MouseSpeed",    "Acceleration",   "AccelerationFlag",
      "TiltSpeed",       "MediaOption",   "HDDKeyboard",    "Orientation",
      "XYSynchronous",   "Sensitivity_X", "Sensitivity_Y",  "XYCpiFlag"};
  for (const char* stage : {"CpiLevel_X", "CpiLevel_Y"}) {
    for (int s = 0; s < 5; ++s) expected.push_back(stage + std::to_string(s));
  }
  expected.push_back("CpiStep");
  for (const char* stage : {"dpiStepFlag", "dpiIndicator"}) {
    for (int s = 0; s < 5; ++s) expected.push_back(stage + std::to_string(s));
  }
  for (const char* key : {"DpiIndicationType",
                          "PollingRate",
                          "LiftSwitch",
                          "LiftLevel",
                          "LightSwitch",
                          "LightType",
                          "ColorFlag",
                          "ColorOptions",
                          "ColorChangeMode",
                          "BTOption",
                          "OTGSpeed",
                          "BtnConfiguration",
                          "Color1Type",
                          "Color2Type",
                          "LightEffectSwitch1",
                          "LightEffectSwitch2",
                          "LightEffectType1",
                          "LightEffectType2",
                          "ColorOptions1",
                          "ColorOptions2",
                          "ColorChangeModeOptions1",
                          "ColorChangeModeOptions2",
                          "FireOrOnToGoStatusIndicatorSetting",
                          "ProfileSwitchIndictor"}) {
    expected.push_back(key);
  }
  for (int b = 0; b < 15; ++b) expected.push_back("MacroKeyInfo" + std::to_string(b));

  TempDir dir;
  ASSERT_TRUE(SaveProfile(Defaults(0), dir.file("p.gmp")));
  std::string bytes = ReadFileText(dir.path() / "p.gmp");
  EXPECT_EQ(bytes.rfind("[Setting]\r\nProFileName=Default1\r\nGameFile=\r\n", 0), 0u);
  EXPECT_EQ(KeysInFileOrder(bytes), expected);
}

TEST(ProfileFile, ValueForms) {
  ProfileSettings p = Defaults(3);
  p.dpiIndicator[1] = 255;
  p.MouseSpeed = -7;
  p.MacroKeyInfo[0].functionCode = 0xAB;
  TempDir dir;
  ASSERT_TRUE(SaveProfile(p, dir.file("p.gmp")));
  std::string bytes = ReadFileText(dir.path() / "p.gmp");
  const struct {
    const char* key;
    std::string line;
  } rows[] = {
      {"ProFileName", "ProFileName=Default4"},
      {"dpiIndicator1", "dpiIndicator1=255"},  // a byte, never -1
      {"MouseSpeed", "MouseSpeed=-7"},
      {"DbleClickSpeed", "DbleClickSpeed=500"},
  };
  for (const auto& row : rows) EXPECT_EQ(LineOf(bytes, row.key), row.line) << row.key;

  // 792 bytes as upper-case hex plus the checksum byte.
  std::string button = LineOf(bytes, "MacroKeyInfo0");
  ASSERT_EQ(button.size(), std::string("MacroKeyInfo0=").size() + 2 * 792 + 2);
  EXPECT_EQ(button.substr(0, 18), "MacroKeyInfo0=00AB");
}

TEST(ProfileFile, RoundTripsByteForByte) {
  for (unsigned seed : {1u, 2u, 3u}) {
    TempDir dir;
    ProfileSettings saved = SampleProfile(seed);
    ASSERT_TRUE(SaveProfile(saved, dir.file("p.gmp")));
    ProfileSettings loaded;
    std::memset(&loaded, 0x77, sizeof loaded);
    std::memset(loaded.ProFileName, 0, sizeof loaded.ProFileName);
    LoadProfile(loaded, dir.file("p.gmp"));
    // Padding is not stored in the file; compare it out of the way.
    loaded.pad1611 = saved.pad1611;
    std::memcpy(loaded.pad1665, saved.pad1665, sizeof saved.pad1665);
    EXPECT_EQ(std::memcmp(&saved, &loaded, sizeof saved), 0) << "seed " << seed;
  }
}

// The committed file was written by this build (UPDATE_GOLDEN=1 writes it anew); the Windows build
// checks the same file with the system's INI functions, so a profile moves between the two byte
// for byte.
std::filesystem::path GoldenFile() {
  const char* source = std::getenv("SOURCE_DIR");
  return std::filesystem::path(source ? source : ".") / "tests" / "data" / "sample_profile.gmp";
}

TEST(ProfileFile, GoldenFileMatchesBothWays) {
  const ProfileSettings sample = SampleProfile(kGoldenSampleSeed);
  if (std::getenv("UPDATE_GOLDEN") != nullptr) {
    std::filesystem::remove(GoldenFile());
    ASSERT_TRUE(SaveProfile(sample, GoldenFile().u16string()));
  }
  std::string golden = ReadFileBytes(GoldenFile());
  ASSERT_FALSE(golden.empty()) << GoldenFile();

  TempDir dir;
  ASSERT_TRUE(SaveProfile(sample, dir.file("p.gmp")));
  EXPECT_EQ(ReadFileBytes(dir.path() / "p.gmp"), golden);

  ProfileSettings loaded;
  std::memset(&loaded, 0, sizeof loaded);
  LoadProfile(loaded, GoldenFile().u16string());
  EXPECT_EQ(std::memcmp(&loaded, &sample, sizeof loaded), 0);
}

TEST(ProfileFile, SaveKeepsOtherContentOfTheFile) {
  TempDir dir;
  WriteFileBytes(dir.path() / "p.gmp", "[Extra]\r\nkeep=1\r\n[Setting]\r\nMouseSpeed=3\r\n");
  ASSERT_TRUE(SaveProfile(Defaults(0), dir.file("p.gmp")));
  std::string bytes = ReadFileText(dir.path() / "p.gmp");
  EXPECT_EQ(bytes.rfind("[Extra]\r\nkeep=1\r\n[Setting]\r\nMouseSpeed=10\r\n", 0), 0u);
}

// What a damaged or hand-edited file loads as.
TEST(ProfileFile, MissingKeysLoadAsMinusOneOr255) {
  TempDir dir;
  ASSERT_TRUE(SaveProfile(Defaults(0), dir.file("p.gmp")));
  std::string bytes = ReadFileText(dir.path() / "p.gmp");
  for (const char* key : {"PollingRate", "dpiStepFlag2", "ProFileName"}) {
    std::string line = LineOf(bytes, key) + "\r\n";
    bytes.erase(bytes.find(line), line.size());
  }
  WriteFileBytes(dir.path() / "p.gmp", bytes);
  ProfileSettings p = Defaults(4);
  LoadProfile(p, dir.file("p.gmp"));
  EXPECT_EQ(p.PollingRate, -1);
  EXPECT_EQ(p.dpiStepFlag[2], 255);
  EXPECT_EQ(p.dpiStepFlag[1], 1);
  EXPECT_EQ(FieldText(p.ProFileName), u"");
}

TEST(ProfileFile, MissingFileLoadsEveryFallback) {
  TempDir dir;
  ProfileSettings p = Defaults(0);
  LoadProfile(p, dir.file("absent.gmp"));
  EXPECT_EQ(FieldText(p.ProFileName), u"");
  EXPECT_EQ(p.DbleClickSpeed, -1);
  EXPECT_EQ(p.ProfileSwitchIndictor, 255);
  for (int b = 0; b < kButtonCount; ++b) {
    EXPECT_EQ(p.MacroKeyInfo[b].buttonIndex, b);
    EXPECT_EQ(p.MacroKeyInfo[b].functionCode, kDefaultButtonFunctions[b]);
  }
}

TEST(ProfileFile, DamagedButtonEntriesGetTheirDefault) {
  ProfileSettings saved = Defaults(0);
  for (auto& a : saved.MacroKeyInfo) a.functionCode = 42;
  TempDir dir;
  ASSERT_TRUE(SaveProfile(saved, dir.file("p.gmp")));
  std::string bytes = ReadFileText(dir.path() / "p.gmp");

  auto replaceValue = [&bytes](int button, const std::string& value) {
    std::string key = "MacroKeyInfo" + std::to_string(button);
    std::string line = LineOf(bytes, key);
    bytes.replace(bytes.find(line), line.size(), key + "=" + value);
  };
  std::string good = LineOf(bytes, "MacroKeyInfo1").substr(std::string("MacroKeyInfo1=").size());
  std::string badSum = good;
  badSum.back() = badSum.back() == '0' ? '1' : '0';
  const struct {
    int button;
    std::string value;
    const char* what;
  } rows[] = {
      {1, badSum, "wrong checksum"},
      {2, good.substr(0, good.size() - 2), "too short"},
      {3, good.substr(0, good.size() - 1), "odd length"},
      {4, "", "empty"},
      {5, good + "00", "too long"},
  };
  for (const auto& row : rows) replaceValue(row.button, row.value);
  std::string missing = LineOf(bytes, "MacroKeyInfo6") + "\r\n";
  bytes.erase(bytes.find(missing), missing.size());
  WriteFileBytes(dir.path() / "p.gmp", bytes);

  ProfileSettings loaded = Defaults(0);
  LoadProfile(loaded, dir.file("p.gmp"));
  EXPECT_EQ(loaded.MacroKeyInfo[0].functionCode, 42) << "intact entry";
  for (const auto& row : rows) {
    EXPECT_EQ(loaded.MacroKeyInfo[row.button].functionCode, kDefaultButtonFunctions[row.button])
        << row.what;
    EXPECT_EQ(loaded.MacroKeyInfo[row.button].buttonIndex, row.button) << row.what;
  }
  EXPECT_EQ(loaded.MacroKeyInfo[6].functionCode, kDefaultButtonFunctions[6]) << "missing key";
}

TEST(ProfileFile, StoredButtonEntriesAreBoundedOnLoad) {
  ProfileSettings saved = Defaults(0);
  ButtonAssignment& a = saved.MacroKeyInfo[8];
  a.eventCount = 300;
  for (auto& c : a.macroName) c = u'M';  // no terminator
  for (auto& c : a.programPath) c = u'P';
  TempDir dir;
  ASSERT_TRUE(SaveProfile(saved, dir.file("p.gmp")));
  ProfileSettings loaded = Defaults(0);
  LoadProfile(loaded, dir.file("p.gmp"));
  const ButtonAssignment& b = loaded.MacroKeyInfo[8];
  EXPECT_EQ(b.eventCount, 40);
  EXPECT_EQ(UsedEventCount(b), 40);
  EXPECT_EQ(FieldText(b.macroName).size(), 49u);
  EXPECT_EQ(FieldText(b.programPath).size(), 259u);
}

TEST(ProfileFile, OverlongTextsAreCutToTheirFields) {
  TempDir dir;
  IniFile file(dir.file("p.gmp"));
  file.WriteString(u"Setting", u"ProFileName", Text(300, u'n'));
  file.WriteString(u"Setting", u"GameFile", Text(5000, u'g'));
  ProfileSettings p;
  std::memset(&p, 0x7F, sizeof p);
  LoadProfile(p, dir.file("p.gmp"));
  EXPECT_EQ(FieldText(p.ProFileName), Text(249, u'n'));
  EXPECT_EQ(FieldText(p.GameFile), Text(499, u'g'));
  EXPECT_EQ(p.DbleClickSpeed, -1) << "the field after GameFile is untouched by the cut text";
}

TEST(UsedEventCount, NeverBeyondTheArray) {
  ButtonAssignment a{};
  const struct {
    uint16_t stored;
    int used;
  } rows[] = {{0, 0}, {1, 1}, {40, 40}, {41, 40}, {65535, 40}};
  for (const auto& row : rows) {
    a.eventCount = row.stored;
    EXPECT_EQ(UsedEventCount(a), row.used) << row.stored;
  }
}

}  // namespace
