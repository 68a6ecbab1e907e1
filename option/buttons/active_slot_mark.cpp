#include "option/buttons/active_slot_mark.h"

#include "settings/profile_settings.h"

std::optional<int32_t> SlotFromMonitorAnswer(uint64_t answer) {
  if (answer < 1 || answer > static_cast<uint64_t>(kProfileCount)) return std::nullopt;
  return static_cast<int32_t>(answer - 1);
}

std::optional<int32_t> SlotFromMonitorNotice(uint64_t wParam, int64_t lParam) {
  if (lParam != 1 || wParam >= static_cast<uint64_t>(kProfileCount)) return std::nullopt;
  return static_cast<int32_t>(wParam);
}

TextView SlotButtonMark(int32_t slot, int32_t checkedSlot, std::optional<int32_t> activeSlot) {
  const bool marked = activeSlot && *activeSlot == slot && slot != checkedSlot;
  return marked ? TextView(kActiveSlotMark) : TextView();
}
