#include "option/buttons/key_capture_state.h"

#include <iterator>

namespace {

// The modifier keys the low-level hook reports (left and right apart) and the generic ones a
// sender may post, with the toggle each one sets.
struct ModifierKey {
  uint8_t virtualKey;
  int toggle;
};
constexpr ModifierKey kModifierKeys[] = {
    {0x11, 1}, {0xA2, 1}, {0xA3, 1},  // Ctrl
    {0x10, 2}, {0xA0, 2}, {0xA1, 2},  // Shift
    {0x12, 3}, {0xA4, 3}, {0xA5, 3},  // Alt
    {0x5B, 4}, {0x5C, 4},             // Windows
};
constexpr int kModifierKeyCount = static_cast<int>(std::size(kModifierKeys));
static_assert(kModifierKeyCount <= 16, "one bit of heldModifiers per row");

int ModifierRow(uint64_t virtualKey) {
  for (int row = 0; row < kModifierKeyCount; ++row) {
    if (kModifierKeys[row].virtualKey == virtualKey) return row;
  }
  return -1;
}

}  // namespace

KeyCaptureState CaptureStateOf(uint8_t key, uint8_t modifiers) {
  KeyCaptureState state;
  state.key = key;
  for (int bit = 0; bit < kModifierToggleCount; ++bit) state.toggles[bit] = (modifiers >> bit) & 1;
  return state;
}

uint8_t ModifiersOfToggles(const ModifierToggles& toggles) {
  uint8_t modifiers = 0;
  for (int bit = 0; bit < kModifierToggleCount; ++bit) {
    if (!toggles[bit]) continue;
    modifiers = static_cast<uint8_t>(modifiers | (1u << bit));
    if (bit == kNoModifiersToggle) break;
  }
  return modifiers;
}

ToggleDisplay DisplayOfToggles(const ModifierToggles& toggles) {
  ToggleDisplay display;
  display.checked = toggles;
  const bool none = toggles[kNoModifiersToggle];
  for (int index = 0; index < kModifierToggleCount; ++index) {
    display.enabled[index] = index == kNoModifiersToggle || !none;
  }
  return display;
}

void SetToggle(KeyCaptureState& state, int index, bool on) {
  if (index < 0 || index >= kModifierToggleCount) return;
  state.toggles[index] = on;
}

std::optional<Text> TakeKeyNotice(KeyCaptureState& state, uint64_t virtualKey, bool release,
                                  const KeyboardLayout& layout, LanguageLookup language) {
  const int modifier = ModifierRow(virtualKey);
  const uint16_t bit = modifier < 0 ? 0 : static_cast<uint16_t>(1u << modifier);
  if (release) {
    state.heldModifiers = static_cast<uint16_t>(state.heldModifiers & ~bit);
    return std::nullopt;
  }
  state.heldModifiers = static_cast<uint16_t>(state.heldModifiers | bit);
  if (virtualKey > 0xFF) {
    state.key = 0;
    return Text();
  }
  const auto key = static_cast<uint8_t>(virtualKey);
  state.key = KeyCodeFromVirtualKey(key, layout);

  // The modifiers held with the key, its own kind aside (Ctrl pressed alone is the key Ctrl).
  const int ownToggle = modifier < 0 ? -1 : kModifierKeys[modifier].toggle;
  ModifierToggles held{};
  bool any = false;
  for (int row = 0; row < kModifierKeyCount; ++row) {
    const int toggle = kModifierKeys[row].toggle;
    if (((state.heldModifiers >> row) & 1) == 0 || toggle == ownToggle) continue;
    held[toggle] = true;
    any = true;
  }
  if (any) state.toggles = held;
  return KeyName(key, language);
}

KeyCapture AcceptedCapture(const KeyCaptureState& state) {
  return KeyCapture{true, state.key, ModifiersOfToggles(state.toggles)};
}
