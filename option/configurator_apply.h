#pragma once
// What an apply does with the configurator's two images: publish the edited one to the shared
// block, the settings files and the monitor, then take it as the state last published. The window
// frames it with its busy look; the places it reaches sit behind ApplyTargets.

#include <cstdint>

#include "settings/settings_block.h"

class ApplyTargets {
 public:
  virtual ~ApplyTargets() = default;
  virtual void WriteSharedBlock(const SharedSettingsBlock& image) = 0;
  // False when a settings file could not be written.
  [[nodiscard]] virtual bool SaveAllSettings(const SharedSettingsBlock& image) = 0;
  // Tells the monitor (when its window exists) and waits until it has re-read the block.
  virtual void NotifyMonitor() = 0;
  [[nodiscard]] virtual bool SaveMacroLibrary() = 0;
};

enum class ChangeFlags : uint8_t {
  kCompute,  // from the differences between the loaded and the edited image
  kKeepSet,  // after restoring all defaults: every flag is already set and stays set
};

// Publishes `edited` and makes `loaded` a copy of it. The flags are published as computed (or as
// set), then cleared in both images, so that the next apply without edits publishes none. False
// when a file could not be saved: the caller tells the user, as the block and the monitor already
// have the settings but the files keep the earlier ones.
[[nodiscard]] bool ApplyEditedImage(SharedSettingsBlock& loaded, SharedSettingsBlock& edited,
                                    ChangeFlags flags, ApplyTargets& targets);
