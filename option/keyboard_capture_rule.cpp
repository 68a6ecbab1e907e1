#include "option/keyboard_capture_rule.h"

#include "bridge/device_simulation.h"

namespace {

// KBDLLHOOKSTRUCT flags with the values Windows gives them.
constexpr uint32_t kLowerLevelInjected = 0x02;  // LLKHF_LOWER_IL_INJECTED
constexpr uint32_t kInjected = 0x10;            // LLKHF_INJECTED
constexpr uint32_t kUp = 0x80;                  // LLKHF_UP

}  // namespace

CapturedKey KeyboardCaptureRule::Decide(uint32_t virtualKey, uint32_t flags, uint64_t extraInfo) {
  const bool fromKeyboard =
      ComesFromTheDevice((flags & kInjected) != 0, (flags & kLowerLevelInjected) != 0, extraInfo);
  if (!fromKeyboard) return {false, false};
  const std::size_t key = virtualKey & 0xFF;
  if ((flags & kUp) == 0) {
    swallowedDown_.set(key);
    return {true, true};
  }
  if (!swallowedDown_.test(key)) return {false, false};
  swallowedDown_.reset(key);
  return {true, true};
}
