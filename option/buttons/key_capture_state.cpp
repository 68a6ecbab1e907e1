#include "option/buttons/key_capture_state.h"

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

Text TakeKeyNotice(KeyCaptureState& state, uint64_t virtualKey, const KeyboardLayout& layout,
                   LanguageLookup language) {
  if (virtualKey > 0xFF) {
    state.key = 0;
    return {};
  }
  const auto key = static_cast<uint8_t>(virtualKey);
  state.key = KeyCodeFromVirtualKey(key, layout);
  return KeyName(key, language);
}

KeyCapture AcceptedCapture(const KeyCaptureState& state) {
  return KeyCapture{true, state.key, ModifiersOfToggles(state.toggles)};
}
