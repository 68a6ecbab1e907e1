#pragma once
// The change flags the configurator publishes with every apply, for readers of the shared block
// outside the system (no part of this system acts on them).

#include "settings/settings_block.h"

// DeviceChanged and OtgSpeedChanged of every slot, and CurrentChanged, from the differences
// between the state last published and the edited one. ButtonChanged is left alone: the editors
// set it as they change assignments.
void ComputeChangeFlags(const SharedSettingsBlock& loaded, SharedSettingsBlock& edited);

// Zeroes ButtonChanged, DeviceChanged and OtgSpeedChanged; CurrentChanged stays.
void ClearChangeFlags(SharedSettingsBlock& block);

// Every flag of the four groups, CurrentChanged included, set to 1.
void SetAllChangeFlags(SharedSettingsBlock& block);

// True when the device-side fields that readers of the block act on differ.
bool DeviceSettingsDiffer(const ProfileSettings& a, const ProfileSettings& b);
