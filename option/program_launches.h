#pragma once
// Buttons that start a program (code 17) or open a file (code 86). A profile from elsewhere may
// carry them on any button, the wheel's included; an import asks before it keeps them.

#include <vector>

#include "base/text.h"
#include "settings/profile_settings.h"

struct ProgramLaunch {
  int button;
  Text path;
};

// The launching buttons of the profile, in button order, with the path each names.
std::vector<ProgramLaunch> ProgramLaunches(const ProfileSettings& profile);

// The launching buttons get their default functions.
void RemoveProgramLaunches(ProfileSettings& profile);

// The file names the launches start, each once, in button order, separated by ", ".
Text LaunchedFileNames(const std::vector<ProgramLaunch>& launches);
