#pragma once
// The mark on the slot button of the profile the monitor acts on, when the program in front chose
// another profile than the checked one. The monitor answers and posts the active slot through a
// registered message (bridge/identities.h); whatever arrives there is bounded here.

#include <cstdint>
#include <optional>

#include "base/text.h"

// A dot drawn over the slot button's picture (and its tooltip).
inline constexpr char16_t kActiveSlotMark[] = u"\u25CF";

// The monitor's answer to the question: slot + 1, 0 when it acts on none; anything else none.
[[nodiscard]] std::optional<int32_t> SlotFromMonitorAnswer(uint64_t answer);
// The slot a posted notice names (its wParam); outside 0 to 4 none.
[[nodiscard]] std::optional<int32_t> SlotFromMonitorNotice(uint64_t wParam);

// The caption of one slot button: the mark on the active slot when it is not the checked one,
// nothing otherwise.
[[nodiscard]] TextView SlotButtonMark(int32_t slot, int32_t checkedSlot,
                                      std::optional<int32_t> activeSlot);
