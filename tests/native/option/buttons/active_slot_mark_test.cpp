// The configurator's mark on the slot the monitor acts on, from whatever the monitor sends.

#include <gtest/gtest.h>

#include <optional>

#include "option/buttons/active_slot_mark.h"

namespace {

TEST(ActiveSlotMark, MonitorValuesAreBoundedToTheSlots) {
  const struct {
    uint64_t value;
    std::optional<int32_t> fromAnswer, fromNotice;
  } rows[] = {
      {0, std::nullopt, 0},
      {1, 0, 1},
      {4, 3, 4},
      {5, 4, std::nullopt},
      {6, std::nullopt, std::nullopt},
      {0xFFFFFFFFu, std::nullopt, std::nullopt},            // -1 as a 32-bit value
      {0xFFFFFFFFFFFFFFFFull, std::nullopt, std::nullopt},  // -1 as a pointer-sized value
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SlotFromMonitorAnswer(row.value), row.fromAnswer) << row.value;
    EXPECT_EQ(SlotFromMonitorNotice(row.value, 1), row.fromNotice) << row.value;
    // Only a slot the program in front chose is marked.
    for (int64_t lParam : {int64_t{0}, int64_t{2}, int64_t{-1}}) {
      EXPECT_EQ(SlotFromMonitorNotice(row.value, lParam), std::nullopt) << row.value;
    }
  }
}

TEST(ActiveSlotMark, OnlyAnActiveSlotOtherThanTheCheckedOneIsMarked) {
  const struct {
    int32_t slot, checked;
    std::optional<int32_t> active;
    bool marked;
  } rows[] = {
      {3, 0, 3, true},
      {0, 0, 3, false},
      {3, 3, 3, false},
      {2, 0, 3, false},
      {3, 0, std::nullopt, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SlotButtonMark(row.slot, row.checked, row.active).empty(), !row.marked)
        << row.slot << " " << row.checked;
  }
}

}  // namespace
