#pragma once
// The configurator's state and the rules it changes by, without the window: the image last
// published (loaded) and the one the user edits, where each comes from at start, what the
// monitor's notices do to them, apply, restore, slot choice, import and export. The window shows
// the edited image, runs the dialogs and forwards the user's commands here.

#include <cstdint>
#include <memory>
#include <optional>

#include "base/text.h"
#include "option/configurator_apply.h"
#include "option/macros/macro_library_store.h"
#include "option/profile_import.h"
#include "settings/catalogue.h"
#include "settings/settings_block.h"

// The monitor's shared block as the configurator reaches it. The block exists only while a
// monitor runs; the configurator works from the files without it.
class BlockSource {
 public:
  virtual ~BlockSource() = default;
  // At start: the lock, then the block. False when there is no block (no monitor runs).
  [[nodiscard]] virtual bool Open() = 0;
  virtual bool IsOpen() const = 0;
  // Opens the lock and the block afresh, for a monitor that started after the configurator.
  virtual void Reopen() = 0;
  // One locked whole-block copy. False, copying nothing, without a block or when the lock is not
  // had in time.
  [[nodiscard]] virtual bool ReadBlock(SharedSettingsBlock& image) = 0;
};

enum class ExportResult : uint8_t { kNothing, kSaved, kNotSaved };

class ConfiguratorModel {
 public:
  // The seams stay the caller's and must outlive the model.
  ConfiguratorModel(BlockSource& block, MacroLibraryStore& macros, const SettingsContext& context);

  const SharedSettingsBlock& loaded() const { return *loaded_; }
  // The image every editor (dialogs, sliders, menu) works on; its address stays for the model's
  // lifetime.
  SharedSettingsBlock& edited() { return *edited_; }
  const SharedSettingsBlock& edited() const { return *edited_; }
  int32_t currentSlot() const { return edited_->CurrentProfile; }

  // From the block when a monitor runs, else from the files; then the macro library with the
  // macros the buttons carry. Returns whether the block was read.
  bool Start();

  // A monitor started after the configurator: its block, and the macros gathered as at start.
  void TakeStartedMonitor();
  // The monitor changed the block: the edited image becomes the block's, unapplied edits go.
  void ReloadFromBlock();
  // The device's own values (resolution step, sensitivity, polling rate) of the block's current
  // slot replace the edited ones; nothing else of the edits changes.
  void TakeDeviceValues();

  // Makes `slot` current (a slot outside 0 to 4 is ignored). True when another slot was current:
  // the double-click time tried live on it then goes back to the applied one.
  [[nodiscard]] bool SelectSlot(int slot);
  void SetOrientation(int32_t orientation);
  void RestoreButton(int button);  // its default, marked changed
  void RestoreAllButtons();
  // Defaults for every slot with every change flag set; apply then with ChangeFlags::kKeepSet.
  void RestoreAllDefaults();

  // Publishes the edited image; false when a file could not be saved.
  [[nodiscard]] bool Apply(ChangeFlags flags, ApplyTargets& targets);

  // An empty path is a cancelled choice. Without a current slot nothing is done (nullopt);
  // otherwise the slot file's import, and the slot reloaded from it when ShouldReloadSlot (the
  // caller then applies it).
  [[nodiscard]] std::optional<ImportFileResult> Import(const Text& chosenPath,
                                                       const LaunchQuestion& allowLaunches);
  [[nodiscard]] ExportResult Export(const Text& chosenPath) const;

 private:
  // The block's image as the new loaded and edited state.
  void TakeBlockImage();

  BlockSource& block_;
  MacroLibraryStore& macros_;
  SettingsContext context_;
  std::unique_ptr<SharedSettingsBlock> loaded_;
  std::unique_ptr<SharedSettingsBlock> edited_;
};
