// The configurator's mark on the slot the program in front chose, from whatever the monitor sends.

#include <gtest/gtest.h>

#include <optional>

#include "option/buttons/active_slot_mark.h"

namespace {

TEST(ActiveSlotMark, MonitorValuesAreBoundedAndOnlyAProgramsChoiceIsMarked) {
  const struct {
    uint64_t value;
    int64_t lParam;
    std::optional<int32_t> fromAnswer, fromNotice;
  } rows[] = {
      {0, 1, std::nullopt, 0},
      {1, 1, 0, 1},
      {5, 1, 4, std::nullopt},
      {6, 1, std::nullopt, std::nullopt},
      {0xFFFFFFFFu, 1, std::nullopt, std::nullopt},
      {~0ull, 1, std::nullopt, std::nullopt},
      {1, 0, 0, std::nullopt},
      {1, -1, 0, std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SlotFromMonitorAnswer(row.value), row.fromAnswer) << row.value;
    EXPECT_EQ(SlotFromMonitorNotice(row.value, row.lParam), row.fromNotice) << row.value;
  }
  EXPECT_FALSE(SlotButtonMark(3, 0, 3).empty());
  EXPECT_TRUE(SlotButtonMark(3, 3, 3).empty());  // the checked slot needs no mark
  EXPECT_TRUE(SlotButtonMark(2, 0, 3).empty());
  EXPECT_TRUE(SlotButtonMark(3, 0, std::nullopt).empty());
}

}  // namespace
