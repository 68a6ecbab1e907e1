#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "input/key_table.h"
#include "input/win_input_values.h"
#include "tests/support/input_sequence.h"

namespace {

using input_test::EmptyLayout;
using input_test::FrenchLayout;
using input_test::UsLayout;

// The expected table, written from the key lists rather than copied row by row.
std::vector<KeyTableRow> ExpectedRows() {
  std::vector<KeyTableRow> rows;
  // Letters: their set-1 make codes by keyboard row.
  const struct {
    const char* letters;
    uint8_t firstScan;
  } keyboardRows[] = {{"QWERTYUIOP", 0x10}, {"ASDFGHJKL", 0x1E}, {"ZXCVBNM", 0x2C}};
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    uint8_t scan = 0;
    for (const auto& kr : keyboardRows) {
      const std::string text = kr.letters;
      const size_t at = text.find(letter);
      if (at != std::string::npos) scan = static_cast<uint8_t>(kr.firstScan + at);
    }
    rows.push_back({static_cast<uint8_t>(4 + letter - 'A'), static_cast<uint8_t>(letter), scan});
  }
  for (uint8_t i = 0; i < 9; ++i) {
    rows.push_back({static_cast<uint8_t>(30 + i), static_cast<uint8_t>('1' + i),
                    static_cast<uint8_t>(0x02 + i)});
  }
  rows.push_back({39, '0', 0x0B});
  const KeyTableRow others[] = {
      {40, 0x0D, 0x1C}, {41, 0x1B, 0x01}, {42, 0x08, 0x0E}, {43, 0x09, 0x0F}, {44, 0x20, 0x39},
      {45, 0xBD, 0x0C}, {46, 0xBB, 0x0D}, {47, 0xDB, 0x1A}, {48, 0xDD, 0x1B}, {49, 0xDC, 0x2B},
      {51, 0xBA, 0x27}, {52, 0xDE, 0x28}, {53, 0xC0, 0x29}, {54, 0xBC, 0x33}, {55, 0xBE, 0x34},
      {56, 0xBF, 0x35}, {57, 0x14, 0x3A}, {68, 0x7A, 0x57}, {69, 0x7B, 0x58}, {70, 0x2C, 0},
      {71, 0x91, 0},    {72, 0x13, 0},    {73, 0x2D, 0},    {74, 0x24, 0},    {75, 0x21, 0},
      {76, 0x2E, 0},    {77, 0x23, 0},    {78, 0x22, 0},    {79, 0x27, 0},    {80, 0x25, 0},
      {81, 0x28, 0},    {82, 0x26, 0},    {83, 0x90, 0},    {84, 0x6F, 0},    {85, 0x6A, 0},
      {86, 0x6D, 0},    {87, 0x6B, 0},    {88, 0x6C, 0},    {98, 0x60, 0},    {99, 0x6E, 0},
      {101, 0x5D, 0},   {224, 0xA2, 0},   {225, 0xA0, 0},   {226, 0xA4, 0},   {227, 0x5B, 0},
      {228, 0xA3, 0},   {229, 0xA1, 0},   {230, 0xA5, 0},   {231, 0x5C, 0},
  };
  rows.insert(rows.end(), std::begin(others), std::end(others));
  for (uint8_t i = 0; i < 10; ++i) {  // F1 to F10
    rows.push_back({static_cast<uint8_t>(58 + i), static_cast<uint8_t>(0x70 + i),
                    static_cast<uint8_t>(0x3B + i)});
  }
  for (uint8_t i = 0; i < 9; ++i) {  // keypad 1 to 9
    rows.push_back({static_cast<uint8_t>(89 + i), static_cast<uint8_t>(0x61 + i), 0});
  }
  for (uint8_t i = 0; i < 5; ++i) {  // mouse buttons
    rows.push_back({static_cast<uint8_t>(240 + i), static_cast<uint8_t>(0xF0 + i), 0});
  }
  return rows;
}

