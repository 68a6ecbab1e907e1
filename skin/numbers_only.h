#pragma once
// The numbers-only rule of the skinned edit field: keys that cannot type a number are swallowed,
// and pasted text is reduced to its digits, full stops and commas.

#include <cstdint>

#include "base/text.h"

// Whether a key press (virtual key) may reach a numbers-only field: main-keyboard digits, the
// editing and caret keys, comma and full stop. Keypad digits and Up/Down are swallowed.
bool NumbersOnlyKeyPasses(uint32_t virtual_key);

struct NumbersOnlyFix {
  bool replace = false;  // the field's text must be set to `text`
  Text text;
};

// A text that is entirely digits, commas, full stops and the capital letters A to F stays as it
// is (hexadecimal input typed elsewhere keeps working); any other text keeps only its digits,
// full stops and commas, in order.
NumbersOnlyFix FilterNumbersOnlyText(TextView text);
