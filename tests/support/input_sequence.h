#pragma once
// Helpers for the input tests: sequence comparison for GoogleTest, and a US and a French keyboard
// layout written out key by key (independently of the key table they are used to check).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/recording_input.h"

inline ::testing::AssertionResult ExpectSequence(const std::vector<InputRecord>& expected,
                                                 const std::vector<InputRecord>& actual) {
  const std::string difference = FirstDifference(expected, actual);
  if (difference.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << difference;
}

namespace input_test {

inline void AddRow(std::vector<TableKeyboardLayout::Key>& keys, const char* letters,
                   uint16_t firstScan) {
  for (uint16_t i = 0; letters[i] != '\0'; ++i) {
    keys.push_back({static_cast<uint8_t>(letters[i]), static_cast<uint16_t>(firstScan + i)});
  }
}

// Keys both layouts place alike: Escape, digit row, editing keys, modifiers, F1 to F12.
inline std::vector<TableKeyboardLayout::Key> CommonKeys() {
  std::vector<TableKeyboardLayout::Key> keys = {
      {0x1B, 0x01}, {0x0D, 0x1C}, {0x08, 0x0E}, {0x09, 0x0F}, {0x20, 0x39},
      {0x14, 0x3A}, {0xBB, 0x0D}, {0xA2, 0x1D}, {0xA0, 0x2A}, {0xA1, 0x36},
      {0xA4, 0x38}, {0x7A, 0x57}, {0x7B, 0x58}, {0xDC, 0x2B},
  };
  AddRow(keys, "1234567890", 0x02);
  for (uint8_t i = 0; i < 10; ++i)
    keys.push_back({static_cast<uint8_t>(0x70 + i), static_cast<uint16_t>(0x3B + i)});
  return keys;
}

inline const TableKeyboardLayout& UsLayout() {
  static const TableKeyboardLayout layout = [] {
    std::vector<TableKeyboardLayout::Key> keys = CommonKeys();
    AddRow(keys, "QWERTYUIOP", 0x10);
    AddRow(keys, "ASDFGHJKL", 0x1E);
    AddRow(keys, "ZXCVBNM", 0x2C);
    keys.insert(keys.end(), {{0xBD, 0x0C},
                             {0xDB, 0x1A},
                             {0xDD, 0x1B},
                             {0xBA, 0x27},
                             {0xDE, 0x28},
                             {0xC0, 0x29},
                             {0xBC, 0x33},
                             {0xBE, 0x34},
                             {0xBF, 0x35}});
    return TableKeyboardLayout(keys);
  }();
  return layout;
}

inline const TableKeyboardLayout& FrenchLayout() {
  static const TableKeyboardLayout layout = [] {
    std::vector<TableKeyboardLayout::Key> keys = CommonKeys();
    AddRow(keys, "AZERTYUIOP", 0x10);
    AddRow(keys, "QSDFGHJKLM", 0x1E);
    AddRow(keys, "WXCVBN", 0x2C);
    keys.insert(keys.end(), {{0xDB, 0x0C},
                             {0xDD, 0x1A},
                             {0xBA, 0x1B},
                             {0xC0, 0x28},
                             {0xDE, 0x29},
                             {0xBC, 0x32},
                             {0xBE, 0x33},
                             {0xBF, 0x34},
                             {0xDF, 0x35}});
    return TableKeyboardLayout(keys);
  }();
  return layout;
}

// A layout that knows no key at all: MapVirtualKeyW answering 0 for everything.
inline const TableKeyboardLayout& EmptyLayout() {
  static const TableKeyboardLayout layout({});
  return layout;
}

}  // namespace input_test
