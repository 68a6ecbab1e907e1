#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "option/macros/macro_library.h"
#include "settings/ini_file.h"
#include "settings/portable_private_profile.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

MacroRecord Macro(const char16_t* name, int events, int32_t repeat = 0, uint8_t seed = 1) {
  MacroRecord r{};
  CopyToField(r.name, name);
  r.repeatCount = repeat;
  r.eventCount = events;
  for (int i = 0; i < events; ++i) {
    r.events[i] = {static_cast<uint8_t>(4 + (seed + i) % 26),
                   static_cast<uint8_t>(i % 2 == 0 ? kMacroPress : kMacroRelease),
                   static_cast<uint16_t>(seed * 100 + i)};
  }
  return r;
}

std::vector<std::u16string> Names(const MacroLibrary& library) {
  std::vector<std::u16string> names;
  for (const MacroRecord& r : library) names.emplace_back(FieldText(r.name));
  return names;
}

bool SameBytes(const MacroRecord& a, const MacroRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class MacroLibraryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    path = dir.folder() + u"config\\sequence.dat";
  }
  IniFile File() { return IniFile(path, ini); }
  std::string Bytes() const { return ReadFileBytes(ToFilesystemPath(path)); }
  MacroLibrary Load(MacroLoadReport* report = nullptr) {
    MacroLibrary library;
    const MacroLoadReport r = LoadMacroLibrary(library, path, ini);
    if (report != nullptr) *report = r;
    return library;
  }
  void Save(const MacroLibrary& library) {
    ASSERT_EQ(SaveMacroLibrary(library, path, files), MacroSaveResult::kSaved);
  }

  TempDir dir;
  Text path;
  PortablePrivateProfile ini;
  ScriptedFileStore files;
};

TEST_F(MacroLibraryFileTest, SavedRecordsAreNumberedInLibraryOrderAfterADelete) {
  MacroLibrary library = {Macro(u"One", 2, 0, 1), Macro(u"Two", 3, 5, 2),
                          Macro(u"Three", 40, 255, 3)};
  Save(library);
  EXPECT_EQ(File().ReadInt(u"Macros", u"number", -1), 3);
  for (int i = 0; i < 3; ++i) {
    MacroRecord read{};
    ASSERT_TRUE(File().ReadStruct(u"Macros", FormatInt(i), &read, sizeof read)) << i;
    EXPECT_TRUE(SameBytes(read, library[i])) << i;
  }

  library.erase(library.begin() + 1);
  Save(library);
  EXPECT_EQ(File().ReadInt(u"Macros", u"number", -1), 2);
  MacroRecord second{};
  ASSERT_TRUE(File().ReadStruct(u"Macros", u"1", &second, sizeof second));
  EXPECT_TRUE(SameBytes(second, library[1]));
  EXPECT_EQ(File().ReadString(u"Macros", u"2", u"gone"), u"gone");  // no stale third key
  EXPECT_FALSE(fs::exists(ToFilesystemPath(WholeWriteTemporaryPath(path))));

  const MacroLibrary loaded = Load();
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_TRUE(SameBytes(loaded[0], library[0]));
  EXPECT_TRUE(SameBytes(loaded[1], library[1]));
}

TEST_F(MacroLibraryFileTest, LoadAppendsAndAMissingFileGivesNothing) {
  MacroLoadReport report;
  EXPECT_TRUE(Load(&report).empty());
  EXPECT_EQ(report.statedCount, -1);

  Save({Macro(u"Saved", 1)});
  MacroLibrary library = {Macro(u"Already", 1)};
  LoadMacroLibrary(library, path, ini);
  EXPECT_EQ(Names(library), (std::vector<std::u16string>{u"Already", u"Saved"}));
}

