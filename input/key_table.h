#pragma once
// Stored key codes (USB HID keyboard usages, and 240 to 244 for the mouse buttons) to Windows
// virtual keys.

#include <cstddef>
#include <cstdint>
#include <span>

#include "input/input_sink.h"

struct KeyTableRow {
  uint8_t code;        // stored key code
  uint8_t virtualKey;  // the key under the US layout
  uint8_t scanCode;    // its set-1 make code; 0 for keys not located by position
};

inline constexpr std::size_t kKeyTableRowCount = 109;

// Stored codes of the mouse buttons; their rows carry 0xF0 to 0xF4 as virtual keys.
inline constexpr uint8_t kKeyCodeMouseLeft = 240;
inline constexpr uint8_t kKeyCodeMouseRight = 241;
inline constexpr uint8_t kKeyCodeMouseMiddle = 242;
inline constexpr uint8_t kKeyCodeMouseX2 = 243;
inline constexpr uint8_t kKeyCodeMouseX1 = 244;

std::span<const KeyTableRow> KeyTable();

// The row of a stored code, or null when the code has none.
const KeyTableRow* FindKeyRow(uint8_t code);

// Letters, digits, punctuation, Caps Lock and F1 to F12 (codes 4 to 69) name a physical key, so
// under another layout the key in the same place is sent.
bool IsLocatedByPosition(uint8_t code);

// The virtual key to send for a stored code, or 0 when there is none.
uint8_t TranslateKeyCode(uint8_t code, const KeyboardLayout& layout);

// Shift, Ctrl and Alt from either side, as the generic key they are sent as.
uint8_t GenericModifier(uint8_t virtualKey);

// The mouse button a stored code 240 to 244 names: its down and up flags and its data.
struct MouseButtonFlags {
  uint32_t down;
  uint32_t up;
  int32_t data;
};
// False (and `out` untouched) for codes that are not mouse buttons.
bool MouseButtonOfCode(uint8_t code, MouseButtonFlags* out);
