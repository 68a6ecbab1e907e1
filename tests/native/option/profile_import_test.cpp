#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "option/profile_import.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class ProfileImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    slot = dir.folder() + u"config\\Default2.gmp";
    chosen = dir.file("chosen.gmp");
    WriteFileBytes(ToFilesystemPath(slot), "old profile");
    WriteFileBytes(ToFilesystemPath(chosen), "new profile");
  }
  std::string Slot() const { return ReadFileBytes(ToFilesystemPath(slot)); }
  bool TemporaryExists() const {
    return fs::exists(ToFilesystemPath(WholeWriteTemporaryPath(slot)));
  }

  TempDir dir;
  Text slot;
  Text chosen;
  ScriptedFileStore files;
  PrivateProfile& ini = SystemPrivateProfile();
  std::vector<std::vector<ProgramLaunch>> asked;
  bool allow = true;
  LaunchQuestion ask = [this](const std::vector<ProgramLaunch>& launches) {
    asked.push_back(launches);
    return allow;
  };
};

TEST(IsSlotFilePath, WhatCountsAsTheSlotFile) {
  const Text slotPath = u"C:\\Mouse\\config\\Default2.gmp";
  const struct {
    const char16_t* chosen;
    bool same;
  } rows[] = {
      {u"C:\\Mouse\\config\\Default2.gmp", true},
      {u"c:\\MOUSE\\Config\\default2.GMP", true},
      {u"  C:\\Mouse\\config\\Default2.gmp\t\r\n", true},
      {u"C:/Mouse/config/Default2.gmp", true},
      {u"C:\\Mouse\\config\\Default3.gmp", false},
      {u"C:\\Mouse\\config\\Default2.gmp.bak", false},
      {u"D:\\Mouse\\config\\Default2.gmp", false},
      {u"C:\\Mouse\\config\\Default2 .gmp", false},
      {u"", false},
  };
  for (const auto& r : rows)
    EXPECT_EQ(IsSlotFilePath(r.chosen, slotPath), r.same) << "row " << &r - rows;
}

TEST_F(ProfileImportTest, ReplacesOrCreatesTheSlotFileWhole) {
  for (bool slotExists : {true, false}) {
    if (!slotExists) fs::remove(ToFilesystemPath(slot));
    EXPECT_EQ(ImportProfileFile(files, ini, chosen, slot, ask), ImportFileResult::kReplaced);
    EXPECT_EQ(Slot(), "new profile");
    EXPECT_EQ(ReadFileBytes(ToFilesystemPath(chosen)), "new profile");
    EXPECT_FALSE(TemporaryExists());
  }
}

TEST_F(ProfileImportTest, TheSlotFileItselfIsOnlyReloaded) {
  EXPECT_EQ(ImportProfileFile(files, ini, slot, slot, ask), ImportFileResult::kSameFile);
  EXPECT_EQ(Slot(), "old profile");
  EXPECT_EQ(files.writes, 0);
  EXPECT_TRUE(ShouldReloadSlot(ImportFileResult::kSameFile));
}

TEST_F(ProfileImportTest, FailuresKeepTheOldSlotFile) {
  const struct {
    bool missing, failReads, refuseWrites;
    ImportFileResult result;
  } rows[] = {
      {true, false, false, ImportFileResult::kUnreadable},
      {false, true, false, ImportFileResult::kUnreadable},
      {false, false, true, ImportFileResult::kWriteFailed},
  };
  for (const auto& r : rows) {
    files.failReads = r.failReads;
    files.refuseWrites = r.refuseWrites;
    EXPECT_EQ(
        ImportProfileFile(files, ini, r.missing ? dir.file("missing.gmp") : chosen, slot, ask),
        r.result)
        << "row " << &r - rows;
    EXPECT_EQ(Slot(), "old profile") << "row " << &r - rows;
    EXPECT_FALSE(TemporaryExists()) << "row " << &r - rows;
    EXPECT_FALSE(ShouldReloadSlot(r.result)) << "row " << &r - rows;
  }
}

// A profile whose buttons start programs is imported whole only when the user keeps them; else
// those buttons get their defaults and the rest of the profile is imported as it is.
TEST_F(ProfileImportTest, LaunchesAreKeptOnlyWhenTheUserSaysSo) {
  auto incoming = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*incoming, 0);
  CopyToField(incoming->ProFileName, u"Shared");
  const struct {
    int button;
    uint8_t code;
    const char16_t* path;
  } launches[] = {{3, 17, u"C:\\Tools\\run.cmd"}, {9, 86, u"\\\\host\\s\\doc.txt"}, {12, 17, u""}};
  for (const auto& l : launches) {
    incoming->MacroKeyInfo[l.button].functionCode = l.code;
    CopyToField(incoming->MacroKeyInfo[l.button].programPath, l.path);
  }
  ASSERT_TRUE(SaveProfile(*incoming, chosen));
  for (bool kept : {true, false}) {
    allow = kept;
    asked.clear();
    EXPECT_EQ(ImportProfileFile(files, ini, chosen, slot, ask), ImportFileResult::kReplaced);
    ASSERT_EQ(asked.size(), 1u);  // the empty path starts nothing and is not asked about
    EXPECT_EQ(LaunchedFileNames(asked[0]), u"run.cmd, doc.txt");
    auto imported = std::make_unique<ProfileSettings>();
    LoadProfile(*imported, slot, ini);
    EXPECT_EQ(FieldText(imported->ProFileName), u"Shared");
    for (const auto& l : launches) {
      const bool launching = kept || l.path[0] == u'\0';
      EXPECT_EQ(imported->MacroKeyInfo[l.button].functionCode,
                launching ? l.code : kDefaultButtonFunctions[l.button])
          << "kept " << kept << " button " << l.button;
    }
  }
}

TEST(MarkImportedButtons, ButtonsZeroToFiveOfTheCurrentSlot) {
  auto block = std::make_unique<SharedSettingsBlock>();
  for (int32_t current : {0, 2, 4, -1, 5}) {
    std::memset(block.get(), 0, sizeof *block);
    block->CurrentProfile = current;
    MarkImportedButtons(*block);
    for (int p = 0; p < kProfileCount; ++p) {
      for (int b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(block->ButtonChanged[p][b], p == current && b < 6 ? 1 : 0)
            << "current " << current << " slot " << p << " button " << b;
      }
    }
    EXPECT_EQ(block->CurrentChanged, 0);
  }
}

}  // namespace
