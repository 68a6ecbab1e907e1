// Every function code in every column: the exact input sent and the monitor actions called.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "monitor/dispatch/button_dispatcher.h"
#include "tests/support/input_sequence.h"
#include "tests/support/recording_actions.h"

namespace {

// Windows values written out here rather than taken from the code under test.
constexpr uint32_t kExtDown = 0x1;  // KEYEVENTF_EXTENDEDKEY
constexpr uint32_t kExtUp = 0x3;    // KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP
constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;
constexpr MouseExtraInfo kNone = MouseExtraInfo::kZero;

using Seq = std::vector<InputRecord>;
using Calls = std::vector<std::string>;

struct Expect {
  Seq input;
  Calls calls;
};

Seq Cat(std::initializer_list<Seq> parts) {
  Seq out;
  for (const Seq& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

InputRecord Key(uint8_t vk, uint32_t flags) {
  return KeyRecord(vk, 0, flags);
}

Seq ExtTap(uint8_t vk) {
  return {Key(vk, kExtDown), SleepRecord(2), Key(vk, kExtUp)};
}

Seq ChordSeq(uint8_t mod, uint8_t key, uint32_t p1, uint32_t p2) {
  return {Key(mod, kExtDown), SleepRecord(p1),  Key(key, kExtDown),
          SleepRecord(p2),    Key(key, kExtUp), Key(mod, kExtUp)};
}

// Left Alt and the letter with their scan codes under the US layout.
Seq AltLetterSeq(uint8_t letter, uint16_t letterScan, uint32_t pause) {
  return {KeyRecord(0xA4, 0x38, kExtDown),         SleepRecord(2),
          KeyRecord(letter, letterScan, kExtDown), SleepRecord(pause),
          KeyRecord(letter, letterScan, kExtUp),   KeyRecord(0xA4, 0x38, kExtUp)};
}

Seq ClickSeq(uint32_t down, uint32_t up, int32_t data, uint32_t pause) {
  return {MouseRecord(down, data, kMsg), SleepRecord(pause), MouseRecord(up, data, kMsg)};
}
Seq Left() {
  return ClickSeq(0x2, 0x4, 0, 1);
}
Seq Right() {
  return ClickSeq(0x8, 0x10, 0, 1);
}
Seq Middle() {
  return ClickSeq(0x20, 0x40, 0, 2);
}
Seq Extra(int32_t n) {
  return ClickSeq(0x80, 0x100, n, 2);
}
Seq Double() {
  return Cat({Left(), {SleepRecord(20)}, Left()});
}
Seq Triple() {
  return Cat({Left(), {SleepRecord(100)}, Left(), {SleepRecord(100)}, Left()});
}
Seq Notch(int32_t delta) {
  return {MouseRecord(0x800, delta, kMsg)};
}
Seq Button(uint32_t flags, int32_t data) {
  return {MouseRecord(flags, data, kNone)};
}

// The stored combination used below: Ctrl + HID usage 4 ('A').
Seq ComboPress() {
  return {Key(0x11, 0), SleepRecord(1), Key('A', 0), SleepRecord(1), SleepRecord(1), Key(0x11, 2)};
}
Seq ComboRelease() {
  return {Key(0x11, 0), SleepRecord(1), SleepRecord(1), Key('A', 2), SleepRecord(1), Key(0x11, 2)};
}
Seq ComboTap() {
  return {Key(0x11, 0), SleepRecord(1), Key('A', 0), SleepRecord(1),
          Key('A', 2),  SleepRecord(1), Key(0x11, 2)};
}

Seq WindowMenuMaximise() {
  return {Key(0x12, kExtDown), SleepRecord(2),     Key(0x20, kExtDown),
          SleepRecord(2),      Key('X', kExtDown), SleepRecord(2),
          Key('X', kExtUp),    Key(0x20, kExtUp),  Key(0x12, kExtUp)};
}

const Expect kNothing{};
Expect In(Seq s) {
  return {std::move(s), {}};
}
Expect Do(Calls c) {
  return {{}, std::move(c)};
}

const char kPath[] = "C:\\Games\\play.exe";

struct CodeRow {
  uint8_t code;
  Expect press;
  Expect release;
  Expect wheel;  // on button 13
};

std::vector<CodeRow> Rows() {
  const std::string launch = std::string("launch ") + kPath;
  const std::string pressMacro = "macro 0 x3 [4p50 4r0]";
  const std::string wheelMacro = "macro 13 x3 [4p50 4r0]";
  auto tap = [](uint8_t code, uint8_t vk) {
    return CodeRow{code, kNothing, In(ExtTap(vk)), In(ExtTap(vk))};
  };
  auto ctrl = [](uint8_t code, uint8_t letter) {
    return CodeRow{code, kNothing, In(ChordSeq(0x11, letter, 2, 2)),
                   In(ChordSeq(0x11, letter, 2, 2))};
  };
  return {
      {1,
       {Button(0x2, 0), {"debug click down\r\n"}},
       {Button(0x4, 0), {"debug click up\r\n"}},
       In(Left())},
      {2, In(Button(0x8, 0)), In(Button(0x10, 0)), In(Right())},
      {3, In(Button(0x20, 0)), In(Button(0x40, 0)), In(Middle())},
      {4, kNothing, In(Double()), In(Double())},
      {5, In(ComboPress()), In(ComboRelease()), In(ComboTap())},
      {7, In(Button(0x80, 2)), In(Button(0x100, 2)), In(Extra(2))},
      {8, In(Button(0x80, 1)), In(Button(0x100, 1)), In(Extra(1))},
      {9, kNothing, In(Notch(120)), In(Notch(120))},
      {10, kNothing, In(Notch(-120)), In(Notch(-120))},
      {16, Do({pressMacro}), kNothing, Do({wheelMacro})},
      {17, kNothing, Do({launch}), kNothing},
      {21,
       {Left(), {"debug Start....\n", "timer start 200 40"}},
       Do({"timer stop 200", "debug Stop....\n"}),
       kNothing},
      tap(25, 0xB5),
      tap(26, 0xB1),
      tap(27, 0xB0),
      tap(28, 0xB3),
      tap(29, 0xB2),
      tap(30, 0xAD),
      tap(31, 0xAF),
      tap(32, 0xAE),
      tap(33, 0xB7),
      tap(34, 0xB4),
      tap(35, 0xAB),
      tap(36, 0xA7),
      tap(37, 0xA6),
      tap(38, 0xA9),
      tap(39, 0xB6),
      tap(40, 0xA8),
      tap(41, 0xAC),
      tap(42, 0xAA),
      {45, In(ComboPress()), In(ComboRelease()), In(ComboTap())},
      {48,
       {{Key(0xA4, kExtDown), Key(0x09, kExtDown), SleepRecord(2), Key(0x09, kExtUp)},
        {"timer start 100 500"}},
       {{Key(0xA4, kExtUp)}, {"timer stop 100"}},
       In(ChordSeq(0xA4, 0x09, 2, 2))},
      {49, kNothing, In(ChordSeq(0xA4, 0x73, 10, 10)), In(ChordSeq(0xA4, 0x73, 2, 2))},
      {51, kNothing, In(ChordSeq(0x5B, 'D', 20, 50)), In(ChordSeq(0x5B, 'D', 2, 2))},
      {52, kNothing, Do({"drives"}), Do({"drives"})},
      ctrl(53, 'X'),
      ctrl(54, 'C'),
      ctrl(55, 'V'),
      {58, kNothing, In(ChordSeq(0x11, 'F', 2, 2)), In({ShellRecord(ShellRequest::kFindFiles)})},
      ctrl(59, 'N'),
      ctrl(60, 'S'),
      ctrl(61, 'A'),
      ctrl(62, 'P'),
      ctrl(63, 'O'),
      ctrl(64, 'Y'),
      ctrl(65, 'Z'),
      {66, kNothing, kNothing, Do({"zoom in"})},
      {67, kNothing, kNothing, Do({"zoom out"})},
      {72, kNothing, In(AltLetterSeq('E', 0x12, 2)), In(AltLetterSeq('E', 0x12, 2))},
      {73, kNothing, In(AltLetterSeq('F', 0x21, 10)), In(AltLetterSeq('F', 0x21, 10))},
      {74, In(Triple()), kNothing, In(Triple())},
      {77, kNothing, In(WindowMenuMaximise()), Do({"maximise"})},
      {78, kNothing, Do({"minimise"}), Do({"minimise"})},
      {80, kNothing, In({LockRecord()}), In({LockRecord()})},
      {81, kNothing, In(ChordSeq(0x5B, 'R', 20, 50)), In({ShellRecord(ShellRequest::kFileRun)})},
      tap(82, 0x2E),
      tap(83, 0x0D),
      tap(84, 0x10),
      tap(85, 0x70),
      {86, kNothing, Do({launch}), Do({launch})},
  };
}

// One settings image whose current profile gives every button the same code and a full
// assignment: a key combination or a two-event macro, and a program path.
std::unique_ptr<SharedSettingsBlock> SettingsWithCode(uint8_t code) {
  auto block = std::make_unique<SharedSettingsBlock>();
  block->CurrentProfile = 2;
  for (int i = 0; i < kButtonCount; ++i) {
    ButtonAssignment& a = block->profiles[2].MacroKeyInfo[i];
    a.buttonIndex = static_cast<uint8_t>(i);
    a.functionCode = code;
    a.repeatCount = 3;
    a.eventCount = 2;
    // The first entry is Ctrl+A as a combination; a macro presses and releases 'A' instead.
    a.events[0] = code == 16 ? MacroEvent{4, 1, 50} : MacroEvent{4, 0x02, 50};
    a.events[1] = {4, 2, 0};
    for (std::size_t c = 0; kPath[c] != '\0'; ++c) a.programPath[c] = kPath[c];
  }
  return block;
}

struct Column {
  const char* name;
  int64_t index;
  int64_t kind;
  const Expect CodeRow::*expect;
  bool afterPress;  // the release of the button's press; what the press sent is not counted
};

constexpr Column kColumns[] = {
    {"press", 0, 1, &CodeRow::press, false},
    {"release", 0, 2, &CodeRow::release, true},
    {"wheel", 13, 3, &CodeRow::wheel, false},
};

TEST(DispatchTable, EveryCodeEveryColumn) {
  for (const CodeRow& row : Rows()) {
    const auto settings = SettingsWithCode(row.code);
    for (const Column& column : kColumns) {
      RecordingInput input(input_test::UsLayout());
      RecordingActions actions;
      ButtonDispatcher dispatcher(input, actions);
      if (column.afterPress) {
        dispatcher.DispatchButtonEvent(*settings, column.index, 1);
        input.Clear();
        actions.Clear();
      }
      dispatcher.DispatchButtonEvent(*settings, column.index, column.kind);
      const Expect& expect = row.*column.expect;
      EXPECT_TRUE(ExpectSequence(expect.input, input.Records()))
          << "code " << int{row.code} << ", " << column.name;
      EXPECT_EQ(expect.calls, actions.Calls()) << "code " << int{row.code} << ", " << column.name;
    }
  }
}

// Both wheel directions run the wheel column, whatever the code.
TEST(DispatchTable, SecondWheelIndexRunsTheWheelColumnToo) {
  for (const CodeRow& row : Rows()) {
    const auto settings = SettingsWithCode(row.code);
    RecordingInput input(input_test::UsLayout());
    RecordingActions actions;
    ButtonDispatcher dispatcher(input, actions);
    dispatcher.DispatchButtonEvent(*settings, 14, 3);
    Calls expected = row.wheel.calls;
    for (std::string& call : expected) {
      if (call.rfind("macro 13", 0) == 0) call.replace(0, 8, "macro 14");
    }
    EXPECT_TRUE(ExpectSequence(row.wheel.input, input.Records())) << "code " << int{row.code};
    EXPECT_EQ(expected, actions.Calls()) << "code " << int{row.code};
  }
}

TEST(DispatchTable, CodesWithoutAFunctionDoNothingInAnyColumn) {
  std::set<int> known;
  for (const CodeRow& row : Rows()) known.insert(row.code);
  for (int code = 0; code <= 255; ++code) {
    if (known.count(code) != 0) continue;
    const auto settings = SettingsWithCode(static_cast<uint8_t>(code));
    for (const Column& column : kColumns) {
      RecordingInput input(input_test::UsLayout());
      RecordingActions actions;
      ButtonDispatcher dispatcher(input, actions);
      dispatcher.DispatchButtonEvent(*settings, column.index, column.kind);
      EXPECT_TRUE(input.Records().empty()) << "code " << code << ", " << column.name;
      EXPECT_TRUE(actions.Calls().empty()) << "code " << code << ", " << column.name;
    }
  }
}

}  // namespace
