#pragma once
// The settings context of a running program: its own folder, the Win32 INI functions and the
// user's registry.

#include "settings/catalogue.h"

SettingsContext SystemSettingsContext();