TEST(KeyTable, EveryRowAsListed) {
  const std::vector<KeyTableRow> expected = ExpectedRows();
  ASSERT_EQ(expected.size(), kKeyTableRowCount);
  EXPECT_EQ(KeyTable().size(), kKeyTableRowCount);
  for (const KeyTableRow& want : expected) {
    const KeyTableRow* row = FindKeyRow(want.code);
    ASSERT_NE(row, nullptr) << "code " << int(want.code);
    EXPECT_EQ(row->code, want.code) << "code " << int(want.code);
    EXPECT_EQ(row->virtualKey, want.virtualKey) << "code " << int(want.code);
    EXPECT_EQ(row->scanCode, want.scanCode) << "code " << int(want.code);
  }
}

TEST(KeyTable, CodesAreUniqueSoNoRowIsHidden) {
  std::set<int> seen;
  for (const KeyTableRow& row : KeyTable()) {
    EXPECT_TRUE(seen.insert(row.code).second) << "code " << int(row.code) << " twice";
  }
}

TEST(KeyTable, CodesWithoutARowTranslateToNothing) {
  std::set<int> listed;
  for (const KeyTableRow& row : ExpectedRows()) listed.insert(row.code);
  for (int code = 0; code <= 255; ++code) {
    if (listed.count(code) != 0) continue;
    EXPECT_EQ(FindKeyRow(static_cast<uint8_t>(code)), nullptr) << "code " << code;
    EXPECT_EQ(TranslateKeyCode(static_cast<uint8_t>(code), UsLayout()), 0) << "code " << code;
  }
  EXPECT_EQ(TranslateKeyCode(50, UsLayout()), 0);
  EXPECT_EQ(TranslateKeyCode(100, UsLayout()), 0);
}

TEST(TranslateKeyCode, UnderUsLayoutEveryRowGivesItsVirtualKey) {
  for (const KeyTableRow& row : ExpectedRows()) {
    EXPECT_EQ(TranslateKeyCode(row.code, UsLayout()), row.virtualKey) << "code " << int(row.code);
  }
  EXPECT_EQ(TranslateKeyCode(88, UsLayout()), kVkSeparator);
}

TEST(TranslateKeyCode, PositionRuleUnderFrenchLayout) {
  const struct {
    uint8_t code;
    uint8_t french;
    const char* name;
  } rows[] = {
      {4, 'Q', "A position"},
      {20, 'A', "Q position"},
      {26, 'Z', "W position"},
      {29, 'W', "Z position"},
      {16, 0xBC, "M position: comma"},
      {51, 'M', "semicolon position"},
      {45, 0xDB, "minus position"},
      {47, 0xDD, "left bracket position"},
      {48, 0xBA, "right bracket position"},
      {52, 0xC0, "apostrophe position"},
      {53, 0xDE, "grave position"},
      {54, 0xBE, "comma position"},
      {55, 0xBF, "full stop position"},
      {56, 0xDF, "slash position"},
      {5, 'B', "B unchanged"},
      {30, '1', "digit row keeps its virtual keys"},
      {39, '0', "digit 0"},
      {57, 0x14, "Caps Lock"},
      {58, 0x70, "F1"},
      {69, 0x7B, "F12"},
      // Keys not located by position take the row's virtual key whatever the layout.
      {79, 0x27, "Right arrow"},
      {88, kVkSeparator, "keypad Enter"},
      {225, 0xA0, "left Shift"},
      {240, 0xF0, "left mouse button"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TranslateKeyCode(row.code, FrenchLayout()), row.french) << row.name;
  }
}

TEST(TranslateKeyCode, PositionRuleCoversCodes4To69Only) {
  // A layout that knows no key: positioned codes find nothing, the others keep their row.
  for (const KeyTableRow& row : ExpectedRows()) {
    const bool positioned = row.code >= 4 && row.code <= 69;
    EXPECT_EQ(IsLocatedByPosition(row.code), positioned) << "code " << int(row.code);
    EXPECT_EQ(TranslateKeyCode(row.code, EmptyLayout()), positioned ? 0 : row.virtualKey)
        << "code " << int(row.code);
  }
}

}  // namespace
