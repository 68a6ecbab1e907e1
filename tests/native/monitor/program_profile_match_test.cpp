// The rule that picks the profile of the program in front.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>

#include "monitor/program_profile_match.h"

namespace {

struct MatchCase {
  const char* name;
  std::array<const char16_t*, kProfileCount> gameFiles;
  int32_t chosen;
  std::optional<Text> imagePath;  // none: the process is gone or refused the question
  int32_t expectedSlot;
};

const MatchCase kCases[] = {
    {"exact path", {u"", u"", u"", u"C:\\Games\\race.exe", u""}, 0, u"C:\\Games\\race.exe", 3},
    {"case ignored", {u"", u"", u"", u"c:\\games\\RACE.EXE", u""}, 0, u"C:\\Games\\race.exe", 3},
    {"slashes either way",
     {u"", u"C:/Games/race.exe", u"", u"", u""},
     0,
     u"C:\\Games\\race.exe",
     1},
    {"quotes and blanks around the stored path",
     {u"", u"", u" \"C:\\Games\\race.exe\" ", u"", u""},
     4,
     u"C:\\Games\\race.exe",
     2},
    {"lowest of several slots",
     {u"", u"", u"C:\\a.exe", u"c:\\A.exe", u"C:\\a.exe"},
     0,
     u"C:\\a.exe",
     2},
    {"another program: the chosen one", {u"", u"", u"", u"C:\\a.exe", u""}, 1, u"C:\\b.exe", 1},
    {"a longer name is another program",
     {u"", u"", u"", u"C:\\a.exe", u""},
     1,
     u"C:\\a.exe.old",
     1},
    {"only the whole path counts", {u"", u"", u"", u"a.exe", u""}, 1, u"C:\\a.exe", 1},
    {"empty names never match", {u"", u"", u"", u"", u""}, 2, u"", 2},
    {"blank names never match", {u" ", u"\"\"", u"", u"", u""}, 2, u" ", 2},
    {"process gone: the chosen one", {u"", u"", u"", u"C:\\a.exe", u""}, 1, std::nullopt, 1},
    {"a match even without a valid choice",
     {u"", u"", u"", u"C:\\a.exe", u""},
     -1,
     u"C:\\a.exe",
     3},
    {"no match, no valid choice", {u"", u"", u"", u"C:\\a.exe", u""}, 9, u"C:\\b.exe", 9},
};

TEST(ProgramProfileMatch, PicksTheSlotOfTheProgramInFront) {
  auto settings = std::make_unique<SharedSettingsBlock>();
  for (const MatchCase& c : kCases) {
    *settings = SharedSettingsBlock{};
    settings->CurrentProfile = c.chosen;
    for (int slot = 0; slot < kProfileCount; ++slot) {
      CopyToField(settings->profiles[slot].GameFile, c.gameFiles[slot]);
    }
    const ActiveSlotChoice choice = ChooseActiveSlot(*settings, c.imagePath);
    EXPECT_EQ(choice.slot, c.expectedSlot) << c.name;
    EXPECT_EQ(choice.byProgram, c.imagePath && c.expectedSlot != c.chosen) << c.name;
  }
}

TEST(ProgramProfileMatch, AFullFieldWithoutTerminatorIsReadWithinIt) {
  auto settings = std::make_unique<SharedSettingsBlock>();
  settings->CurrentProfile = 0;
  Text path(500, u'x');
  std::copy(path.begin(), path.end(), settings->profiles[4].GameFile);
  EXPECT_EQ(ChooseActiveSlot(*settings, path).slot, 4);
  EXPECT_EQ(ChooseActiveSlot(*settings, path + u"x").slot, 0);
}

}  // namespace
