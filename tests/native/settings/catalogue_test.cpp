#include "settings/catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "settings/ini_file.h"
#include "settings/pointer_settings.h"
#include "settings/profile_file.h"
#include "tests/support/memory_registry.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
constexpr auto kUser = RegistryRoot::CurrentUser;

struct Installation {
  explicit Installation(bool withConfigFolder = true) {
    if (withConfigFolder) fs::create_directory(dir.path() / "config");
  }
  SettingsContext context() {
    return SettingsContext{dir.folder(), SystemPrivateProfile(), registry};
  }
  fs::path config(const std::string& name) const { return dir.path() / "config" / name; }

  TempDir dir;
  MemoryRegistry registry;
};

std::unique_ptr<SharedSettingsBlock> NewBlock(unsigned char fill = 0x5C) {
  auto block = std::make_unique<SharedSettingsBlock>();
  std::memset(block.get(), fill, sizeof *block);
  return block;
}

TEST(Catalogue, PathsInsideTheInstallationFolder) {
  EXPECT_EQ(ConfigIniPath(u"C:\\Mouse\\"), u"C:\\Mouse\\config.ini");
  EXPECT_EQ(SlotFilePath(u"C:\\Mouse\\", 0), u"C:\\Mouse\\config\\Default0.gmp");
  EXPECT_EQ(SlotFilePath(u"C:\\Mouse\\", 4), u"C:\\Mouse\\config\\Default4.gmp");
  EXPECT_EQ(MacroLibraryPath(u""), u"config\\sequence.dat");
}

TEST(Catalogue, ResetClearsEverythingAndMarksNoCurrentProfile) {
  auto block = NewBlock();
  ResetSettingsBlock(*block);
  EXPECT_EQ(block->CurrentProfile, -1);
  auto expected = NewBlock(0);
  expected->CurrentProfile = -1;
  EXPECT_EQ(std::memcmp(block.get(), expected.get(), sizeof *block), 0);
}

TEST(Catalogue, SetAllDefaultsChoosesSlotZeroAndKeepsDeviceFields) {
  auto block = NewBlock(0);
  block->CurrentProfile = 3;
  block->profiles[2].LightSwitch = 1;
  block->ButtonChanged[1][1] = 1;
  SetAllDefaults(*block);
  EXPECT_EQ(block->CurrentProfile, 0);
  EXPECT_EQ(block->profiles[2].LightSwitch, 1);
  EXPECT_EQ(FieldText(block->profiles[4].ProFileName), u"Default5");
  EXPECT_EQ(block->ButtonChanged[1][1], 1) << "change flags are the caller's business";
}

TEST(Catalogue, NothingOnDiskLoadsFiveDefaultProfiles) {
  Installation install;
  auto block = NewBlock();
  ResetSettingsBlock(*block);
  EXPECT_EQ(LoadAllSettings(*block, install.context()), 1);
  EXPECT_EQ(block->CurrentProfile, 0) << "a first start acts on the first slot";
  EXPECT_EQ(block->MouseType, -1);
  const char16_t* names[] = {u"Default1", u"Default2", u"Default3", u"Default4", u"Default5"};
  for (int slot = 0; slot < kProfileCount; ++slot) {
    EXPECT_EQ(FieldText(block->profiles[slot].ProFileName), names[slot]);
  }
  EXPECT_TRUE(install.registry.writes().empty());
}

TEST(Catalogue, SaveThenLoadGivesTheSameCatalogue) {
  Installation install;
  auto saved = NewBlock(0);
  SetAllDefaults(*saved);
  saved->CurrentProfile = 2;
  saved->MouseType = 7;
  CopyToField(saved->profiles[0].ProFileName, u"Work");
  saved->profiles[3].MacroKeyInfo[4].functionCode = 16;
  CopyToField(saved->profiles[3].MacroKeyInfo[4].macroName, u"Reload");
  saved->profiles[2].MouseSpeed = 14;
  saved->profiles[2].DbleClickSpeed = 420;
  saved->profiles[2].Acceleration = 8;
  saved->profiles[2].AccelerationFlag = 1;
  ASSERT_TRUE(SaveAllSettings(*saved, install.context()));

  // The slot file keeps its slot name, whatever the profile is called.
  EXPECT_TRUE(fs::exists(install.config("Default0.gmp")));
  EXPECT_FALSE(fs::exists(install.config("Work.gmp")));
  EXPECT_EQ(install.registry.Get(kUser, kMouseKey, u"MouseSensitivity"), Text(u"14"));

  auto loaded = NewBlock(0);
  ResetSettingsBlock(*loaded);
  LoadAllSettings(*loaded, install.context());
  EXPECT_EQ(loaded->CurrentProfile, 2);
  EXPECT_EQ(loaded->MouseType, 7);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    EXPECT_EQ(std::memcmp(&loaded->profiles[slot], &saved->profiles[slot], sizeof(ProfileSettings)),
              0)
        << "slot " << slot;
  }
}

