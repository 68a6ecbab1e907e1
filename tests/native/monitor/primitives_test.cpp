#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "input/win_input_values.h"
#include "monitor/primitives.h"
#include "tests/support/input_sequence.h"

namespace {

using input_test::FrenchLayout;
using input_test::UsLayout;

constexpr uint32_t kExtDown = kKeyEventExtendedKey;
constexpr uint32_t kExtUp = kKeyEventExtendedKey | kKeyEventKeyUp;
constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;

InputRecord Mouse(uint32_t flags, int32_t data = 0) {
  return MouseRecord(flags, data, kMsg);
}
InputRecord Pause(uint32_t ms) {
  return SleepRecord(ms);
}

std::vector<InputRecord> LeftClick() {
  return {Mouse(kMouseEventLeftDown), Pause(1), Mouse(kMouseEventLeftUp)};
}

std::vector<InputRecord> Join(std::initializer_list<std::vector<InputRecord>> parts) {
  std::vector<InputRecord> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct PrimitiveRow {
  const char* name;
  std::function<void(InputSink&)> run;
  std::vector<InputRecord> expected;
  uint64_t duration;  // virtual milliseconds the primitive takes
};

void CheckRows(const std::vector<PrimitiveRow>& rows, const KeyboardLayout& layout) {
  for (const PrimitiveRow& row : rows) {
    RecordingInput in(layout);
    row.run(in);
    EXPECT_TRUE(ExpectSequence(row.expected, in.Records())) << row.name;
    EXPECT_EQ(in.Now(), row.duration) << row.name;
  }
}

TEST(InputPrimitives, MouseClicksAndWheel) {
  const std::vector<PrimitiveRow> rows = {
      {"ClickLeft", ClickLeft, LeftClick(), 1},
      {"ClickRight",
       ClickRight,
       {Mouse(kMouseEventRightDown), Pause(1), Mouse(kMouseEventRightUp)},
       1},
      {"ClickMiddle",
       ClickMiddle,
       {Mouse(kMouseEventMiddleDown), Pause(2), Mouse(kMouseEventMiddleUp)},
       2},
      {"ClickExtra(1)",
       [](InputSink& s) { ClickExtra(s, 1); },
       {Mouse(kMouseEventXDown, kXButton1), Pause(2), Mouse(kMouseEventXUp, kXButton1)},
       2},
      {"ClickExtra(2)",
       [](InputSink& s) { ClickExtra(s, 2); },
       {Mouse(kMouseEventXDown, kXButton2), Pause(2), Mouse(kMouseEventXUp, kXButton2)},
       2},
      {"ClickExtra(0)", [](InputSink& s) { ClickExtra(s, 0); }, {}, 0},
      {"ClickExtra(3)", [](InputSink& s) { ClickExtra(s, 3); }, {}, 0},
      {"ClickExtra(-1)", [](InputSink& s) { ClickExtra(s, -1); }, {}, 0},
      {"DoubleClickLeft", DoubleClickLeft, Join({LeftClick(), {Pause(20)}, LeftClick()}), 22},
      {"TripleClickLeft", TripleClickLeft,
       Join({LeftClick(), {Pause(100)}, LeftClick(), {Pause(100)}, LeftClick()}), 203},
      {"WheelNotch(+120)",
       [](InputSink& s) { WheelNotch(s, 120); },
       {Mouse(kMouseEventWheel, 120)},
       0},
      {"WheelNotch(-120)",
       [](InputSink& s) { WheelNotch(s, -120); },
       {Mouse(kMouseEventWheel, -120)},
       0},
      {"WheelNotch(+1) is one notch",
       [](InputSink& s) { WheelNotch(s, 1); },
       {Mouse(kMouseEventWheel, 120)},
       0},
      {"WheelNotch(+480) is one notch",
       [](InputSink& s) { WheelNotch(s, 480); },
       {Mouse(kMouseEventWheel, 120)},
       0},
      {"WheelNotch(INT_MIN) is one notch",
       [](InputSink& s) { WheelNotch(s, INT_MIN); },
       {Mouse(kMouseEventWheel, -120)},
       0},
      {"WheelNotch(0)", [](InputSink& s) { WheelNotch(s, 0); }, {}, 0},
  };
  CheckRows(rows, UsLayout());
}

TEST(InputPrimitives, KeyTapsAndChords) {
  const std::vector<PrimitiveRow> rows = {
      {"SendKeyInput down",
       [](InputSink& s) { SendKeyInput(s, 'A', 0); },
       {KeyRecord('A', 0, 0)},
       0},
      {"SendKeyInput up",
       [](InputSink& s) { SendKeyInput(s, kVkShift, kKeyEventKeyUp); },
       {KeyRecord(kVkShift, 0, kKeyEventKeyUp)},
       0},
      {"TapExtendedKey(mute)",
       [](InputSink& s) { TapExtendedKey(s, kVkVolumeMute); },
       {KeyRecord(kVkVolumeMute, 0, kExtDown), Pause(2), KeyRecord(kVkVolumeMute, 0, kExtUp)},
       2},
      {"TapExtendedKey(Enter)",
       [](InputSink& s) { TapExtendedKey(s, kVkReturn); },
       {KeyRecord(kVkReturn, 0, kExtDown), Pause(2), KeyRecord(kVkReturn, 0, kExtUp)},
       2},
      {"TapChord(Alt, Tab, 2, 2)",
       [](InputSink& s) { TapChord(s, kVkLMenu, kVkTab, 2, 2); },
       {KeyRecord(kVkLMenu, 0, kExtDown), Pause(2), KeyRecord(kVkTab, 0, kExtDown), Pause(2),
        KeyRecord(kVkTab, 0, kExtUp), KeyRecord(kVkLMenu, 0, kExtUp)},
       4},
      {"TapChord(Win, D, 20, 50)",
       [](InputSink& s) { TapChord(s, kVkLWin, 'D', 20, 50); },
       {KeyRecord(kVkLWin, 0, kExtDown), Pause(20), KeyRecord('D', 0, kExtDown), Pause(50),
        KeyRecord('D', 0, kExtUp), KeyRecord(kVkLWin, 0, kExtUp)},
       70},
      {"TapChord(Alt, F4, 10, 10)",
       [](InputSink& s) { TapChord(s, kVkLMenu, kVkF4, 10, 10); },
       {KeyRecord(kVkLMenu, 0, kExtDown), Pause(10), KeyRecord(kVkF4, 0, kExtDown), Pause(10),
        KeyRecord(kVkF4, 0, kExtUp), KeyRecord(kVkLMenu, 0, kExtUp)},
       20},
      {"TapAltLetter(E, 2)",
       [](InputSink& s) { TapAltLetter(s, 'E', 2); },
       {KeyRecord(kVkLMenu, 0x38, kExtDown), Pause(2), KeyRecord('E', 0x12, kExtDown), Pause(2),
        KeyRecord('E', 0x12, kExtUp), KeyRecord(kVkLMenu, 0x38, kExtUp)},
       4},
      {"TapAltLetter(F, 10)",
       [](InputSink& s) { TapAltLetter(s, 'F', 10); },
       {KeyRecord(kVkLMenu, 0x38, kExtDown), Pause(2), KeyRecord('F', 0x21, kExtDown), Pause(10),
        KeyRecord('F', 0x21, kExtUp), KeyRecord(kVkLMenu, 0x38, kExtUp)},
       12},
  };
  CheckRows(rows, UsLayout());
}

TEST(InputPrimitives, AltLetterScanCodesComeFromTheLayout) {
  // Under the French layout the key that types "A" sits where Q is on a US keyboard.
  const std::vector<PrimitiveRow> rows = {
      {"TapAltLetter(A, 2) French",
       [](InputSink& s) { TapAltLetter(s, 'A', 2); },
       {KeyRecord(kVkLMenu, 0x38, kExtDown), Pause(2), KeyRecord('A', 0x10, kExtDown), Pause(2),
        KeyRecord('A', 0x10, kExtUp), KeyRecord(kVkLMenu, 0x38, kExtUp)},
       4},
      {"TapAltLetter(E, 2) French",
       [](InputSink& s) { TapAltLetter(s, 'E', 2); },
       {KeyRecord(kVkLMenu, 0x38, kExtDown), Pause(2), KeyRecord('E', 0x12, kExtDown), Pause(2),
        KeyRecord('E', 0x12, kExtUp), KeyRecord(kVkLMenu, 0x38, kExtUp)},
       4},
  };
  CheckRows(rows, FrenchLayout());
}

TEST(InputPrimitives, ShellRequests) {
  const std::vector<PrimitiveRow> rows = {
      {"LockWorkstation", LockWorkstation, {LockRecord()}, 0},
      {"ShellFindFiles", ShellFindFiles, {ShellRecord(ShellRequest::kFindFiles)}, 0},
      {"ShellFileRun", ShellFileRun, {ShellRecord(ShellRequest::kFileRun)}, 0},
  };
  CheckRows(rows, UsLayout());
}

}  // namespace
