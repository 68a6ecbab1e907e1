#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "option/profile_export.h"
#include "option/profile_import.h"
#include "settings/file_paths.h"
#include "settings/profile_file.h"
#include "tests/support/sample_profiles.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// The host file system, with each call recorded and the copy or the replacement made to fail.
// A failing copy leaves a partial file behind, as an interrupted copy would.
class ScriptedFiles : public ProfileFileOperations {
 public:
  bool CanOpenForReading(const Text& path) override {
    calls.push_back("read " + Name(path));
    return assumeReadable || real.CanOpenForReading(path);
  }
  bool Copy(const Text& from, const Text& to) override {
    calls.push_back("copy " + Name(from) + " " + Name(to));
    if (failCopy) {
      WriteFileBytes(ToFilesystemPath(to), "par");
      return false;
    }
    return real.Copy(from, to);
  }
  bool Replace(const Text& replacement, const Text& target) override {
    calls.push_back("replace " + Name(replacement) + " " + Name(target));
    return !failReplace && real.Replace(replacement, target);
  }
  bool SetAttributes(const Text& path, Attributes attributes) override {
    calls.push_back((attributes == Attributes::kNormal ? "normal " : "hidden ") + Name(path));
    return real.SetAttributes(path, attributes);
  }
  bool Delete(const Text& path) override {
    calls.push_back("delete " + Name(path));
    return real.Delete(path);
  }

  static std::string Name(const Text& path) { return ToFilesystemPath(path).filename().string(); }

  FilesystemProfileFileOperations real;
  bool assumeReadable = false;  // for paths the host spells differently from Windows
  bool failCopy = false;
  bool failReplace = false;
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

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
  bool TemporaryExists() const { return fs::exists(ToFilesystemPath(ImportTemporaryPath(slot))); }

  TempDir dir;
  Text slot;
  Text chosen;
  ScriptedFiles files;
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

TEST_F(ProfileImportTest, ReplacesTheSlotFileThroughATemporaryCopy) {
  EXPECT_EQ(ImportProfileFile(files, chosen, slot), ImportFileResult::kReplaced);
  EXPECT_EQ(Slot(), "new profile");
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(chosen)), "new profile");
  EXPECT_FALSE(TemporaryExists());
  EXPECT_EQ(files.calls,
            (Calls{"read chosen.gmp", "copy chosen.gmp Default2.gmp.import", "normal Default2.gmp",
                   "replace Default2.gmp.import Default2.gmp", "hidden Default2.gmp"}));
}

TEST_F(ProfileImportTest, AMissingSlotFileIsCreated) {
  fs::remove(ToFilesystemPath(slot));
  EXPECT_EQ(ImportProfileFile(files, chosen, slot), ImportFileResult::kReplaced);
  EXPECT_EQ(Slot(), "new profile");
  EXPECT_FALSE(TemporaryExists());
}

TEST_F(ProfileImportTest, TheSlotFileItselfIsOnlyReloaded) {
  Text otherCase = slot;
  for (char16_t& c : otherCase) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  files.assumeReadable = true;
  for (const Text& path : {slot, otherCase, Text(u" ") + slot + u"\t"}) {
    files.calls.clear();
    EXPECT_EQ(ImportProfileFile(files, path, slot), ImportFileResult::kSameFile);
    EXPECT_EQ(Slot(), "old profile");
    EXPECT_EQ(files.calls.size(), 1u);  // the read check and nothing else
  }
  EXPECT_TRUE(ShouldReloadSlot(ImportFileResult::kSameFile));
}

TEST_F(ProfileImportTest, FailuresKeepTheOldSlotFile) {
  const struct {
    bool unreadable;
    bool failCopy;
    bool failReplace;
    ImportFileResult result;
  } rows[] = {
      {true, false, false, ImportFileResult::kUnreadable},
      {false, true, false, ImportFileResult::kCopyFailed},
      {false, false, true, ImportFileResult::kReplaceFailed},
  };
  for (const auto& r : rows) {
    const Text from = r.unreadable ? dir.file("missing.gmp") : chosen;
    files.failCopy = r.failCopy;
    files.failReplace = r.failReplace;
    files.calls.clear();
    EXPECT_EQ(ImportProfileFile(files, from, slot), r.result) << "row " << &r - rows;
    EXPECT_EQ(Slot(), "old profile") << "row " << &r - rows;
    EXPECT_FALSE(TemporaryExists()) << "row " << &r - rows;
    EXPECT_FALSE(ShouldReloadSlot(r.result)) << "row " << &r - rows;
    if (r.unreadable) {
      EXPECT_EQ(files.calls, Calls{"read missing.gmp"});
    }
    if (r.failReplace) {
      // The slot file is hidden again when it stays.
      EXPECT_EQ(files.calls.end()[-2], "hidden Default2.gmp");
    }
  }
}

