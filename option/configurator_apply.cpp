#include "option/configurator_apply.h"

#include "bridge/change_flags.h"

bool ApplyEditedImage(SharedSettingsBlock& loaded, SharedSettingsBlock& edited, ChangeFlags flags,
                      ApplyTargets& targets) {
  if (flags == ChangeFlags::kCompute) ComputeChangeFlags(loaded, edited);
  targets.WriteSharedBlock(edited);
  const bool settingsSaved = targets.SaveAllSettings(edited);
  // The monitor reads the block only after the files are written, so a monitor that starts
  // between the two finds the same settings in both.
  targets.NotifyMonitor();
  ClearChangeFlags(edited);
  loaded = edited;
  const bool macrosSaved = targets.SaveMacroLibrary();
  return settingsSaved && macrosSaved;
}
