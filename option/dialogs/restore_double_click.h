#pragma once
// The double-click slider sets Windows' double-click time live, so that the test picture beside
// it answers at once; a change that is not applied must not outlive the configurator or the
// profile it was made on.

#include "settings/settings_block.h"

// Puts back the double-click time of the applied image's current profile (see
// AppliedDoubleClickTime); nothing without a current profile.
void RestoreAppliedDoubleClickTime(const SharedSettingsBlock& applied);
