// Settings files on the real Win32 file and INI functions: a whole write replaces the file in one
// step and keeps its look, a file that cannot be replaced stays as it was, and texts in any
// language read back through the system's own INI functions.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>

#include "base/file_paths.h"
#include "base/wide.h"
#include "option/macros/macro_library.h"
#include "platform/win32_file_store.h"
#include "platform/win32_private_profile.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
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

class WholeFileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    path = dir.folder() + u"config\\sequence.dat";
  }
  bool TemporaryExists() const {
    return fs::exists(ToFilesystemPath(WholeWriteTemporaryPath(path)));
  }
  DWORD Attributes() const { return GetFileAttributesW(Wide(path)); }

  TempDir dir;
  Text path;
  Win32PrivateProfile ini;
  Win32FileStore files;
};

TEST_F(WholeFileWriteTest, SaveReplacesTheLibraryAndLoadsBack) {
  const MacroLibrary first = {Macro(u"First", 3, 1), Macro(u"Zweite \u00e9", 40, 2)};
  const MacroLibrary second = {Macro(u"Only \u0416\u65e5", 5, 3)};
  ASSERT_EQ(SaveMacroLibrary(first, path, files), MacroSaveResult::kSaved);
  ASSERT_EQ(SaveMacroLibrary(second, path, files), MacroSaveResult::kSaved);
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

TEST_F(WholeFileWriteTest, ALockedFileIsKeptWhole) {
  ASSERT_EQ(SaveMacroLibrary({Macro(u"Old", 4, 5)}, path, files), MacroSaveResult::kSaved);
  const std::string oldBytes = ReadFileBytes(ToFilesystemPath(path));

  // Open without any sharing, as another program holding the file would.
  HANDLE held = CreateFileW(Wide(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const MacroSaveResult result =
      SaveMacroLibrary({Macro(u"New", 2, 6), Macro(u"Newer", 2, 7)}, path, files);
  CloseHandle(held);

  EXPECT_EQ(result, MacroSaveResult::kWriteFailed);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(path)), oldBytes);
  EXPECT_FALSE(TemporaryExists());
}

// What a whole write does with the look of the file it replaces.
TEST_F(WholeFileWriteTest, TheReplacedFileKeepsItsLook) {
  constexpr DWORD kHidden = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN;
  const struct {
    const char* what;
    DWORD before;  // 0: no file
    WrittenFileLook look;
    bool written;
    DWORD after;  // the attributes that matter afterwards
  } rows[] = {
      {"new file", 0, WrittenFileLook::kAsBefore, true, 0},
      {"new slot file", 0, WrittenFileLook::kHidden, true, kHidden},
      {"hidden file", kHidden, WrittenFileLook::kAsBefore, true, kHidden},
      {"plain file hidden on import", FILE_ATTRIBUTE_ARCHIVE, WrittenFileLook::kHidden, true,
       kHidden},
      {"read-only file", FILE_ATTRIBUTE_READONLY, WrittenFileLook::kAsBefore, false,
       FILE_ATTRIBUTE_READONLY},
  };
  // Wine keeps the hidden attribute only where the file system holds extended attributes.
  WriteFileBytes(ToFilesystemPath(path), "probe");
  SetFileAttributesW(Wide(path), kHidden);
  const DWORD kLook = FILE_ATTRIBUTE_READONLY | (Attributes() & FILE_ATTRIBUTE_HIDDEN);
  for (const auto& r : rows) {
    SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(Wide(path));
    if (r.before != 0) {
      WriteFileBytes(ToFilesystemPath(path), "old");
      SetFileAttributesW(Wide(path), r.before);
    }
    // A leftover hidden temporary file of an interrupted write never blocks the next one.
    WriteFileBytes(ToFilesystemPath(WholeWriteTemporaryPath(path)), "leftover");
    SetFileAttributesW(Wide(WholeWriteTemporaryPath(path)), kHidden);

    EXPECT_EQ(files.WriteWhole(path, "new", r.look), r.written) << r.what;
    EXPECT_EQ(ReadFileBytes(ToFilesystemPath(path)), r.written ? "new" : "old") << r.what;
    EXPECT_EQ(Attributes() & kLook, r.after & kLook) << r.what;
    if (r.written) {
      EXPECT_FALSE(TemporaryExists()) << r.what;
    }
  }
  SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesW(Wide(WholeWriteTemporaryPath(path)), FILE_ATTRIBUTE_NORMAL);
}

// MayReplace answers what WriteWhole would refuse for the target itself, so that a file already
// holding the bytes is left alone exactly where a write would have succeeded.
TEST_F(WholeFileWriteTest, MayReplaceAgreesWithTheWrite) {
  const struct {
    const char* what;
    DWORD attributes;  // 0: no file
    bool folder;
    bool replaceable;
  } rows[] = {
      {"no file", 0, false, true},
      {"plain file", FILE_ATTRIBUTE_NORMAL, false, true},
      {"hidden file", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN, false, true},
      {"read-only file", FILE_ATTRIBUTE_READONLY, false, false},
      {"hidden read-only file", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, false, false},
      {"folder", 0, true, false},
  };
  for (const auto& r : rows) {
    SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(Wide(path));
    RemoveDirectoryW(Wide(path));
    if (r.folder) CreateDirectoryW(Wide(path), nullptr);
    if (r.attributes != 0) {
      WriteFileBytes(ToFilesystemPath(path), "old");
      SetFileAttributesW(Wide(path), r.attributes);
    }
    EXPECT_EQ(files.MayReplace(path), r.replaceable) << r.what;
    EXPECT_EQ(files.WriteWhole(path, "new", WrittenFileLook::kAsBefore), r.replaceable) << r.what;
  }
  SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(Wide(path));
}

// Names and program paths in any language survive a save and a load through the system's INI
// functions; an old ANSI file is read as before and keeps its other keys when it is rewritten.
TEST_F(WholeFileWriteTest, TextsInAnyLanguageSurvive) {
  const Text slot = dir.folder() + u"config\\Default0.gmp";
  WriteFileBytes(ToFilesystemPath(slot), "[Setting]\r\nProFileName=Old\r\nUnknown=kept\r\n");
  const struct {
    const char16_t* name;
    const char16_t* program;
  } rows[] = {
      {u"\u0418\u0433\u0440\u0430", u"C:\\\u0418\u0433\u0440\u044b\\\u0438\u0433\u0440\u0430.exe"},
      {u"\u30b2\u30fc\u30e0", u"C:\\\u30b2\u30fc\u30e0\\\u8d77\u52d5.exe"},
      {u"Caf\u00e9 \u00c6\u00f8\u00fc", u"C:\\Jeux\\\u00e9t\u00e9\\na\u00efve.exe"},
  };
  for (const auto& r : rows) {
    ProfileSettings saved{};
    SetProfileDefaults(saved, 0);
    CopyToField(saved.ProFileName, r.name);
    CopyToField(saved.GameFile, r.program);
    ASSERT_TRUE(SaveProfile(saved, slot, files));
    ProfileSettings loaded{};
    LoadProfile(loaded, slot, ini);
    EXPECT_EQ(FieldText(loaded.ProFileName), Text(r.name));
    EXPECT_EQ(FieldText(loaded.GameFile), Text(r.program));
  }
  wchar_t buffer[16] = {};
  GetPrivateProfileStringW(L"Setting", L"Unknown", L"", buffer, 16, Wide(slot));
  EXPECT_STREQ(buffer, L"kept");
}

}  // namespace
