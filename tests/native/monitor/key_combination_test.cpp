#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "input/key_table.h"
#include "input/win_input_values.h"
#include "monitor/primitives.h"
#include "tests/support/input_sequence.h"

namespace {

using input_test::FrenchLayout;
using input_test::UsLayout;

constexpr uint32_t kUp = kKeyEventKeyUp;
constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;

InputRecord Down(uint8_t vk) {
  return KeyRecord(vk, 0, 0);
}
InputRecord Up(uint8_t vk) {
  return KeyRecord(vk, 0, kUp);
}
InputRecord Pause() {
  return SleepRecord(1);
}

struct ComboRow {
  const char* name;
  uint8_t code;
  uint8_t modifiers;
  int32_t mode;
  std::vector<InputRecord> expected;
};

void CheckRows(const std::vector<ComboRow>& rows, const KeyboardLayout& layout) {
  for (const ComboRow& row : rows) {
    RecordingInput in(layout);
    SendKeyCombination(in, {row.code, row.modifiers}, row.mode);
    EXPECT_TRUE(ExpectSequence(row.expected, in.Records())) << row.name;
  }
}

TEST(SendKeyCombination, ModifiersAroundTheMainKeyInEveryMode) {
  const std::vector<ComboRow> rows = {
      {"Ctrl+Shift+Win+S tap",
       22,
       0x16,
       2,
       {Down(kVkShift), Pause(), Down(kVkControl), Pause(), Down(kVkLWin), Pause(), Down('S'),
        Pause(), Up('S'), Pause(), Up(kVkLWin), Pause(), Up(kVkControl), Pause(), Up(kVkShift)}},
      {"Ctrl+Shift+C press: C stays down",
       6,
       0x06,
       0,
       {Down(kVkShift), Pause(), Down(kVkControl), Pause(), Down('C'), Pause(), Pause(),
        Up(kVkControl), Pause(), Up(kVkShift)}},
      {"Ctrl+Shift+C release",
       6,
       0x06,
       1,
       {Down(kVkShift), Pause(), Down(kVkControl), Pause(), Pause(), Up('C'), Pause(),
        Up(kVkControl), Pause(), Up(kVkShift)}},
      {"all four modifiers, order Shift Ctrl Alt Win",
       4,
       0x1E,
       2,
       {Down(kVkShift), Pause(), Down(kVkControl), Pause(), Down(kVkMenu), Pause(), Down(kVkLWin),
        Pause(), Down('A'), Pause(), Up('A'), Pause(), Up(kVkLWin), Pause(), Up(kVkMenu), Pause(),
        Up(kVkControl), Pause(), Up(kVkShift)}},
      {"Alt+F4 tap",
       61,
       0x08,
       2,
       {Down(kVkMenu), Pause(), Down(kVkF4), Pause(), Up(kVkF4), Pause(), Up(kVkMenu)}},
      {"Win+D tap",
       7,
       0x10,
       2,
       {Down(kVkLWin), Pause(), Down('D'), Pause(), Up('D'), Pause(), Up(kVkLWin)}},
      {"bit 0 with Ctrl: main key alone", 4, 0x03, 2, {Down('A'), Pause(), Up('A')}},
      {"bit 0 overrides every modifier", 4, 0x1F, 2, {Down('A'), Pause(), Up('A')}},
      {"no flags: main key alone", 40, 0x00, 2, {Down(kVkReturn), Pause(), Up(kVkReturn)}},
      {"no main key, Ctrl: Ctrl tapped",
       0,
       0x02,
       2,
       {Down(kVkControl), Pause(), Pause(), Up(kVkControl)}},
      {"no main key, Ctrl, press mode: Ctrl still released",
       0,
       0x02,
       0,
       {Down(kVkControl), Pause(), Pause(), Up(kVkControl)}},
      {"code without a row counts as no main key",
       50,
       0x02,
       2,
       {Down(kVkControl), Pause(), Pause(), Up(kVkControl)}},
      {"nothing at all", 0, 0x00, 2, {}},
      {"nothing at all, bit 0", 0, 0x01, 2, {}},
      {"keypad Enter is VK_SEPARATOR",
       88,
       0x00,
       2,
       {Down(kVkSeparator), Pause(), Up(kVkSeparator)}},
      {"Delete, release only", 76, 0x00, 1, {Pause(), Up(kVkDelete)}},
      {"Delete, press only", 76, 0x00, 0, {Down(kVkDelete), Pause()}},
  };
  CheckRows(rows, UsLayout());
}

TEST(SendKeyCombination, SidedModifiersAsMainKeyBecomeGeneric) {
  const struct {
    uint8_t code;
    uint8_t vk;
    const char* name;
  } keys[] = {
      {224, kVkControl, "left Ctrl"}, {228, kVkControl, "right Ctrl"},
      {225, kVkShift, "left Shift"},  {229, kVkShift, "right Shift"},
      {226, kVkMenu, "left Alt"},     {230, kVkMenu, "right Alt"},
      {227, kVkLWin, "left Windows"}, {231, kVkRWin, "right Windows stays sided"},
  };
  std::vector<ComboRow> rows;
  for (const auto& key : keys) {
    rows.push_back({key.name, key.code, 0x00, 2, {Down(key.vk), Pause(), Up(key.vk)}});
  }
  CheckRows(rows, UsLayout());
}

TEST(SendKeyCombination, MainKeyThatIsAlsoAModifierIsSentOnce) {
  // Otherwise the modifier's release would end the press that mode 0 leaves held.
  const std::vector<ComboRow> rows = {
      {"left Ctrl with Ctrl, press: Ctrl stays down", 224, 0x02, 0, {Down(kVkControl), Pause()}},
      {"left Ctrl with Ctrl, release", 224, 0x02, 1, {Pause(), Up(kVkControl)}},
      {"left Ctrl with Ctrl, tap", 224, 0x02, 2, {Down(kVkControl), Pause(), Up(kVkControl)}},
      {"right Shift with Ctrl+Shift, press",
       229,
       0x06,
       0,
       {Down(kVkControl), Pause(), Down(kVkShift), Pause(), Pause(), Up(kVkControl)}},
      {"left Windows with Windows, tap", 227, 0x10, 2, {Down(kVkLWin), Pause(), Up(kVkLWin)}},
  };
  CheckRows(rows, UsLayout());
}

TEST(SendKeyCombination, MouseButtonAsMainKeyIsClicked) {
  const std::vector<ComboRow> rows = {
      {"Ctrl+left button tap",
       240,
       0x02,
       2,
       {Down(kVkControl), Pause(), MouseRecord(kMouseEventLeftDown, 0, kMsg), Pause(),
        MouseRecord(kMouseEventLeftUp, 0, kMsg), Pause(), Up(kVkControl)}},
      {"right button tap",
       241,
       0x00,
       2,
       {MouseRecord(kMouseEventRightDown, 0, kMsg), Pause(),
        MouseRecord(kMouseEventRightUp, 0, kMsg)}},
      {"middle button press", 242, 0x00, 0, {MouseRecord(kMouseEventMiddleDown, 0, kMsg), Pause()}},
      {"second extra button press",
       243,
       0x00,
       0,
       {MouseRecord(kMouseEventXDown, kXButton2, kMsg), Pause()}},
      {"first extra button release",
       244,
       0x00,
       1,
       {Pause(), MouseRecord(kMouseEventXUp, kXButton1, kMsg)}},
  };
  CheckRows(rows, UsLayout());
}

TEST(SendKeyCombination, ModesOutsideZeroToTwoSendNothing) {
  const std::vector<ComboRow> rows = {
      {"mode 3", 4, 0x02, 3, {}},
      {"mode -1", 4, 0x02, -1, {}},
      {"mode 255", 4, 0x16, 255, {}},
  };
  CheckRows(rows, UsLayout());
}

TEST(SendKeyCombination, MainKeyByPositionUnderFrenchLayout) {
  const std::vector<ComboRow> rows = {
      {"Ctrl + the key where US has A",
       4,
       0x02,
       2,
       {Down(kVkControl), Pause(), Down('Q'), Pause(), Up('Q'), Pause(), Up(kVkControl)}},
      {"the key where US has Z", 29, 0x00, 2, {Down('W'), Pause(), Up('W')}},
  };
  CheckRows(rows, FrenchLayout());
}

// Which keys and buttons a sequence leaves held down.
std::map<std::string, int> Held(const std::vector<InputRecord>& records) {
  std::map<std::string, int> held;
  for (const InputRecord& r : records) {
    if (r.kind == InputRecord::Kind::kKey) {
      const std::string key = "key " + std::to_string(r.value);
      if (r.flags & kKeyEventKeyUp) {
        held.erase(key);
      } else {
        held[key] = 1;
      }
    } else if (r.kind == InputRecord::Kind::kMouse) {
      const uint32_t downs =
          kMouseEventLeftDown | kMouseEventRightDown | kMouseEventMiddleDown | kMouseEventXDown;
      const std::string name = std::to_string(r.value);
      if (r.flags & downs) {
        held["button " + std::to_string(r.flags) + "/" + name] = 1;
      } else {
        held.erase("button " + std::to_string(r.flags >> 1) + "/" + name);
      }
    }
  }
  return held;
}

TEST(SendKeyCombination, PressThenReleaseLeavesNothingHeldForEveryCodeAndFlags) {
  for (int code = 0; code <= 255; ++code) {
    for (int flags = 0; flags < 32; ++flags) {
      const std::string name = "code " + std::to_string(code) + " flags " + std::to_string(flags);
      const KeyCombination combination{static_cast<uint8_t>(code), static_cast<uint8_t>(flags)};
      const bool hasMain = FindKeyRow(combination.keyCode) != nullptr;

      RecordingInput tap(UsLayout());
      SendKeyCombination(tap, combination, 2);
      EXPECT_TRUE(Held(tap.Records()).empty()) << name << " tap";

      RecordingInput hold(UsLayout());
      SendKeyCombination(hold, combination, 0);
      EXPECT_EQ(Held(hold.Records()).size(), hasMain ? 1u : 0u) << name << " press";
      SendKeyCombination(hold, combination, 1);
      EXPECT_TRUE(Held(hold.Records()).empty()) << name << " press then release";
    }
  }
}

}  // namespace
