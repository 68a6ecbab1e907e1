// The settings store on the real Win32 INI functions and registry: the files it writes match the
// native build's byte for byte, and the registry values are what the programs rely on.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "base/file_paths.h"
#include "base/wide.h"
#include "platform/module_folder.h"
#include "platform/win32_private_profile.h"
#include "platform/win32_registry.h"
#include "settings/catalogue.h"
#include "settings/pointer_settings.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "settings/registry_path.h"
#include "tests/support/sample_profiles.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/source_tree.h"

namespace {

namespace fs = std::filesystem;
constexpr auto kUser = RegistryRoot::CurrentUser;

// The pointer-settings values of the prefix, put back after each test that writes them.
class PointerRegistryTest : public ::testing::Test {
 protected:
  static constexpr const char16_t* kMouseValues[] = {u"DoubleClickSpeed", u"SwapMouseButtons",
                                                     u"MouseSensitivity", u"MouseSpeed",
                                                     u"MouseThreshold1",  u"MouseThreshold2"};
  void SetUp() override {
    for (const char16_t* name : kMouseValues) saved_.push_back(Read(kMouseKey, name));
    savedWheel_ = Read(kDesktopKey, u"WheelScrollLines");
  }
  void TearDown() override {
    for (size_t i = 0; i < std::size(kMouseValues); ++i)
      Write(kMouseKey, kMouseValues[i], saved_[i]);
    Write(kDesktopKey, u"WheelScrollLines", savedWheel_);
  }
  static Text Read(const char16_t* key, const char16_t* name) {
    auto k = SystemRegistry().OpenOrCreate(kUser, key, kRegistryRead);
    char16_t buffer[128] = {};
    if (!k || !k->QueryText(name, buffer, sizeof buffer - 2)) return u"<missing>";
    return Text(buffer);
  }
  static void Write(const char16_t* key, const char16_t* name, const Text& text) {
    if (text == u"<missing>") return;
    SystemRegistry().OpenOrCreate(kUser, key, kRegistryAllAccess)->SetText(name, text);
  }

 private:
  std::vector<Text> saved_;
  Text savedWheel_;
};

TEST(SettingsStoreWindows, GoldenProfileFileMatchesTheNativeBuild) {
  Win32PrivateProfile win32;
  const ProfileSettings sample = SampleProfile(kGoldenSampleSeed);
  const Text golden = SourceTreeFile("tests/data/sample_profile.gmp");
  std::string goldenBytes = ReadFileBytes(ToFilesystemPath(golden));
  ASSERT_FALSE(goldenBytes.empty()) << TextToAscii(golden);

  TempDir dir;
  ASSERT_TRUE(SaveProfile(sample, dir.file("p.gmp")));
  EXPECT_EQ(ReadFileBytes(dir.path() / "p.gmp"), goldenBytes);

  ProfileSettings loaded;
  std::memset(&loaded, 0, sizeof loaded);
  LoadProfile(loaded, golden, win32);
  EXPECT_EQ(std::memcmp(&loaded, &sample, sizeof loaded), 0);
}

TEST(SettingsStoreWindows, ProgramFolderIsTheTestProgramsFolder) {
  Text folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), u'\\');
  EXPECT_TRUE(fs::exists(ToFilesystemPath(folder + u"windows_tests.exe")));
}

TEST_F(PointerRegistryTest, WriteThenReadThroughTheRealRegistry) {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  p.DbleClickSpeed = 430;
  p.MouseSpeed = 14;
  p.Orientation = 1;
  p.AccelerationFlag = 1;
  p.Acceleration = 25;
  p.ScrollWheelFlag = 1;
  ASSERT_EQ(WritePointerSettings(p, SystemRegistry()), 1);

  const struct {
    const char16_t* key;
    const char16_t* name;
    const char16_t* text;
  } rows[] = {{kMouseKey, u"DoubleClickSpeed", u"430"}, {kMouseKey, u"SwapMouseButtons", u"1"},
              {kMouseKey, u"MouseSensitivity", u"14"},  {kMouseKey, u"MouseSpeed", u"2"},
              {kMouseKey, u"MouseThreshold1", u"4"},    {kMouseKey, u"MouseThreshold2", u"5"},
              {kDesktopKey, u"WheelScrollLines", u"-1"}};
  for (const auto& row : rows) {
    EXPECT_EQ(Read(row.key, row.name), row.text) << TextToAscii(row.name);
    // REG_SZ whose size counts the terminator.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(Text(row.key)), 0, KEY_READ, &key), 0);
    DWORD type = 0, bytes = 0;
    RegQueryValueExW(key, Wide(Text(row.name)), nullptr, &type, nullptr, &bytes);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << TextToAscii(row.name);
    EXPECT_EQ(bytes, (Text(row.text).size() + 1) * 2) << TextToAscii(row.name);
  }

  ProfileSettings back;
  std::memset(&back, 0, sizeof back);
  ASSERT_EQ(ReadPointerSettings(back, SystemRegistry()), 1);
  EXPECT_EQ(back.DbleClickSpeed, 430);
  EXPECT_EQ(back.MouseSpeed, 14);
  EXPECT_EQ(back.Acceleration, 19);
  EXPECT_EQ(back.AccelerationFlag, 1);
  EXPECT_EQ(back.ScrollWheelSpeed, 0);
  EXPECT_EQ(back.ScrollWheelFlag, 1);
}

