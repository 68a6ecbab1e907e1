#pragma once
// Factory settings of a profile slot and of a single button.

#include <cstdint>

#include "settings/profile_settings.h"

// Function code each button position starts with (left click, right click, middle click, the
// two extra buttons, ...; 0 is no function).
inline constexpr uint8_t kDefaultButtonFunctions[kButtonCount] = {1,  2, 3, 8, 7, 13, 0, 0,
                                                                  21, 0, 0, 0, 0, 9,  10};

// The whole entry zero, then its index and default function code.
void SetButtonDefault(ButtonAssignment& assignment, int buttonIndex);

// Fills the profile with the defaults of slot `index` (0 to 4). LiftSwitch, LiftLevel,
// LightSwitch, LightType, ColorOptions, ColorChangeMode, BTOption and the padding keep their
// values: restoring defaults must not touch them.
void SetProfileDefaults(ProfileSettings& profile, int index);
