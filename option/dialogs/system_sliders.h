#pragma once
// The main window's three Windows-setting sliders and the profile keys they edit.

#include <cstdint>
#include <optional>

#include "option/dialogs/slider_click.h"
#include "settings/profile_settings.h"
#include "settings/settings_block.h"

inline constexpr int32_t kPointerSpeedSliderId = 201;
inline constexpr int32_t kWheelSpeedSliderId = 202;
inline constexpr int32_t kDoubleClickSliderId = 203;

// The double-click slider runs from 900 ms at its left end to 200 ms at its right end.
inline constexpr int32_t kSlowestDoubleClickMs = 900;

inline constexpr TrackRange kPointerSpeedRange{1, 9, true};
inline constexpr TrackRange kWheelSpeedRange{1, 9, true};
inline constexpr TrackRange kDoubleClickRange{0, 700, true};

struct SliderPositions {
  int32_t pointerSpeed;
  int32_t wheelSpeed;
  int32_t doubleClick;
  friend bool operator==(const SliderPositions&, const SliderPositions&) = default;
};

// Where the sliders stand for a profile.
SliderPositions SliderPositionsOfProfile(const ProfileSettings& profile);

struct SliderChange {
  bool handled = false;                      // false: not one of the three sliders
  std::optional<int32_t> doubleClickTimeMs;  // to take effect in Windows at once
};

// WM_SLIDER_CHANGED from slider `id` at `position`: writes the profile key. A position outside
// the slider's range (the message can come from any sender) is limited to it first.
SliderChange ApplySliderChange(ProfileSettings& profile, int32_t id, int32_t position);

// The double-click time Windows had before the slider set one live: the current profile's value in
// the image last applied or loaded, as the monitor puts it in place. None without a current
// profile.
[[nodiscard]] std::optional<int32_t> AppliedDoubleClickTime(const SharedSettingsBlock& applied);