// Counts and record keys as a damaged or hand-edited file may hold them.
TEST_F(MacroLibraryFileTest, CountsAndGapsAreBoundedByTheRecordsPresent) {
  const struct {
    int32_t number;
    std::vector<int> keys;  // record keys written, named "M<key>"
    std::vector<std::u16string> loaded;
    bool stoppedEarly;
  } rows[] = {
      {2000000000, {0, 1, 2}, {u"M0", u"M1", u"M2"}, true},
      {2000000000, {0, 63, 127}, {u"M0", u"M63", u"M127"}, true},
      {2000000000, {0, 65}, {u"M0"}, true},  // 64 missing keys in a row end the read
      {5, {0, 1, 2, 3, 4, 5}, {u"M0", u"M1", u"M2", u"M3", u"M4"}, false},
      {3, {1, 2}, {u"M1", u"M2"}, false},
      {0, {0}, {}, false},
      {-7, {0}, {}, false},
  };
  for (const auto& r : rows) {
    fs::remove(ToFilesystemPath(path));
    File().WriteInt(u"Macros", u"number", r.number);
    for (int key : r.keys) {
      const MacroRecord m = Macro((u"M" + FormatInt(key)).c_str(), 1);
      File().WriteStruct(u"Macros", FormatInt(key), &m, sizeof m);
    }
    MacroLoadReport report;
    EXPECT_EQ(Names(Load(&report)), r.loaded) << "row " << &r - rows;
    EXPECT_EQ(report.stoppedEarly, r.stoppedEarly) << "row " << &r - rows;
  }
}

TEST_F(MacroLibraryFileTest, DamagedRecordsAreSkipped) {
  Save({Macro(u"First", 2), Macro(u"Second", 2), Macro(u"Third", 2)});
  const std::string good = ReadFileBytes(ToFilesystemPath(path));
  const Text value = File().ReadString(u"Macros", u"1", u"");
  ASSERT_EQ(value.size(), 2u * sizeof(MacroRecord) + 2);

  const struct {
    const char* what;
    Text replacement;
  } damages[] = {
      {"digit changed", Text(1, value[0] == u'0' ? u'1' : u'0') + value.substr(1)},
      {"checksum changed",
       value.substr(0, value.size() - 1) + (value.back() == u'0' ? u"1" : u"0")},
      {"one digit short", value.substr(1)},
      {"not hexadecimal", u"zz" + value.substr(2)},
      {"empty", u""},
  };
  for (const auto& d : damages) {
    WriteFileBytes(ToFilesystemPath(path), good);
    File().WriteString(u"Macros", u"1", d.replacement);
    MacroLoadReport report;
    EXPECT_EQ(Names(Load(&report)), (std::vector<std::u16string>{u"First", u"Third"})) << d.what;
    EXPECT_EQ(report.skipped, 1) << d.what;
  }
}

TEST_F(MacroLibraryFileTest, LoadedRecordsStayWithinTheirFields) {
  MacroRecord wild{};
  for (char16_t& c : wild.name) c = u'x';  // no terminator
  wild.eventCount = 99;
  MacroRecord negative = Macro(u"Negative", 0);
  negative.eventCount = -5;
  File().WriteInt(u"Macros", u"number", 2);
  File().WriteStruct(u"Macros", u"0", &wild, sizeof wild);
  File().WriteStruct(u"Macros", u"1", &negative, sizeof negative);

  const MacroLibrary loaded = Load();
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(FieldText(loaded[0].name), Text(kMaxMacroNameChars, u'x'));
  EXPECT_EQ(loaded[0].eventCount, kMaxMacroEvents);
  EXPECT_EQ(loaded[1].eventCount, 0);
}

TEST_F(MacroLibraryFileTest, AFailedSaveKeepsTheOldLibrary) {
  Save({Macro(u"Old", 3)});
  const std::string old = Bytes();
  files.refuseWrites = true;
  EXPECT_EQ(SaveMacroLibrary({Macro(u"New", 1)}, path, files), MacroSaveResult::kWriteFailed);
  EXPECT_EQ(Bytes(), old);
}