TEST(Catalogue, CurrentProfileTakesOverTheLivePointerSettings) {
  Installation install;
  IniFile(ConfigIniPath(install.dir.folder())).WriteInt(u"Setting", u"CurrentProfile", 1);
  install.registry.Set(kUser, kMouseKey, u"MouseSensitivity", u"6");
  install.registry.Set(kUser, kDesktopKey, u"WheelScrollLines", u"-1");
  auto block = NewBlock();
  ResetSettingsBlock(*block);
  LoadAllSettings(*block, install.context());
  EXPECT_EQ(block->profiles[1].MouseSpeed, 6);
  EXPECT_EQ(block->profiles[1].ScrollWheelFlag, 1);
  EXPECT_EQ(block->profiles[0].MouseSpeed, 10) << "other slots keep their files' values";
}

// A missing or damaged current index loads as the first slot, which a save then stores.
TEST(Catalogue, CurrentProfileOutsideTheSlotsLoadsAsTheFirstSlot) {
  for (int32_t index : {-1, 5, 7, -2147483647 - 1, 2147483647}) {
    Installation install;
    IniFile(ConfigIniPath(install.dir.folder())).WriteInt(u"Setting", u"CurrentProfile", index);
    auto block = NewBlock();
    ResetSettingsBlock(*block);
    LoadAllSettings(*block, install.context());
    EXPECT_EQ(block->CurrentProfile, 0) << index;
    EXPECT_EQ(CurrentProfileOrNull(*block), &block->profiles[0]);
    ASSERT_TRUE(SaveAllSettings(*block, install.context()));
    EXPECT_EQ(
        IniFile(ConfigIniPath(install.dir.folder())).ReadInt(u"Setting", u"CurrentProfile", -1), 0);
  }
}

TEST(Catalogue, MissingConfigFolderFailsQuietly) {
  Installation install(/*withConfigFolder=*/false);
  auto block = NewBlock(0);
  SetAllDefaults(*block);
  EXPECT_FALSE(SaveAllSettings(*block, install.context()));  // the slot files cannot be written
  EXPECT_FALSE(fs::exists(install.dir.path() / "config")) << "the folder is never created";
  EXPECT_TRUE(fs::exists(install.dir.path() / "config.ini"));

  auto loaded = NewBlock();
  ResetSettingsBlock(*loaded);
  EXPECT_EQ(LoadAllSettings(*loaded, install.context()), 1);
  EXPECT_EQ(FieldText(loaded->profiles[3].ProFileName), u"Default4");
}

// An apply saves the whole catalogue but rewrites only the files whose text changes, and every
// file ends with the bytes a save into an empty folder gives.
TEST(Catalogue, SavingRewritesOnlyTheFilesWhoseTextChanges) {
  const struct {
    const char* what;
    void (*edit)(SharedSettingsBlock& block);
    int writes;
  } rows[] = {
      {"nothing changed", [](SharedSettingsBlock&) {}, 0},
      {"a profile renamed",
       [](SharedSettingsBlock& b) { CopyToField(b.profiles[3].ProFileName, u"Race"); }, 1},
      {"a button of two profiles",
       [](SharedSettingsBlock& b) {
         b.profiles[0].MacroKeyInfo[2].functionCode = 5;
         b.profiles[4].MacroKeyInfo[7].functionCode = 5;
       },
       2},
      {"another current profile", [](SharedSettingsBlock& b) { b.CurrentProfile = 4; }, 1},
      {"a pointer setting of the current profile",
       [](SharedSettingsBlock& b) { b.profiles[1].MouseSpeed = 3; }, 1},
  };
  const char* files[] = {"Default0.gmp", "Default1.gmp", "Default2.gmp", "Default3.gmp",
                         "Default4.gmp"};
  for (const auto& r : rows) {
    Installation install;
    ScriptedFileStore store;
    const SettingsContext context{install.dir.folder(), SystemPrivateProfile(), install.registry,
                                  store};
    auto block = NewBlock(0);
    SetAllDefaults(*block);
    block->CurrentProfile = 1;
    ASSERT_TRUE(SaveAllSettings(*block, context)) << r.what;
    EXPECT_EQ(store.writes, 6) << r.what << ": the first save writes config.ini and five slots";

    r.edit(*block);
    store.writes = 0;
    ASSERT_TRUE(SaveAllSettings(*block, context)) << r.what;
    EXPECT_EQ(store.writes, r.writes) << r.what;

    Installation fresh;
    ASSERT_TRUE(SaveAllSettings(*block, fresh.context())) << r.what;
    EXPECT_EQ(ReadFileBytes(install.dir.path() / "config.ini"),
              ReadFileBytes(fresh.dir.path() / "config.ini"))
        << r.what;
    for (const char* file : files) {
      EXPECT_EQ(ReadFileBytes(install.config(file)), ReadFileBytes(fresh.config(file)))
          << r.what << ", " << file;
    }
  }
}

TEST(Catalogue, MonitorStartIsMarkedInConfigIni) {
  Installation install;
  ASSERT_TRUE(WriteMonitorStarted(install.context()));
  EXPECT_EQ(IniFile(ConfigIniPath(install.dir.folder())).ReadInt(u"Setting", u"Device", 0), 1);
}

}  // namespace
