#pragma once
// Makes the current profile's pointer settings take effect in the running session.

#include "settings/profile_settings.h"
#include "settings/registry_path.h"

// Double-click time, acceleration (from the thresholds in the monitor's open mouse key, switched
// off and zeroed there when the profile has it off), pointer speed and wheel lines; the wheel
// change is broadcast. Without a profile (current index outside the slots) nothing happens.
void ApplyPointerSettings(const ProfileSettings* profile, RegistryKeyObject& mouseKey);
