#pragma once
// A stored key combination: what the monitor plays for a button and the configurator shows and
// captures, in the bytes of the button's event area.

#include <cstdint>

// Modifier flags of a stored key combination.
inline constexpr uint8_t kComboNoModifiers = 0x01;  // overrides the other bits
inline constexpr uint8_t kComboCtrl = 0x02;
inline constexpr uint8_t kComboShift = 0x04;
inline constexpr uint8_t kComboAlt = 0x08;
inline constexpr uint8_t kComboWindows = 0x10;

// The first entry of a button's event area: bytes 0 and 1; bytes 2 and 3 are not used.
struct KeyCombination {
  uint8_t keyCode;    // stored key code of the main key; 0 for none
  uint8_t modifiers;  // kCombo* flags
};
