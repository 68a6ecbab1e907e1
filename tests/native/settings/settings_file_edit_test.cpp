#include "settings/settings_file_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/host_file_store.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// ASCII text as a whole write stores it: UTF-16LE after a byte-order mark.
std::string Utf16File(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

// An old ANSI file is read as before; its next write is UTF-16LE and keeps what it did not set.
TEST(SettingsFileEdit, AnAnsiFileBecomesUtf16AndKeepsWhatItDoesNotSet) {
  TempDir dir;
  WriteFileBytes(dir.path() / "a.ini",
                 "; note\r\n[Setting]\r\nName=Caf\xE9\r\nOld=1\r\n[Other]\r\nx=y\r\n");
  SettingsFileEdit edit(dir.file("a.ini"), SystemFileStore());
  edit.WriteString(u"Setting", u"Old", u"\u0416");
  edit.WriteInt(u"Setting", u"New", -3);
  ASSERT_TRUE(edit.Commit());
  EXPECT_EQ(ReadFileBytes(dir.path() / "a.ini").substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(
      ReadFileText(dir.path() / "a.ini"),
      "; note\r\n[Setting]\r\nName=Caf\xC3\xA9\r\nOld=\xD0\x96\r\nNew=-3\r\n[Other]\r\nx=y\r\n");
}

TEST(SettingsFileEdit, RemoveKeysEmptiesOnlyTheFirstSectionOfTheName) {
  TempDir dir;
  WriteFileBytes(
      dir.path() / "m.dat",
      "[Macros]\r\nnumber=3\r\n; kept\r\n2=old\r\n[Other]\r\nk=v\r\n[macros]\r\n9=x\r\n");
  SettingsFileEdit edit(dir.file("m.dat"), SystemFileStore());
  edit.RemoveKeys(u"Macros");
  edit.WriteInt(u"Macros", u"number", 0);
  ASSERT_TRUE(edit.Commit());
  EXPECT_EQ(ReadFileText(dir.path() / "m.dat"),
            "[Macros]\r\nnumber=0\r\n; kept\r\n[Other]\r\nk=v\r\n[macros]\r\n9=x\r\n");
}

TEST(SettingsFileEdit, AFileThatCannotBeReadIsNeverReplaced) {
  TempDir dir;
  WriteFileBytes(dir.path() / "c.ini", "[Setting]\r\nKeep=1\r\n");
  ScriptedFileStore files;
  files.failReads = true;
  SettingsFileEdit edit(dir.file("c.ini"), files);
  edit.WriteInt(u"Setting", u"Keep", 2);
  EXPECT_FALSE(edit.Commit());
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(ReadFileBytes(dir.path() / "c.ini"), "[Setting]\r\nKeep=1\r\n");
}

// A commit that would put the same bytes back with the same look leaves the file alone (no write
// at all), and still fails where the write would have been refused.
TEST(SettingsFileEdit, AFileAlreadyHoldingTheTextIsNotWrittenAgain) {
  const std::string utf16 = Utf16File("[Setting]\r\nKeep=1\r\n");
  const struct {
    const char* what;
    const char* before;  // nullptr: no file
    bool utf16;          // the file as the last whole write left it
    int32_t keep;        // the value the edit sets
    WrittenFileLook look;
    bool readOnly;
    bool committed;
    int writes;
  } rows[] = {
      {"same text", "[Setting]\r\nKeep=1\r\n", true, 1, WrittenFileLook::kAsBefore, false, true, 0},
      {"same text, read-only", "[Setting]\r\nKeep=1\r\n", true, 1, WrittenFileLook::kAsBefore, true,
       false, 0},
      {"same text, hidden look asked", "[Setting]\r\nKeep=1\r\n", true, 1, WrittenFileLook::kHidden,
       false, true, 1},
      {"same keys in an ANSI file", "[Setting]\r\nKeep=1\r\n", false, 1, WrittenFileLook::kAsBefore,
       false, true, 1},
      {"changed value", "[Setting]\r\nKeep=1\r\n", true, 2, WrittenFileLook::kAsBefore, false, true,
       1},
      {"changed value, read-only", "[Setting]\r\nKeep=1\r\n", true, 2, WrittenFileLook::kAsBefore,
       true, false, 1},
      {"no file", nullptr, true, 1, WrittenFileLook::kAsBefore, false, true, 1},
  };
  for (const auto& r : rows) {
    TempDir dir;
    const fs::path file = dir.path() / "s.ini";
    if (r.before != nullptr) {
      WriteFileBytes(file, r.utf16 ? Utf16File(r.before) : std::string(r.before));
      if (r.readOnly) fs::permissions(file, fs::perms::owner_read);
    }
    const std::string old = r.before != nullptr ? ReadFileBytes(file) : std::string();
    ScriptedFileStore files;
    SettingsFileEdit edit(dir.file("s.ini"), files, r.look);
    edit.WriteInt(u"Setting", u"Keep", r.keep);
    EXPECT_EQ(edit.Commit(), r.committed) << r.what;
    EXPECT_EQ(files.writes, r.writes) << r.what;
    const std::string expected = r.keep == 1 ? utf16 : Utf16File("[Setting]\r\nKeep=2\r\n");
    EXPECT_EQ(ReadFileBytes(file), r.committed ? expected : old) << r.what;
    if (r.readOnly) fs::permissions(file, fs::perms::owner_all);
  }
}

// Every refusal of the host store keeps the target as it was and leaves no temporary file.
TEST(HostFileStore, RefusedWritesKeepTheTarget) {
  const struct {
    const char* what;
    void (*prepare)(const fs::path& target);
  } rows[] = {
      {"read-only target", [](const fs::path& t) { fs::permissions(t, fs::perms::owner_read); }},
      {"temporary name taken by a folder",
       [](const fs::path& t) { fs::create_directory(t.string() + ".new"); }},
  };
  for (const auto& r : rows) {
    TempDir dir;
    const fs::path target = dir.path() / "p.gmp";
    WriteFileBytes(target, "old");
    r.prepare(target);
    HostFileStore files;
    EXPECT_FALSE(files.WriteWhole(dir.file("p.gmp"), "new", WrittenFileLook::kAsBefore)) << r.what;
    EXPECT_EQ(ReadFileBytes(target), "old") << r.what;
    EXPECT_FALSE(fs::is_regular_file(target.string() + ".new")) << r.what;
    fs::permissions(target, fs::perms::owner_all);
  }
  TempDir dir;
  HostFileStore files;
  EXPECT_FALSE(files.WriteWhole(dir.file("missing\\p.gmp"), "new", WrittenFileLook::kAsBefore))
      << "missing folder";
  EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

}  // namespace
