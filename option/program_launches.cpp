#include "option/program_launches.h"

#include <algorithm>

#include "option/buttons/button_labels.h"
#include "settings/function_codes.h"
#include "settings/profile_defaults.h"

namespace {

// An empty path starts nothing, so it needs no question.
bool Launches(const ButtonAssignment& a) {
  return (a.functionCode == kFunctionProgram || a.functionCode == kFunctionOpenFile) &&
         !FieldText(a.programPath).empty();
}

}  // namespace

std::vector<ProgramLaunch> ProgramLaunches(const ProfileSettings& profile) {
  std::vector<ProgramLaunch> launches;
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonAssignment& a = profile.MacroKeyInfo[b];
    if (Launches(a)) launches.push_back({b, Text(FieldText(a.programPath))});
  }
  return launches;
}

void RemoveProgramLaunches(ProfileSettings& profile) {
  for (int b = 0; b < kButtonCount; ++b) {
    if (Launches(profile.MacroKeyInfo[b])) SetButtonDefault(profile.MacroKeyInfo[b], b);
  }
}

Text LaunchedFileNames(const std::vector<ProgramLaunch>& launches) {
  std::vector<Text> names;
  for (const ProgramLaunch& launch : launches) {
    const Text name(FileNameOfPath(launch.path));
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  Text joined;
  for (const Text& name : names) joined += (joined.empty() ? u"" : u", ") + name;
  return joined;
}
