#include "settings/settings_file_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/host_file_store.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

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