TEST(SettingsStoreWindows, RegistryNumbersFromAwkwardValues) {
  const wchar_t* kTestKey = L"Software\\GamingMouseSettingsTests";
  HKEY raw;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &raw, nullptr),
            0);
  DWORD dword = 77;
  RegSetValueExW(raw, L"dword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword);
  std::wstring longText(60, L'5');
  RegSetValueExW(raw, L"long", 0, REG_SZ, reinterpret_cast<const BYTE*>(longText.c_str()),
                 static_cast<DWORD>((longText.size() + 1) * 2));
  const wchar_t good[] = L"1234";
  RegSetValueExW(raw, L"good", 0, REG_SZ, reinterpret_cast<const BYTE*>(good), sizeof good);
  // Text stored without its terminator, exactly filling the buffer.
  std::wstring unterminated(40, L'8');
  RegSetValueExW(raw, L"unterminated", 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(unterminated.c_str()), 80);
  RegCloseKey(raw);

  auto key = SystemRegistry().OpenOrCreate(kUser, FromWide(kTestKey), kRegistryAllAccess);
  ASSERT_TRUE(key);
  const struct {
    const char16_t* name;
    int32_t expected;
  } rows[] = {{u"good", 1234}, {u"long", 0},    {u"good", 1234},
              {u"dword", 0},   {u"missing", 0}, {u"unterminated", 0}};
  for (const auto& row : rows) {
    int32_t value = ReadRegistryNumber(*key, row.name);
    if (Text(row.name) == u"unterminated") {
      // 40 digits fill the 80 bytes without a terminator. Windows documents that such a value
      // is returned as stored (no room for a terminator); Wine refuses it with ERROR_MORE_DATA.
      // Either way the number is defined: 0, or the digits of those 80 bytes alone.
      EXPECT_TRUE(value == 0 || value == ParseLeadingInt(Text(40, u'8'))) << value;
    } else {
      EXPECT_EQ(value, row.expected) << TextToAscii(row.name);
    }
  }
  key.reset();
  RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

TEST(SettingsStoreWindows, RegistryKeyObjectOnTheMonitorsKey) {
  RegistryKeyObject key(SystemRegistry());
  ASSERT_TRUE(key.Open(u"HKEY_CURRENT_USER\\Control Panel\\Mouse", kRegistryAllAccess));
  char16_t buffer[130];
  // A fresh prefix has the mouse key with its thresholds.
  EXPECT_TRUE(key.ReadText(u"MouseThreshold1", buffer, sizeof buffer));
  EXPECT_FALSE(key.Open(u"Control Panel", kRegistryAllAccess));
  EXPECT_FALSE(key.IsOpen());
}

TEST_F(PointerRegistryTest, CatalogueWithTheSystemsFunctions) {
  TempDir dir;
  fs::create_directory(dir.path() / "config");
  Win32PrivateProfile win32;
  SettingsContext context{dir.folder(), win32, SystemRegistry()};

  auto block = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*block);
  EXPECT_EQ(LoadAllSettings(*block, context), 1);
  EXPECT_EQ(block->CurrentProfile, 0) << "a first start acts on the first slot";
  EXPECT_EQ(FieldText(block->profiles[4].ProFileName), u"Default5");

  SetAllDefaults(*block);
  block->CurrentProfile = 3;
  block->MouseType = 2;
  block->profiles[3].MouseSpeed = 9;
  // A level the acceleration table gives back unchanged, so the current profile round-trips.
  block->profiles[3].AccelerationFlag = 1;
  block->profiles[3].Acceleration = 8;
  ASSERT_TRUE(SaveAllSettings(*block, context));
  EXPECT_EQ(Read(kMouseKey, u"MouseSensitivity"), u"9");
  EXPECT_EQ(ReadFileText(dir.path() / "config.ini"),
            "[Setting]\r\nCurrentProfile=3\r\nMouseType=2\r\n");

  auto loaded = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*loaded);
  LoadAllSettings(*loaded, context);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    EXPECT_EQ(std::memcmp(&loaded->profiles[slot], &block->profiles[slot], sizeof(ProfileSettings)),
              0)
        << "slot " << slot;
  }
}

TEST(SettingsStoreWindows, MissingConfigFolderFailsQuietly) {
  TempDir dir;
  Win32PrivateProfile win32;
  SettingsContext context{dir.folder(), win32, SystemRegistry()};
  auto block = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*block);
  SetAllDefaults(*block);
  block->CurrentProfile = 9;  // keeps the registry out of this test
  EXPECT_FALSE(SaveAllSettings(*block, context)) << "the slot files cannot be written";
  EXPECT_FALSE(fs::exists(dir.path() / "config"));
  EXPECT_EQ(LoadAllSettings(*block, context), 1);
  EXPECT_EQ(FieldText(block->profiles[0].ProFileName), u"Default1");
}

}  // namespace
