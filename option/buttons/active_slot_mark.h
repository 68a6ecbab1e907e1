#pragma once
// The mark on the slot button of the profile the monitor acts on, when the program in front chose
// another profile than the checked one. The monitor answers and posts the active slot through a
// registered message (bridge/identities.h); whatever arrives there is bounded here.

#include <cstdint>
#include <optional>

#include "base/text.h"

// A dot drawn over the slot button's picture (and its tooltip).
inline constexpr char16_t kActiveSlotMark[] = u"\u25CF";

// The slot the program in front chose, from the monitor's answer to the question (slot + 1, 0
// while it acts on the chosen profile); anything else none.
[[nodiscard]] std::optional<int32_t> SlotFromMonitorAnswer(uint64_t answer);
// The same from a posted notice: its wParam names the slot, its lParam is 1 when the program in
// front chose it; a slot outside 0 to 4 or any other lParam gives none.
[[nodiscard]] std::optional<int32_t> SlotFromMonitorNotice(uint64_t wParam, int64_t lParam);

// The caption of one slot button: the mark on the active slot when it is not the checked one,
// nothing otherwise.
[[nodiscard]] TextView SlotButtonMark(int32_t slot, int32_t checkedSlot,
                                      std::optional<int32_t> activeSlot);