TEST_F(ProfileImportTest, RealReplaceFailureKeepsTheSlot) {
  // A slot "file" that is a folder with content cannot be replaced by a file.
  fs::remove(ToFilesystemPath(slot));
  fs::create_directory(ToFilesystemPath(slot));
  WriteFileBytes(ToFilesystemPath(slot) / "inside", "x");
  FilesystemProfileFileOperations real;
  EXPECT_EQ(ImportProfileFile(real, chosen, slot), ImportFileResult::kReplaceFailed);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(slot) / "inside"), "x");
  EXPECT_FALSE(TemporaryExists());
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

// The system's INI functions, with one write made to fail.
class FailingWrites : public PrivateProfile {
 public:
  uint32_t GetString(const Text& s, const Text& k, const Text& f, char16_t* b, uint32_t n,
                     const Text& p) override {
    return SystemPrivateProfile().GetString(s, k, f, b, n, p);
  }
  bool WriteString(const Text& s, const Text& k, const Text& v, const Text& p) override {
    return k != failingKey && SystemPrivateProfile().WriteString(s, k, v, p);
  }
  uint32_t GetInt(const Text& s, const Text& k, int32_t f, const Text& p) override {
    return SystemPrivateProfile().GetInt(s, k, f, p);
  }
  bool GetStruct(const Text& s, const Text& k, void* b, uint32_t n, const Text& p) override {
    return SystemPrivateProfile().GetStruct(s, k, b, n, p);
  }
  bool WriteStruct(const Text& s, const Text& k, const void* b, uint32_t n,
                   const Text& p) override {
    return k != failingKey && SystemPrivateProfile().WriteStruct(s, k, b, n, p);
  }
  Text failingKey;
};

TEST_F(ProfileImportTest, ExportReplacesTheChosenFileWhole) {
  const ProfileSettings profile = SampleProfile(11);
  const Text reference = dir.file("reference.gmp");
  SaveProfile(profile, reference);
  // The chosen file holds a key the profile does not have: it must not survive.
  WriteFileBytes(ToFilesystemPath(chosen), "[Setting]\r\nStale=1\r\n");
  WriteFileBytes(ToFilesystemPath(ExportTemporaryPath(chosen)), "[Setting]\r\nLeft=1\r\n");
  FailingWrites ini;
  EXPECT_EQ(ExportProfileFile(files, profile, chosen, ini), ExportFileResult::kWritten);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(chosen)), ReadFileBytes(ToFilesystemPath(reference)));
  EXPECT_FALSE(fs::exists(ToFilesystemPath(ExportTemporaryPath(chosen))));
}

TEST_F(ProfileImportTest, FailedExportLeavesTheChosenFile) {
  const ProfileSettings profile = SampleProfile(12);
  const struct {
    const char16_t* failingKey;
    bool failReplace;
    ExportFileResult result;
  } rows[] = {
      {u"ProFileName", false, ExportFileResult::kWriteFailed},     // a text
      {u"MacroKeyInfo14", false, ExportFileResult::kWriteFailed},  // the last button
      {u"", true, ExportFileResult::kReplaceFailed},
  };
  for (const auto& r : rows) {
    FailingWrites ini;
    ini.failingKey = r.failingKey;
    files.failReplace = r.failReplace;
    EXPECT_EQ(ExportProfileFile(files, profile, chosen, ini), r.result) << "row " << &r - rows;
    EXPECT_EQ(ReadFileBytes(ToFilesystemPath(chosen)), "new profile") << "row " << &r - rows;
    EXPECT_FALSE(fs::exists(ToFilesystemPath(ExportTemporaryPath(chosen)))) << "row " << &r - rows;
  }
}

}  // namespace
