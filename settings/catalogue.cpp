#include "settings/catalogue.h"

#include <cstring>
#include <string>

#include "base/file_paths.h"
#include "settings/ini_file.h"
#include "settings/pointer_settings.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "settings/settings_file_edit.h"

Text ConfigIniPath(const Text& folder) {
  return folder + u"config.ini";
}

Text SlotFilePath(const Text& folder, int slot) {
  return folder + u"config\\Default" + FormatInt(slot) + u".gmp";
}

Text MacroLibraryPath(const Text& folder) {
  return folder + u"config\\sequence.dat";
}

void ResetSettingsBlock(SharedSettingsBlock& block) {
  std::memset(&block, 0, sizeof block);
  block.CurrentProfile = -1;
}

void SetAllDefaults(SharedSettingsBlock& block) {
  block.CurrentProfile = 0;
  for (int slot = 0; slot < kProfileCount; ++slot) SetProfileDefaults(block.profiles[slot], slot);
}

void BoundCurrentProfile(SharedSettingsBlock& block) {
  if (block.CurrentProfile < 0 || block.CurrentProfile >= kProfileCount) block.CurrentProfile = 0;
}

int LoadAllSettings(SharedSettingsBlock& block, const SettingsContext& context) {
  IniFile config(ConfigIniPath(context.folder), context.ini);
  // A first start (no config.ini) or a damaged file can name no slot; the first slot then, so that
  // both programs, the block and the file agree and the buttons always have their functions.
  block.CurrentProfile = config.ReadInt(kConfigSection, u"CurrentProfile", -1);
  BoundCurrentProfile(block);
  block.MouseType = config.ReadInt(kConfigSection, u"MouseType", -1);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    Text path = SlotFilePath(context.folder, slot);
    if (CanOpenForReading(path)) {
      LoadProfile(block.profiles[slot], path, context.ini);
    } else {
      SetProfileDefaults(block.profiles[slot], slot);
    }
  }
  if (ProfileSettings* current = CurrentProfileOrNull(block)) {
    ReadPointerSettings(*current, context.registry);
  }
  return 1;
}

bool SaveAllSettings(const SharedSettingsBlock& block, const SettingsContext& context) {
  if (const ProfileSettings* current = CurrentProfileOrNull(block)) {
    WritePointerSettings(*current, context.registry);
  }
  SettingsFileEdit config(ConfigIniPath(context.folder), context.files);
  config.WriteInt(kConfigSection, u"CurrentProfile", block.CurrentProfile);
  config.WriteInt(kConfigSection, u"MouseType", block.MouseType);
  bool saved = config.Commit();
  for (int slot = 0; slot < kProfileCount; ++slot) {
    saved = SaveProfile(block.profiles[slot], SlotFilePath(context.folder, slot), context.files) &&
            saved;
  }
  return saved;
}

bool WriteMonitorStarted(const SettingsContext& context) {
  SettingsFileEdit config(ConfigIniPath(context.folder), context.files);
  config.WriteInt(kConfigSection, u"Device", 1);
  return config.Commit();
}
