#include "monitor/button_events.h"

namespace {

constexpr uint64_t kLeftDown = 0x201, kLeftUp = 0x202;
constexpr uint64_t kRightDown = 0x204, kRightUp = 0x205;
constexpr uint64_t kMiddleDown = 0x207, kMiddleUp = 0x208;
constexpr uint64_t kWheel = 0x20A;
constexpr uint64_t kExtraDown = 0x20B, kExtraUp = 0x20C;

// One row per (message, data) that produces an event; everything else produces none.
struct ReportRow {
  uint64_t message;
  int64_t data;
  ButtonEvent event;
};

constexpr ReportRow kButtonReports[] = {
    {kLeftDown, 0, {0, ButtonEventKind::Press}},   {kLeftUp, 0, {0, ButtonEventKind::Release}},
    {kRightDown, 0, {1, ButtonEventKind::Press}},  {kRightUp, 0, {1, ButtonEventKind::Release}},
    {kMiddleDown, 0, {2, ButtonEventKind::Press}}, {kMiddleUp, 0, {2, ButtonEventKind::Release}},
    {kExtraDown, 1, {3, ButtonEventKind::Press}},  {kExtraDown, 2, {4, ButtonEventKind::Press}},
    {kExtraUp, 1, {3, ButtonEventKind::Release}},  {kExtraUp, 2, {4, ButtonEventKind::Release}},
};

}  // namespace

std::optional<ButtonEvent> TranslateMouseReport(uint64_t mouseMessage, int64_t data) {
  if (mouseMessage == kWheel) {
    // Only the direction counts: any of the 32-bit value's top eight bits set means backward.
    const uint32_t value = static_cast<uint32_t>(data);
    return (value & 0xFF000000u) ? ButtonEvent{14, ButtonEventKind::Wheel}
                                 : ButtonEvent{13, ButtonEventKind::Wheel};
  }
  for (const ReportRow& row : kButtonReports) {
    if (row.message == mouseMessage && row.data == data) return row.event;
  }
  return std::nullopt;
}

const ButtonAssignment* AssignmentForButton(const SharedSettingsBlock& settings, int64_t index) {
  return AssignmentForButton(CurrentProfileOrNull(settings), index);
}

const ButtonAssignment* AssignmentForButton(const ProfileSettings* profile, int64_t index) {
  if (profile == nullptr || index < 0 || index >= kButtonCount) return nullptr;
  return &profile->MacroKeyInfo[index];
}

std::optional<ButtonEventKind> ButtonEventKindFrom(int64_t value) {
  if (value < 1 || value > 3) return std::nullopt;
  return static_cast<ButtonEventKind>(value);
}