TEST(FindMacroByName, IgnoresCaseAndSurroundingBlanks) {
  const MacroLibrary library = {Macro(u"  Fire ", 1), Macro(u"burst", 1), Macro(u"Fire", 1)};
  const struct {
    const char16_t* name;
    int index;
  } rows[] = {
      {u"Fire", 0}, {u"FIRE", 0},   {u" fire\t", 0}, {u"Burst", 1},
      {u"Fir", -1}, {u"Fire2", -1}, {u"", -1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(FindMacroIndex(library, r.name), r.index) << "row " << &r - rows;
    EXPECT_EQ(FindMacroByName(library, r.name), r.index >= 0) << "row " << &r - rows;
  }
}

TEST(ImportedMacroName, NumbersAClashAndKeepsTheField) {
  const Text long49(49, u'L');
  const Text long48(48, u'L');
  const Text long47(47, u'L');
  MacroLibrary tenLong = {Macro(long49.c_str(), 0)};
  for (int n = 1; n <= 9; ++n) tenLong.push_back(Macro((long48 + FormatInt(n)).c_str(), 0));

  const struct {
    MacroLibrary library;
    Text name;
    Text expected;
  } rows[] = {
      {{Macro(u"Fire", 1), Macro(u"fire1", 1)}, u"Fire", u"Fire2"},
      {{Macro(u"Fire", 1)}, u"Burst", u"Burst"},
      {{Macro(u"FIRE", 1)}, u"fire", u"fire1"},
      {{Macro(long49.c_str(), 0)}, long49, long48 + u"1"},
      {{Macro(long49.c_str(), 0), Macro((long48 + u"1").c_str(), 0)}, long49, long48 + u"2"},
      {tenLong, long49, long47 + u"10"},
      {{Macro(u"", 0)}, u"", u"1"},
  };
  for (const auto& r : rows) {
    const Text name = ImportedMacroName(r.library, r.name);
    EXPECT_EQ(name, r.expected) << "row " << &r - rows;
    EXPECT_LE(name.size(), static_cast<size_t>(kMaxMacroNameChars)) << "row " << &r - rows;
  }
}

TEST_F(MacroLibraryFileTest, ExportAndImportOfOneMacro) {
  const Text exported = dir.file("burst.macro");
  const MacroRecord burst = Macro(u"Burst", 6, 3, 9);
  ASSERT_EQ(ExportMacroFile(burst, exported, files), MacroSaveResult::kSaved);
  const IniFile file(exported, ini);
  EXPECT_EQ(file.ReadString(u"Macros", u"number", u"none"), u"none");

  MacroRecord read{};
  ASSERT_TRUE(ReadMacroFile(exported, ini, &read));
  EXPECT_TRUE(SameBytes(read, burst));

  MacroLibrary library = {Macro(u"burst", 1), Macro(u"Burst1", 1)};
  EXPECT_EQ(AddImportedMacro(library, read), 2);
  EXPECT_EQ(FieldText(library[2].name), u"Burst2");
  EXPECT_EQ(std::memcmp(library[2].events, burst.events, sizeof burst.events), 0);
  EXPECT_EQ(library[2].repeatCount, 3);
}

TEST_F(MacroLibraryFileTest, UnreadableImportFilesGiveNothing) {
  const MacroRecord sentinel = Macro(u"Sentinel", 2);
  const Text damaged = dir.file("damaged.macro");
  WriteFileBytes(ToFilesystemPath(damaged), "[Macros]\r\n0=0102\r\n");
  const Text empty = dir.file("empty.macro");
  WriteFileBytes(ToFilesystemPath(empty), "");
  for (const Text& file : {dir.file("missing.macro"), damaged, empty}) {
    MacroRecord record = sentinel;
    EXPECT_FALSE(ReadMacroFile(file, ini, &record));
    EXPECT_TRUE(SameBytes(record, sentinel));
  }
}

TEST_F(MacroLibraryFileTest, ExportReplacesAnExistingFileOnlyWhenComplete) {
  const Text target = dir.file("chosen.macro");
  WriteFileBytes(ToFilesystemPath(target), "[Macros]\r\n7=stale\r\n");
  files.refuseWrites = true;
  EXPECT_EQ(ExportMacroFile(Macro(u"A", 1), target, files), MacroSaveResult::kWriteFailed);
  EXPECT_EQ(ReadFileBytes(ToFilesystemPath(target)), "[Macros]\r\n7=stale\r\n");

  files.refuseWrites = false;
  ASSERT_EQ(ExportMacroFile(Macro(u"A", 1), target, files), MacroSaveResult::kSaved);
  EXPECT_EQ(IniFile(target, ini).ReadString(u"Macros", u"7", u"gone"), u"gone");
}

ButtonAssignment ButtonMacro(const char16_t* name, int events, int32_t repeat, uint8_t seed) {
  const MacroRecord m = Macro(name, events, repeat, seed);
  ButtonAssignment a{};
  a.functionCode = 16;
  CopyToField(a.macroName, name);
  a.repeatCount = repeat;
  a.eventCount = static_cast<uint16_t>(events);
  std::memcpy(a.events, m.events, sizeof a.events);
  return a;
}

TEST(MatchButtonMacro, FindsByNameAndComparesTheMacro) {
  const MacroLibrary library = {Macro(u"Other", 2, 0, 1), Macro(u"Burst", 4, 2, 5)};
  ButtonAssignment changedEvent = ButtonMacro(u"Burst", 4, 2, 5);
  changedEvent.events[3].delay += 1;
  ButtonAssignment unusedSlotDiffers = ButtonMacro(u"Burst", 4, 2, 5);
  unusedSlotDiffers.events[10] = {9, 1, 1};
  const struct {
    ButtonAssignment button;
    int index;
    bool identical;
  } rows[] = {
      {ButtonMacro(u"Burst", 4, 2, 5), 1, true},
      {ButtonMacro(u"burst", 4, 2, 5), 1, true},
      {unusedSlotDiffers, 1, true},
      {ButtonMacro(u"Burst", 6, 2, 5), 1, false},
      {ButtonMacro(u"Burst", 4, 3, 5), 1, false},
      {changedEvent, 1, false},
      {ButtonMacro(u"Missing", 4, 2, 5), -1, false},
  };
  for (const auto& r : rows) {
    const MacroMatch match = MatchButtonMacro(library, r.button);
    EXPECT_EQ(match.index, r.index) << "row " << &r - rows;
    EXPECT_EQ(match.identical, r.identical) << "row " << &r - rows;
  }
}

class MergeButtonMacrosTest : public ::testing::Test {
 protected:
  void SetUp() override { std::memset(&block, 0, sizeof block); }
  ButtonAssignment& Button(int slot, int button) {
    return block.profiles[slot].MacroKeyInfo[button];
  }
  SharedSettingsBlock block;
};

TEST_F(MergeButtonMacrosTest, ChangedNewAndDuplicateNamedMacros) {
  MacroLibrary library = {Macro(u"Burst", 4, 1, 2), Macro(u"Keep", 3, 0, 4)};
  Button(0, 4) = ButtonMacro(u"Burst", 6, 2, 7);  // changed: 6 events replace 4
  Button(1, 2) = ButtonMacro(u"Fresh", 5, 9, 3);  // new: appended with its repeat count
  Button(2, 0) = ButtonMacro(u"Twin", 2, 0, 1);   // two differing copies of one name:
  Button(4, 14) = ButtonMacro(u"twin", 3, 0, 8);  // the last one visited wins
  Button(3, 7) = ButtonMacro(u"Keep", 3, 0, 4);   // identical: untouched
  Button(3, 8) = ButtonMacro(u"Ignored", 3, 0, 4);
  Button(3, 8).functionCode = 17;            // not a macro function
  Button(3, 9) = ButtonMacro(u"", 3, 0, 4);  // no name

  EXPECT_EQ(MergeButtonMacros(library, block), 4);
  EXPECT_EQ(Names(library), (std::vector<std::u16string>{u"Burst", u"Keep", u"Fresh", u"Twin"}));

  EXPECT_EQ(library[0].eventCount, 6);
  EXPECT_EQ(library[0].repeatCount, 2);
  EXPECT_EQ(std::memcmp(library[0].events, Button(0, 4).events, sizeof library[0].events), 0);
  EXPECT_TRUE(SameBytes(library[1], Macro(u"Keep", 3, 0, 4)));
  EXPECT_TRUE(SameBytes(library[2], Macro(u"Fresh", 5, 9, 3)));
  EXPECT_EQ(library[3].eventCount, 3);
  EXPECT_EQ(std::memcmp(library[3].events, Button(4, 14).events, sizeof library[3].events), 0);

  // A second merge adds nothing (the library does not grow at every start); only the two
  // differing twins take their turns again.
  EXPECT_EQ(MergeButtonMacros(library, block), 2);
  EXPECT_EQ(library.size(), 4u);
}

TEST_F(MergeButtonMacrosTest, NamesTheLibraryCannotHoldAsGivenStillMatchNextTime) {
  MacroLibrary library;
  ButtonAssignment spaced = ButtonMacro(u"Spaced ", 2, 0, 1);
  ButtonAssignment full = ButtonMacro(u"x", 2, 0, 1);
  for (char16_t& c : full.macroName) c = u'F';  // 50 characters, no terminator
  ButtonAssignment tooMany = ButtonMacro(u"Many", 40, 0, 1);
  tooMany.eventCount = 300;
  Button(0, 0) = spaced;
  Button(0, 1) = full;
  Button(0, 2) = tooMany;

  EXPECT_EQ(MergeButtonMacros(library, block), 3);
  ASSERT_EQ(library.size(), 3u);
  EXPECT_EQ(FieldText(library[1].name), Text(kMaxMacroNameChars, u'F'));
  EXPECT_EQ(library[2].eventCount, kMaxMacroEvents);
  EXPECT_EQ(MergeButtonMacros(library, block), 0);
  EXPECT_EQ(library.size(), 3u);
}

// A macro re-recorded in the manager reaches every button that plays it, so the merge at the next
// start keeps it instead of bringing back the buttons' old copy.
TEST_F(MergeButtonMacrosTest, ManagerEditsReachTheButtonsThatPlayThem) {
  const MacroLibrary before = {Macro(u"Burst", 4, 1, 2), Macro(u"Keep", 3, 0, 4)};
  const MacroLibrary edited = {Macro(u"Burst", 6, 2, 7), before[1], Macro(u"New", 2, 0, 9)};
  const struct {
    int slot, button;
    ButtonAssignment assignment;
    bool copied;
  } rows[] = {
      {0, 4, ButtonMacro(u"Burst", 4, 1, 2), true},
      {4, 14, ButtonMacro(u" burst ", 4, 1, 2), true},  // named as FindMacroIndex compares
      {3, 9, ButtonMacro(u"Burst", 6, 2, 7), false},    // already the new macro
      {1, 2, ButtonMacro(u"Keep", 5, 0, 1), false},     // the user left Keep alone
      {2, 0, ButtonMacro(u"new", 1, 0, 3), true},       // a name new to the library
  };
  for (const auto& r : rows) Button(r.slot, r.button) = r.assignment;
  EXPECT_EQ(CopyChangedMacrosToButtons(before, edited, block), 3);
  MacroLibrary restarted = edited;
  EXPECT_EQ(MergeButtonMacros(restarted, block), 1);  // only the Keep button differs
  for (const auto& r : rows) {
    const ButtonAssignment& now = Button(r.slot, r.button);
    if (r.copied) {
      EXPECT_TRUE(MatchButtonMacro(edited, now).identical) << &r - rows;
    } else {
      EXPECT_EQ(std::memcmp(&now, &r.assignment, sizeof now), 0) << &r - rows;
    }
    EXPECT_EQ(block.ButtonChanged[r.slot][r.button], r.copied ? 1 : 0) << &r - rows;
  }
  EXPECT_TRUE(SameBytes(restarted[0], edited[0]));
}

}  // namespace
