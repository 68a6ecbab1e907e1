// The language binding against the real lan.dll, which the build puts beside this test program.

#include "settings/language_strings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/text.h"
#include "lang/string_ids.h"

namespace {

Text OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  Text folder(reinterpret_cast<const char16_t*>(path), length);
  return folder.substr(0, folder.find_last_of(u'\\') + 1);
}

std::string Show(const Text& text) {
  return TextToAscii(text);
}

class LanguageStringsTest : public ::testing::Test {
 protected:
  void TearDown() override { FreeLanguageLibrary(); }
};

TEST_F(LanguageStringsTest, EveryIdHasAText) {
  ASSERT_TRUE(LoadLanguageLibrary(OwnFolder())) << Show(OwnFolder());
  for (uint16_t id : kAllStringIds) {
    const Text text = LanguageString(id);
    EXPECT_FALSE(text.empty()) << "id " << id;
    EXPECT_LE(text.size(), 259u) << "id " << id;
  }
}

TEST_F(LanguageStringsTest, SampledTextsMatchTheTable) {
  ASSERT_TRUE(LoadLanguageLibrary(OwnFolder()));
  const struct {
    uint16_t id;
    const char16_t* text;
  } samples[] = {
      {IDS_MAIN_ASSIGN_FUNCTION, u"Assign function"},  // lowest id, first block of the table
      {IDS_MAIN_CLOSE, u"Close"},
      {IDS_OK, u"OK"},
      {IDS_TRAY_OPEN_CONFIGURATOR, u"Open mouse settings"},
      {IDS_FUNC_LEFT_CLICK, u"Left click"},
      {IDS_FUNC_COPY, u"Copy"},
      {IDS_MENU_MACRO_MANAGER, u"Macro manager\u2026"},  // non-ASCII: the table is read as UTF-8
      {IDS_KEY_SHIFT_PREFIX, u"Shift+"},
      {IDS_KEY_RIGHT_ALT, u"Right Alt"},  // highest id
  };
  for (const auto& sample : samples) {
    EXPECT_EQ(LanguageString(sample.id), Text(sample.text)) << "id " << sample.id;
  }
}

TEST_F(LanguageStringsTest, IdsTheLibraryLacksGiveEmptyText) {
  ASSERT_TRUE(LoadLanguageLibrary(OwnFolder()));
  // 0 and 13 share a string block with ids that exist, 1017 is a gap between ids, 4000 and 65535
  // lie in blocks the library does not have at all.
  const uint16_t kMissing[] = {0, 13, 1017, 1040, 4000, 65535};
  for (uint16_t id : kMissing) EXPECT_EQ(LanguageString(id), Text()) << "id " << id;
}

TEST_F(LanguageStringsTest, FolderWithoutTrailingBackslashStillFindsTheLibrary) {
  Text folder = OwnFolder();
  folder.pop_back();
  ASSERT_TRUE(LoadLanguageLibrary(folder));
  EXPECT_EQ(LanguageString(IDS_FUNC_LEFT_CLICK), u"Left click");
}

// The module checks compare with the state before loading: when the whole program runs in one
// process, another test may hold its own reference to lan.dll.
// A copy of lan.dll in a folder of its own: a library still loaded holds its file, which then
// cannot be deleted, so a deletion shows that every reference was released.
class LanguageCopy {
 public:
  LanguageCopy() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"lan-copy-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    const std::wstring own(reinterpret_cast<const wchar_t*>(OwnFolder().c_str()));
    CopyFileW((own + L"lan.dll").c_str(), file().c_str(), FALSE);
  }
  ~LanguageCopy() {
    DeleteFileW(file().c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  Text folder() const { return Text(reinterpret_cast<const char16_t*>(folder_.c_str())); }
  std::wstring file() const { return folder_ + L"lan.dll"; }
  bool Deleted() const { return DeleteFileW(file().c_str()) != 0; }

 private:
  std::wstring folder_;
};

TEST_F(LanguageStringsTest, EverythingIsEmptyOnceTheLibraryIsFreed) {
  const LanguageCopy copy;
  ASSERT_TRUE(LoadLanguageLibrary(copy.folder()));
  ASSERT_FALSE(LanguageString(IDS_TRAY_TOOLTIP).empty());
  ASSERT_FALSE(copy.Deleted()) << "a loaded library does not hold its file here";
  FreeLanguageLibrary();
  for (uint16_t id : kAllStringIds) EXPECT_EQ(LanguageString(id), Text()) << "id " << id;
  // The reference is released, not merely forgotten.
  EXPECT_TRUE(copy.Deleted());
}

TEST_F(LanguageStringsTest, LoadingTwiceTakesOneReference) {
  const LanguageCopy copy;
  ASSERT_TRUE(LoadLanguageLibrary(copy.folder()));
  ASSERT_TRUE(LoadLanguageLibrary(copy.folder()));
  FreeLanguageLibrary();
  EXPECT_TRUE(copy.Deleted());
}

TEST_F(LanguageStringsTest, MissingLibraryLeavesEveryTextEmpty) {
  EXPECT_FALSE(LoadLanguageLibrary(OwnFolder() + u"no-such-folder\\"));
  for (uint16_t id : kAllStringIds) EXPECT_EQ(LanguageString(id), Text()) << "id " << id;
  // A later load from the right folder still works.
  EXPECT_TRUE(LoadLanguageLibrary(OwnFolder()));
  EXPECT_EQ(LanguageString(IDS_FUNC_LEFT_CLICK), u"Left click");
}

// A lan.dll replaced by one with code still gives the texts, and its code never runs.
TEST_F(LanguageStringsTest, LibraryCodeNeverRuns) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"LAN_DLL_CODE_RAN", nullptr));
  ASSERT_TRUE(LoadLanguageLibrary(OwnFolder() + u"lan_with_code\\"));
  EXPECT_EQ(LanguageString(IDS_FUNC_LEFT_CLICK), u"Left click");
  FreeLanguageLibrary();
  EXPECT_EQ(GetEnvironmentVariableW(L"LAN_DLL_CODE_RAN", nullptr, 0), 0u) << "DllMain ran";
}

TEST_F(LanguageStringsTest, EmptyFolderIsRefused) {
  EXPECT_FALSE(LoadLanguageLibrary(Text()));
  EXPECT_EQ(LanguageString(IDS_OK), Text());
}

}  // namespace
