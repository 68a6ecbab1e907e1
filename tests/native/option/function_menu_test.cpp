#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/function_menu.h"

namespace {

using Kind = MenuItem::Kind;

MacroRecord Macro(const char16_t* name) {
  MacroRecord record;
  std::memset(&record, 0, sizeof record);
  CopyToField(record.name, name);
  return record;
}

ButtonAssignment Assignment(uint8_t code, const char16_t* macroName = u"") {
  ButtonAssignment assignment;
  std::memset(&assignment, 0, sizeof assignment);
  assignment.functionCode = code;
  CopyToField(assignment.macroName, macroName);
  return assignment;
}

// The root menu without macros: kind, command id and text id of each entry in order, and the
// submenus' ids and texts.
TEST(FunctionMenu, RootOrderIdsAndTexts) {
  const auto menu = BuildFunctionMenu({}, Assignment(1));
  const struct {
    Kind kind;
    int32_t id;
    uint16_t textId;
    size_t subItems;
  } expected[] = {
      {Kind::kSubmenu, 0, 1021, 1},    {Kind::kCommand, 1001, 1005, 0},
      {Kind::kCommand, 1002, 1006, 0}, {Kind::kCommand, 1003, 1007, 0},
      {Kind::kCommand, 1004, 1008, 0}, {Kind::kCommand, 1007, 1011, 0},
      {Kind::kCommand, 1008, 1012, 0}, {Kind::kCommand, 1064, 1097, 0},
      {Kind::kCommand, 1005, 1009, 0}, {Kind::kSubmenu, 0, 1074, 8},
      {Kind::kSubmenu, 0, 1083, 6},    {Kind::kSubmenu, 0, 1031, 7},
      {Kind::kCommand, 1009, 1013, 0}, {Kind::kCommand, 1010, 1014, 0},
      {Kind::kCommand, 1006, 1010, 0},
  };
  ASSERT_EQ(menu.size(), std::size(expected));
  for (size_t row = 0; row < menu.size(); ++row) {
    SCOPED_TRACE("entry " + std::to_string(row));
    EXPECT_EQ(menu[row].kind, expected[row].kind);
    EXPECT_EQ(menu[row].id, expected[row].id);
    EXPECT_EQ(menu[row].textId, expected[row].textId);
    EXPECT_EQ(menu[row].items.size(), expected[row].subItems);
    EXPECT_FALSE(menu[row].checked);
  }
}

TEST(FunctionMenu, SubmenuItemsRunInStep) {
  const auto menu = BuildFunctionMenu({}, Assignment(1));
  const struct {
    size_t entry;
    int32_t firstId;
    uint16_t firstText;
  } runs[] = {{9, 1050, 1075}, {10, 1058, 1084}, {11, 1026, 1033}};
  for (const auto& run : runs) {
    SCOPED_TRACE("entry " + std::to_string(run.entry));
    const auto& items = menu[run.entry].items;
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].kind, Kind::kCommand);
      EXPECT_EQ(items[i].id, run.firstId + static_cast<int32_t>(i));
      EXPECT_EQ(items[i].textId, run.firstText + i);
    }
  }
  EXPECT_EQ(menu[9].items.back().id, 1057);
  EXPECT_EQ(menu[10].items.back().id, 1063);
  EXPECT_EQ(menu[11].items.back().id, 1032);
}

TEST(FunctionMenu, EmptyLibraryGivesOnlyTheManagerWithoutSeparator) {
  const auto macros = BuildFunctionMenu({}, Assignment(16, u"a"))[0].items;
  ASSERT_EQ(macros.size(), 1u);
  EXPECT_EQ(macros[0].id, 1049);
  EXPECT_EQ(macros[0].textId, 1067);
  EXPECT_EQ(macros[0].kind, Kind::kCommand);
}

// Macro entries: a separator after the manager, then one per macro with its trimmed name; the one
// the button runs is checked, compared exactly.
TEST(FunctionMenu, MacroEntriesAndTheCheckedOne) {
  const std::vector<MacroRecord> library{Macro(u"  Reload "), Macro(u"Burst"), Macro(u"burst")};
  const struct {
    const char* name;
    ButtonAssignment selected;
    int checkedIndex;  // -1: none
  } rows[] = {
      {"runs Burst", Assignment(16, u"Burst"), 1},
      {"case differs", Assignment(16, u"BURST"), -1},
      {"not the macro function", Assignment(5, u"Burst"), -1},
      {"untrimmed name as stored", Assignment(16, u"  Reload "), 0},
      {"trimmed name is not the stored one", Assignment(16, u"Reload"), -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto items = BuildFunctionMenu(library, row.selected)[0].items;
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1].kind, Kind::kSeparator);
    EXPECT_EQ(items[1].id, 0);
    EXPECT_TRUE(items[1].text.empty());
    EXPECT_EQ(items[2].text, u"Reload");
    EXPECT_EQ(items[3].text, u"Burst");
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(items[2 + i].id, 1100 + i);
      EXPECT_EQ(items[2 + i].textId, 0);
      EXPECT_EQ(items[2 + i].checked, i == row.checkedIndex) << "macro " << i;
    }
  }
}

// Every listed macro has an id of its own that leads back to it; none is the menu's separator id
// 2048, and those below it keep kCommandFirstMacro + index.
TEST(FunctionMenu, MacrosBeyondTheCommandRangeAreLeftOut) {
  const std::vector<MacroRecord> library(kMaxMenuMacros + 5, Macro(u"m"));
  const auto items = BuildFunctionMenu(library, Assignment(1))[0].items;
  ASSERT_EQ(items.size(), 2 + kMaxMenuMacros);
  EXPECT_EQ(items[2 + 947].id, 2047);
  EXPECT_EQ(items[2 + 948].id, 2049);
  EXPECT_EQ(items.back().id, 4000);
  for (size_t index = 0; index < kMaxMenuMacros; ++index) {
    const FunctionCommand command = CommandOfId(items[2 + index].id, library.size());
    ASSERT_EQ(command.kind, FunctionCommand::Kind::kMacro) << index;
    ASSERT_EQ(command.macroNumber, static_cast<int32_t>(index));
  }
  EXPECT_GT(MacroCommandId(kMaxMenuMacros + 5), kCommandLast);
}

}  // namespace
