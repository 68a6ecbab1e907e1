#pragma once
// The whole catalogue: the current profile index, the five profiles, the stored mouse type and the
// change flags. It is the layout of the named shared memory and of each program's private images.

#include <cstddef>
#include <cstdint>

#include "settings/profile_settings.h"

struct SharedSettingsBlock {
  int32_t CurrentProfile;  // 0 to 4 when valid; stored unchecked (-1 without config.ini)
  ProfileSettings profiles[kProfileCount];
  int32_t MouseType;
  int32_t ButtonChanged[kProfileCount][kButtonCount];
  int32_t DeviceChanged[kProfileCount];
  int32_t OtgSpeedChanged[kProfileCount];
  int32_t CurrentChanged;
};
static_assert(sizeof(SharedSettingsBlock) == 68092);
static_assert(offsetof(SharedSettingsBlock, CurrentProfile) == 0);
static_assert(offsetof(SharedSettingsBlock, profiles) == 4);
static_assert(offsetof(SharedSettingsBlock, MouseType) == 67744);
static_assert(offsetof(SharedSettingsBlock, ButtonChanged) == 67748);
static_assert(offsetof(SharedSettingsBlock, DeviceChanged) == 68048);
static_assert(offsetof(SharedSettingsBlock, OtgSpeedChanged) == 68068);
static_assert(offsetof(SharedSettingsBlock, CurrentChanged) == 68088);

// The current index is stored as read; every use goes through these, so that a value outside the
// five slots never indexes the profile array.
inline bool IsValidProfileIndex(int32_t index) {
  return index >= 0 && index < kProfileCount;
}

// The current profile, or null when the stored index is outside 0 to 4.
inline ProfileSettings* CurrentProfileOrNull(SharedSettingsBlock& block) {
  return IsValidProfileIndex(block.CurrentProfile) ? &block.profiles[block.CurrentProfile]
                                                   : nullptr;
}
inline const ProfileSettings* CurrentProfileOrNull(const SharedSettingsBlock& block) {
  return IsValidProfileIndex(block.CurrentProfile) ? &block.profiles[block.CurrentProfile]
                                                   : nullptr;
}
