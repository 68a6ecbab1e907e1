#include "option/dialogs/system_sliders.h"

#include <algorithm>

#include "option/dialogs/pointer_speed_table.h"

SliderPositions SliderPositionsOfProfile(const ProfileSettings& profile) {
  // Widened: a stored value may be anything a file held.
  const int64_t doubleClick = int64_t{kSlowestDoubleClickMs} - profile.DbleClickSpeed;
  return {PositionOfMouseSpeed(profile.MouseSpeed), profile.ScrollWheelSpeed,
          static_cast<int32_t>(std::clamp<int64_t>(doubleClick, INT32_MIN, INT32_MAX))};
}

SliderChange ApplySliderChange(ProfileSettings& profile, int32_t id, int32_t position) {
  SliderChange change;
  switch (id) {
    case kPointerSpeedSliderId:
      profile.MouseSpeed = MouseSpeedOfPosition(position);
      break;
    case kWheelSpeedSliderId:
      profile.ScrollWheelSpeed =
          std::clamp(position, kWheelSpeedRange.minimum, kWheelSpeedRange.maximum);
      break;
    case kDoubleClickSliderId: {
      const int32_t p = std::clamp(position, kDoubleClickRange.minimum, kDoubleClickRange.maximum);
      profile.DbleClickSpeed = kSlowestDoubleClickMs - p;
      change.doubleClickTimeMs = profile.DbleClickSpeed;
      break;
    }
    default:
      return change;
  }
  change.handled = true;
  return change;
}

std::optional<int32_t> AppliedDoubleClickTime(const SharedSettingsBlock& applied) {
  const ProfileSettings* profile = CurrentProfileOrNull(applied);
  if (profile == nullptr) return std::nullopt;
  return profile->DbleClickSpeed;
}
