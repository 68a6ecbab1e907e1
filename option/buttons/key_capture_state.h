#pragma once
// What the key-capture dialogs decide, apart from their windows: the captured key and the five
// modifier toggles taken from a stored key combination, what a key notice from the capture hook
// does to them, how the toggles are shown, and the modifier byte they give back.

#include <array>
#include <cstdint>
#include <optional>

#include "base/text.h"
#include "input/input_sink.h"
#include "option/buttons/assign_function.h"
#include "option/buttons/key_names.h"

// Toggle i stands for bit i of the modifier byte: 0 no modifiers, 1 Ctrl, 2 Shift, 3 Alt,
// 4 Windows.
inline constexpr int kModifierToggleCount = 5;
inline constexpr int kNoModifiersToggle = 0;
using ModifierToggles = std::array<bool, kModifierToggleCount>;

struct KeyCaptureState {
  uint8_t key = 0;  // stored key code
  ModifierToggles toggles{};
  uint16_t heldModifiers = 0;  // modifier keys down now, one bit per row of the modifier table

  friend bool operator==(const KeyCaptureState&, const KeyCaptureState&) = default;
};

// The state a dialog opens with: the key as stored and toggles from bits 0 to 4.
KeyCaptureState CaptureStateOf(uint8_t key, uint8_t modifiers);

// The modifier byte of the toggles: bit i for each toggle that is on, walking from toggle 0;
// when the no-modifiers toggle is on the walk stops there, so the byte is 1 whatever the others
// say.
uint8_t ModifiersOfToggles(const ModifierToggles& toggles);

// How the toggle buttons look: with the no-modifiers toggle on, the other four cannot be
// changed (they keep showing their own states, which come back when it is switched off).
struct ToggleDisplay {
  ModifierToggles checked{};
  ModifierToggles enabled{};

  friend bool operator==(const ToggleDisplay&, const ToggleDisplay&) = default;
};
ToggleDisplay DisplayOfToggles(const ModifierToggles& toggles);

// A toggle button's new state; an index outside 0 to 4 changes nothing.
void SetToggle(KeyCaptureState& state, int index, bool on);

// A key notice from the capture hook. The last key pressed is the captured key: its stored code
// (of the key's position) is kept and the result is the text the key field shows. Modifier keys
// held down at that press set the toggles to exactly themselves, so a chord typed as Ctrl+A is
// Ctrl+A; a modifier pressed alone is captured as the key and leaves the toggles alone. A release
// only ends a modifier's hold: nothing to show. A value that is no virtual key (above 255, which
// only a stray sender can post) is a key without a row or a name: code 0 and an empty text, never
// the key that shares its low byte.
std::optional<Text> TakeKeyNotice(KeyCaptureState& state, uint64_t virtualKey, bool release,
                                  const KeyboardLayout& layout, LanguageLookup language);

// What an accepted dialog answers.
KeyCapture AcceptedCapture(const KeyCaptureState& state);
