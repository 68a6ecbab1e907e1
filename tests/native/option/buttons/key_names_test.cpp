#include <gtest/gtest.h>

#include <map>

#include "input/key_table.h"
#include "option/buttons/key_names.h"
#include "tests/support/input_sequence.h"

using input_test::EmptyLayout;
using input_test::FrenchLayout;
using input_test::UsLayout;

namespace {

Text Language(uint16_t id) {
  return u"<" + FormatInt(id) + u">";
}

TEST(KeyName, EveryVirtualKey) {
  std::map<int, Text> expected = {
      {0x08, u"BackSpace"},   {0x09, u"Tab"},         {0x0D, u"Enter"},
      {0x13, u"Pause"},       {0x14, u"CapsLock"},    {0x1B, u"Esc"},
      {0x20, u"Space"},       {0x21, u"Page UP"},     {0x22, u"Page Down"},
      {0x23, u"End"},         {0x24, u"Home"},        {0x25, u"Left"},
      {0x26, u"Up"},          {0x27, u"Right"},       {0x28, u"Down"},
      {0x29, u"Select"},      {0x2B, u"Execute"},     {0x2C, u"Print Screen"},
      {0x2D, u"Insert"},      {0x2E, u"Delete"},      {0x2F, u"Help"},
      {0x5B, u"L_WIN"},       {0x5C, u"R_WIN"},       {0x5D, u"APP"},
      {0x6A, u"Num_*"},       {0x6B, u"Num_+"},       {0x6C, u"Num_ "},
      {0x6D, u"Num_-"},       {0x6E, u"Num_."},       {0x6F, u"Num_/"},
      {0x90, u"Number Lock"}, {0x91, u"Scroll Lock"}, {0xA0, u"<1099>"},
      {0xA1, u"<1100>"},      {0xA2, u"<1101>"},      {0xA3, u"<1102>"},
      {0xA4, u"<1103>"},      {0xA5, u"<1104>"},      {0xBA, u";"},
      {0xBB, u"="},           {0xBC, u","},           {0xBD, u"-"},
      {0xBE, u"."},           {0xBF, u"/"},           {0xC0, u"\u0060"},
      {0xDB, u"["},           {0xDC, u"\\"},          {0xDD, u"]"},
      {0xDE, u"'"},           {0xF0, u"Left"},        {0xF1, u"Right"},
      {0xF2, u"Wheel"},       {0xF3, u"Forward"},     {0xF4, u"Backward"},
  };
  for (int vk = 0x30; vk <= 0x39; ++vk) expected[vk] = Text(1, char16_t(vk));
  for (int vk = 0x41; vk <= 0x5A; ++vk) expected[vk] = Text(1, char16_t(vk));
  for (int i = 0; i <= 9; ++i) expected[0x60 + i] = u"Num_" + FormatInt(i);
  for (int i = 0; i < 12; ++i) expected[0x70 + i] = u"F" + FormatInt(i + 1);

  for (int vk = 0; vk <= 0xFF; ++vk) {
    const auto it = expected.find(vk);
    const Text want = it == expected.end() ? Text() : it->second;
    EXPECT_EQ(KeyName(static_cast<uint8_t>(vk), Language), want) << "virtual key " << vk;
  }
  // Without a language library the side-specific modifiers have no name; nothing else changes.
  EXPECT_EQ(KeyName(0xA2, nullptr), u"");
  EXPECT_EQ(KeyName(0x41, nullptr), u"A");
}

TEST(KeyCodeFromVirtualKey, UnderUsLayoutEveryRowComesBack) {
  for (const KeyTableRow& row : KeyTable()) {
    EXPECT_EQ(KeyCodeFromVirtualKey(row.virtualKey, UsLayout()), row.code) << int(row.code);
  }
  EXPECT_EQ(KeyCodeFromVirtualKey(0xAD, UsLayout()), 0);  // a media key has no row
  EXPECT_EQ(KeyCodeFromVirtualKey(0x0C, UsLayout()), 0);
}

TEST(KeyCodeFromVirtualKey, PhysicalPositionUnderFrenchLayout) {
  const struct {
    uint8_t virtualKey;
    uint8_t code;
    const char* what;
  } rows[] = {
      {'A', 20, "A sits where US Q is"},
      {'Q', 4, "Q sits where US A is"},
      {'Z', 26, "Z sits where US W is"},
      {'W', 29, "W sits where US Z is"},
      {'M', 51, "M sits where US semicolon is"},
      {'E', 8, "E is where it is on US"},
      {0xDB, 45, "the key right of 0 is US minus"},
      {0xBC, 16, "comma sits where US M is"},
      {0x1B, 41, "Escape"},
      {0x0D, 40, "Enter"},
      {0xA2, 224, "left Ctrl"},
      {0x6C, 88, "keypad Enter"},
      {0xF0, 240, "left mouse button"},
      {0xDF, 0, "a key the table lacks"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(KeyCodeFromVirtualKey(r.virtualKey, FrenchLayout()), r.code) << r.what;
  }
}

TEST(KeyCodeFromVirtualKey, ALayoutWithoutTheKeyKeepsItsOwnRow) {
  // Scan code 0 is also what every row not located by position holds; it must not turn a letter
  // into Print Screen.
  EXPECT_EQ(KeyCodeFromVirtualKey('A', EmptyLayout()), 4);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x70, EmptyLayout()), 58);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x2C, EmptyLayout()), 70);
}

TEST(KeyCodeName, TextOfAStoredCode) {
  const struct {
    uint8_t code;
    const KeyboardLayout* layout;
    const char16_t* name;
  } rows[] = {
      {4, &UsLayout(), u"A"},      {20, &FrenchLayout(), u"A"},   {4, &FrenchLayout(), u"Q"},
      {88, &UsLayout(), u"Num_ "}, {225, &UsLayout(), u"<1099>"}, {244, &UsLayout(), u"Backward"},
      {50, &UsLayout(), u""},      {0, &UsLayout(), u""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(KeyCodeName(r.code, *r.layout, Language), r.name) << "row " << &r - rows;
  }
}

TEST(KeyNameLabelTexts, KeyCombinationLabels) {
  const KeyNameLabelTexts texts(UsLayout(), Language);
  const struct {
    uint8_t modifiers;
    uint8_t key;
    uint16_t events;
    const char16_t* label;
  } rows[] = {
      {0x1E, 4, 1, u"Ctrl+<1098>Alt+Win+A"},
      {0x02, 6, 1, u"Ctrl+C"},
      {0x03, 4, 1, u"A"},  // "no modifiers" overrides Ctrl
      {0x01, 41, 1, u"Esc"},
      {0x0A, 0, 1, u"Ctrl+Alt+"},  // a key without a row: only the prefixes
      {0x04, 224, 1, u"<1098><1101>"},
      {0x02, 4, 0, u""},  // no events: no label
  };
  for (const auto& r : rows) {
    ButtonAssignment a{};
    a.functionCode = 5;
    a.eventCount = r.events;
    a.events[0] = {r.key, r.modifiers, 0};
    EXPECT_EQ(ButtonLabelText(LabelOfAssignment(a), texts), r.label) << "row " << &r - rows;
  }
  EXPECT_EQ(texts.LanguageString(1010), u"<1010>");
  EXPECT_EQ(KeyNameLabelTexts(FrenchLayout(), nullptr).KeyCodeName(20), u"A");
}

}  // namespace
