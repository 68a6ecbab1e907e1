#pragma once
// Process-wide state of the monitor, shared by its parts on the window's thread.

#include "base/text.h"
#include "settings/settings_block.h"

// The monitor's own settings image: every action reads its assignment from here, never from the
// shared memory.
extern SharedSettingsBlock g_monitorSettings;
// The installation folder, with its trailing backslash.
extern Text g_programFolder;
