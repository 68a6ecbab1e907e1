// The macro library file on the real Win32 INI and file functions: the temporary file replaces the
// library in one step, a library that cannot be replaced stays as it was, and what the portable
// engine writes reads back the same through the system functions.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>

#include "option/macros/macro_library.h"
#include "option/macros/win32_macro_file_operations.h"
#include "platform/wide.h"
#include "platform/win32_private_profile.h"
#include "settings/file_paths.h"
#include "settings/portable_private_profile.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

MacroRecord Macro(const char16_t* name, int events, uint8_t seed) {
  MacroRecord r{};
  CopyToField(r.name, name);
  r.repeatCount = seed;
  r.eventCount = events;
  for (int i = 0; i < events; ++i) {
    r.events[i] = {static_cast<uint8_t>(4 + (seed + i) % 26), static_cast<uint8_t>(1 + i % 2),
                   static_cast<uint16_t>(seed * 1000 + i)};
  }
  return r;
}

bool SameLibraries(const MacroLibrary& a, const MacroLibrary& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(MacroRecord)) == 0;
}

class MacroFilesWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    path = dir.folder() + u"config\\sequence.dat";
  }
  bool TemporaryExists() const { return fs::exists(ToFilesystemPath(MacroTemporaryPath(path))); }

  TempDir dir;
  Text path;
  Win32PrivateProfile ini;
  Win32MacroFileOperations files;
};

TEST_F(MacroFilesWindowsTest, SaveReplacesTheLibraryAndLoadsBack) {
  const MacroLibrary first = {Macro(u"First", 3, 1), Macro(u"Zweite \u00e9", 40, 2)};
  const MacroLibrary second = {Macro(u"Only", 5, 3)};
  ASSERT_EQ(SaveMacroLibrary(first, path, ini, files), MacroSaveResult::kSaved);
  ASSERT_EQ(SaveMacroLibrary(second, path, ini, files), MacroSaveResult::kSaved);
  EXPECT_FALSE(TemporaryExists());

  MacroLibrary loaded;
  const MacroLoadReport report = LoadMacroLibrary(loaded, path, ini);
  EXPECT_EQ(report.statedCount, 1);
  EXPECT_TRUE(SameLibraries(loaded, second));
  // The second save left no key of the first behind.
  wchar_t buffer[16] = {};
  GetPrivateProfileStringW(L"Macros", L"1", L"gone", buffer, 16, Wide(path));
  EXPECT_STREQ(buffer, L"gone");
}

TEST_F(MacroFilesWindowsTest, ALockedLibraryIsKeptWhole) {
  const MacroLibrary old = {Macro(u"Old", 4, 5)};
  ASSERT_EQ(SaveMacroLibrary(old, path, ini, files), MacroSaveResult::kSaved);
  const std::string oldBytes = ReadFileBytes(ToFilesystemPath(path));

  // Open without any sharing, as another program holding the file would.
  HANDLE held = CreateFileW(Wide(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const MacroSaveResult result =
      SaveMacroLibrary({Macro(u"New", 2, 6), Macro(u"Newer", 2, 7)}, path, ini, files);
  CloseHandle(held);

  EXPECT_EQ(result, MacroSaveResult::kReplaceFailed);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(path)), oldBytes);
  EXPECT_FALSE(TemporaryExists());
}

TEST_F(MacroFilesWindowsTest, DeleteCountsAMissingFileAsGone) {
  EXPECT_TRUE(files.Delete(dir.file("never-there.dat")));
  EXPECT_TRUE(files.Delete(dir.folder() + u"no-folder\\never-there.dat"));
  const Text existing = dir.file("there.dat");
  WriteFileBytes(ToFilesystemPath(existing), "x");
  EXPECT_TRUE(files.Delete(existing));
  EXPECT_FALSE(fs::exists(ToFilesystemPath(existing)));
}

TEST_F(MacroFilesWindowsTest, PortableAndSystemFilesAgree) {
  const MacroLibrary library = {Macro(u"A", 1, 8), Macro(u"B", 39, 9), Macro(u"C", 0, 10)};
  PortablePrivateProfile portable;
  FilesystemMacroFileOperations portableFiles;
  const Text portablePath = dir.file("portable.dat");
  ASSERT_EQ(SaveMacroLibrary(library, portablePath, portable, portableFiles),
            MacroSaveResult::kSaved);
  ASSERT_EQ(SaveMacroLibrary(library, path, ini, files), MacroSaveResult::kSaved);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(portablePath)), ReadFileBytes(ToFilesystemPath(path)));

  MacroLibrary bySystem;
  LoadMacroLibrary(bySystem, portablePath, ini);
  EXPECT_TRUE(SameLibraries(bySystem, library));
}

}  // namespace
