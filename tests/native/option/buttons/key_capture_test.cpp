#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "option/buttons/key_capture_state.h"
#include "tests/support/input_sequence.h"

using input_test::FrenchLayout;
using input_test::UsLayout;

namespace {

Text Language(uint16_t id) {
  return u"<" + FormatInt(id) + u">";
}

ModifierToggles Toggles(bool none, bool ctrl, bool shift, bool alt, bool win) {
  return ModifierToggles{none, ctrl, shift, alt, win};
}

TEST(KeyCaptureToggles, FromTheStoredByteAndBack) {
  struct Row {
    uint8_t stored;
    ModifierToggles toggles;
    uint8_t answered;
  };
  const Row rows[] = {
      {0x00, Toggles(false, false, false, false, false), 0x00},
      {0x02, Toggles(false, true, false, false, false), 0x02},
      {0x06, Toggles(false, true, true, false, false), 0x06},
      {0x1E, Toggles(false, true, true, true, true), 0x1E},
      {0x01, Toggles(true, false, false, false, false), 0x01},
      // The no-modifiers toggle wins over every other.
      {0x07, Toggles(true, true, true, false, false), 0x01},
      {0x1F, Toggles(true, true, true, true, true), 0x01},
      // Bits above the five toggles are no toggle and are not given back.
      {0xE2, Toggles(false, true, false, false, false), 0x02},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const KeyCaptureState state = CaptureStateOf(7, rows[i].stored);
    EXPECT_EQ(state.key, 7) << "row " << i;
    EXPECT_EQ(state.toggles, rows[i].toggles) << "row " << i;
    EXPECT_EQ(ModifiersOfToggles(state.toggles), rows[i].answered) << "row " << i;
  }
}

TEST(KeyCaptureToggles, NoModifiersLocksTheOthersInTheirStates) {
  struct Row {
    ModifierToggles toggles;
    ModifierToggles enabled;
  };
  const ModifierToggles all{true, true, true, true, true};
  const Row rows[] = {
      {Toggles(false, false, false, false, false), all},
      {Toggles(false, true, false, true, false), all},
      {Toggles(true, false, false, false, false), Toggles(true, false, false, false, false)},
      {Toggles(true, true, false, false, true), Toggles(true, false, false, false, false)},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const ToggleDisplay display = DisplayOfToggles(rows[i].toggles);
    EXPECT_EQ(display.checked, rows[i].toggles) << "row " << i;
    EXPECT_EQ(display.enabled, rows[i].enabled) << "row " << i;
  }
}

TEST(KeyCaptureToggles, ClicksChangeOnlyTheirOwnToggle) {
  KeyCaptureState state = CaptureStateOf(4, 0x00);
  SetToggle(state, 1, true);
  SetToggle(state, 2, true);
  EXPECT_EQ(ModifiersOfToggles(state.toggles), 0x06);
  SetToggle(state, 0, true);
  EXPECT_EQ(ModifiersOfToggles(state.toggles), 0x01);
  SetToggle(state, 0, false);  // the others were kept underneath
  EXPECT_EQ(ModifiersOfToggles(state.toggles), 0x06);

  const KeyCaptureState before = state;
  for (int index : {-1, 5, 1000, -1000}) {
    SetToggle(state, index, true);
    EXPECT_EQ(state, before) << "index " << index;
  }
}

TEST(KeyCaptureNotice, KeyAndFieldTextByLayout) {
  struct Row {
    uint64_t virtualKey;
    const KeyboardLayout* layout;
    uint8_t code;
    const char16_t* text;
  };
  const Row rows[] = {
      {'A', &UsLayout(), 4, u"A"},
      // The stored code names the key's position: A sits where Q is on a US keyboard.
      {'A', &FrenchLayout(), 20, u"A"},
      {'Q', &FrenchLayout(), 4, u"Q"},
      {0x1B, &UsLayout(), 41, u"Esc"},
      {0x0D, &UsLayout(), 40, u"Enter"},
      {0xA2, &UsLayout(), 224, u"<1101>"},  // modifiers are keys like any other
      {0xA5, &UsLayout(), 230, u"<1104>"},
      {0x70, &UsLayout(), 58, u"F1"},
      {0xAD, &UsLayout(), 0, u""},   // a media key has no row and no name
      {0x141, &UsLayout(), 0, u""},  // not a virtual key, although its low byte is A
      {0xFFFFFFFF'00000041ull, &UsLayout(), 0, u""},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    KeyCaptureState state = CaptureStateOf(99, 0x02);
    const auto text = TakeKeyNotice(state, rows[i].virtualKey, false, *rows[i].layout, Language);
    EXPECT_EQ(state.key, rows[i].code) << "row " << i;
    EXPECT_EQ(text, Text(rows[i].text)) << "row " << i;
    EXPECT_EQ(state.toggles, Toggles(false, true, false, false, false)) << "row " << i;
  }
}

TEST(KeyCaptureNotice, TheLastKeyPressedWithTheModifiersHeld) {
  // Steps as virtual keys, a release negated; the toggles as the modifier byte.
  const struct {
    uint8_t toggledBefore;
    std::vector<int> steps;
    uint8_t key, modifiers;
  } rows[] = {
      {0x00, {0xA2, 'A', -'A', -0xA2}, 4, 0x02},    // Ctrl+A as a chord, Ctrl released last
      {0x04, {0xA2, -0xA2}, 224, 0x04},             // a modifier alone is the key
      {0x01, {0xA1, 0xA5, 0x70, -0x70}, 58, 0x0C},  // held keys replace every toggle
      {0x10, {0xA2, -0xA2, 'A'}, 4, 0x10},
      {0x00, {0xA2, 0xA3}, 228, 0x00},  // the other Ctrl is still Ctrl
  };
  for (const auto& r : rows) {
    KeyCaptureState state = CaptureStateOf(0, r.toggledBefore);
    for (int step : r.steps) {
      const auto shown = TakeKeyNotice(state, std::abs(step), step < 0, UsLayout(), Language);
      EXPECT_EQ(shown.has_value(), step > 0) << "row " << &r - rows;
    }
    EXPECT_EQ(state.key, r.key) << "row " << &r - rows;
    EXPECT_EQ(ModifiersOfToggles(state.toggles), r.modifiers) << "row " << &r - rows;
  }
}

TEST(KeyCaptureNotice, AcceptedAnswerCarriesKeyAndByte) {
  KeyCaptureState state = CaptureStateOf(41, 0x10);
  (void)TakeKeyNotice(state, 'A', false, UsLayout(), Language);
  SetToggle(state, 4, false);
  SetToggle(state, 1, true);
  const KeyCapture capture = AcceptedCapture(state);
  EXPECT_TRUE(capture.accepted);
  EXPECT_EQ(capture.key, 4);
  EXPECT_EQ(capture.modifiers, 0x02);
}

}  // namespace
