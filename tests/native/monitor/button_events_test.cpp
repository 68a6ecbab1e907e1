#include "monitor/button_events.h"

#include <gtest/gtest.h>

#include <memory>

#include "settings/catalogue.h"

namespace {

using K = ButtonEventKind;

TEST(TranslateMouseReport, EveryReport) {
  const struct {
    uint64_t message;
    int64_t data;
    std::optional<ButtonEvent> event;
  } rows[] = {
      {0x201, 0, ButtonEvent{0, K::Press}},
      {0x202, 0, ButtonEvent{0, K::Release}},
      {0x204, 0, ButtonEvent{1, K::Press}},
      {0x205, 0, ButtonEvent{1, K::Release}},
      {0x207, 0, ButtonEvent{2, K::Press}},
      {0x208, 0, ButtonEvent{2, K::Release}},
      {0x20B, 1, ButtonEvent{3, K::Press}},
      {0x20B, 2, ButtonEvent{4, K::Press}},
      {0x20C, 1, ButtonEvent{3, K::Release}},
      {0x20C, 2, ButtonEvent{4, K::Release}},
      {0x20A, 120 << 16, ButtonEvent{13, K::Wheel}},
      {0x20A, static_cast<int64_t>(0xFF880000u), ButtonEvent{14, K::Wheel}},  // -120
      {0x20A, 256 << 16, ButtonEvent{14, K::Wheel}},  // top eight bits set: read as backward
      {0x20A, 0, ButtonEvent{13, K::Wheel}},
      // Data that does not fit its button, and messages that are not buttons.
      {0x201, 1, std::nullopt},
      {0x205, -1, std::nullopt},
      {0x20B, 0, std::nullopt},
      {0x20B, 3, std::nullopt},
      {0x20C, 0x10001, std::nullopt},
      {0x200, 0, std::nullopt},
      {0x203, 0, std::nullopt},          // double click
      {0x20E, 120 << 16, std::nullopt},  // horizontal wheel
      {0x100, 0, std::nullopt},
      {0x1000000201ull, 0, std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TranslateMouseReport(row.message, row.data), row.event)
        << std::hex << row.message << "/" << row.data;
  }
}

TEST(AssignmentForButton, OnlyTheFifteenButtonsOfAValidProfile) {
  auto block = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*block);
  SetAllDefaults(*block);
  block->CurrentProfile = 3;
  for (int64_t index : {-1ll, 15ll, 255ll, 1ll << 40}) {
    EXPECT_EQ(AssignmentForButton(*block, index), nullptr) << index;
  }
  EXPECT_EQ(AssignmentForButton(*block, 14), &block->profiles[3].MacroKeyInfo[14]);
  EXPECT_EQ(AssignmentForButton(*block, 0)->functionCode, 1);
  for (int32_t current : {-1, 5, 1000}) {
    block->CurrentProfile = current;
    EXPECT_EQ(AssignmentForButton(*block, 0), nullptr) << current;
  }
}

TEST(ButtonEventKindFrom, OnlyPressReleaseAndWheel) {
  EXPECT_EQ(ButtonEventKindFrom(1), K::Press);
  EXPECT_EQ(ButtonEventKindFrom(3), K::Wheel);
  EXPECT_EQ(ButtonEventKindFrom(0), std::nullopt);
  EXPECT_EQ(ButtonEventKindFrom(4), std::nullopt);
}

}  // namespace
