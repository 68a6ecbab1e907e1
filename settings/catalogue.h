#pragma once
// The catalogue of five profiles with config.ini: where it lives and how both programs load,
// save, clear and default it.

#include "base/file_store.h"
#include "base/text.h"
#include "settings/private_profile.h"
#include "settings/registry.h"
#include "settings/settings_block.h"

inline constexpr char16_t kConfigSection[] = u"Setting";

// Where the settings live and how they are reached: the installation folder (with its trailing
// separator, or empty), the INI functions that read them, the registry, and the file store that
// writes them whole.
struct SettingsContext {
  Text folder;
  PrivateProfile& ini;
  Registry& registry;
  FileStore& files = SystemFileStore();
};

Text ConfigIniPath(const Text& folder);           // folder + "config.ini"
Text SlotFilePath(const Text& folder, int slot);  // folder + "config\\Default%d.gmp"
Text MacroLibraryPath(const Text& folder);        // folder + "config\\sequence.dat"

// Current index -1; profiles, mouse type and change flags all zero.
void ResetSettingsBlock(SharedSettingsBlock& block);

// Current index 0 and the defaults of every slot; fields that restoring defaults keeps stay.
void SetAllDefaults(SharedSettingsBlock& block);

// A current index that names no slot (a first start, a damaged file or block) becomes slot 0, so
// that the monitor, the block, config.ini and the configurator agree and buttons keep working.
void BoundCurrentProfile(SharedSettingsBlock& block);

// config.ini and the five slot files (defaults for a slot whose file cannot be opened); a current
// index that names no slot (missing or damaged) becomes slot 0. Then the live pointer settings
// into the current profile. Always returns 1.
int LoadAllSettings(SharedSettingsBlock& block, const SettingsContext& context);

// The current profile's pointer settings to the registry (when the index names a slot), then
// config.ini and the five slot files, each written whole. False when a file could not be written
// (it then keeps what it held); the other files are still written.
[[nodiscard]] bool SaveAllSettings(const SharedSettingsBlock& block,
                                   const SettingsContext& context);

// The monitor marks each start with Device=1 in config.ini.
[[nodiscard]] bool WriteMonitorStarted(const SettingsContext& context);
