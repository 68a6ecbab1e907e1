#include "option/configurator_model.h"

#include "bridge/change_flags.h"
#include "settings/pointer_settings.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"

ConfiguratorModel::ConfiguratorModel(BlockSource& block, MacroLibraryStore& macros,
                                     const SettingsContext& context)
    : block_(block),
      macros_(macros),
      context_(context),
      loaded_(std::make_unique<SharedSettingsBlock>()),
      edited_(std::make_unique<SharedSettingsBlock>()) {
  ResetSettingsBlock(*loaded_);
  ResetSettingsBlock(*edited_);
}

bool ConfiguratorModel::Start() {
  ResetSettingsBlock(*loaded_);
  const bool live = block_.Open() && block_.ReadBlock(*loaded_);
  if (live) {
    ClearChangeFlags(*loaded_);
  } else if (LoadAllSettings(*loaded_, context_) == 0) {
    SetAllDefaults(*loaded_);
  }
  // A first start without config.ini reads no current slot; the window would then show no
  // profile and every edit would go nowhere. The first slot stands in until the user picks one.
  BoundCurrentProfile(*loaded_);
  macros_.Load();
  *edited_ = *loaded_;
  // The merge only gathers what the profile files already hold; if the library cannot take it
  // now, nothing is lost, and the user hears of the folder at the first save they ask for.
  (void)macros_.MergeButtonMacrosAndSave(*edited_);
  if (live) {
    // Show what Windows uses now rather than what the monitor last applied.
    if (ProfileSettings* profile = CurrentProfileOrNull(*edited_)) {
      ReadPointerSettings(*profile, context_.registry);
    }
  }
  return live;
}

void ConfiguratorModel::TakeBlockImage() {
  // A failed read keeps the loaded image, and the edits still give way to it.
  (void)block_.ReadBlock(*loaded_);
  // The flags in the block belong to the apply that set them; copied on, the next apply would
  // publish them again as changes.
  ClearChangeFlags(*loaded_);
  BoundCurrentProfile(*loaded_);
  *edited_ = *loaded_;
}

void ConfiguratorModel::TakeStartedMonitor() {
  // A monitor started after this window has a block this window has not opened yet; without it
  // every later apply would reach the files but never the monitor.
  if (!block_.IsOpen()) block_.Reopen();
  TakeBlockImage();
  (void)macros_.MergeButtonMacrosAndSave(*edited_);  // as at start: nothing of the user's is lost
}

void ConfiguratorModel::ReloadFromBlock() {
  TakeBlockImage();
}

void ConfiguratorModel::TakeDeviceValues() {
  // Without a fresh copy of the block there are no new values to take over.
  if (!block_.ReadBlock(*loaded_)) return;
  const int32_t slot = loaded_->CurrentProfile;
  if (!IsValidProfileIndex(slot)) return;
  const ProfileSettings& from = loaded_->profiles[slot];
  ProfileSettings& to = edited_->profiles[slot];
  to.CpiStep = from.CpiStep;
  to.Sensitivity_X = from.Sensitivity_X;
  to.Sensitivity_Y = from.Sensitivity_Y;
  to.PollingRate = from.PollingRate;
}

bool ConfiguratorModel::SelectSlot(int slot) {
  if (!IsValidProfileIndex(slot)) return false;
  const bool changed = slot != edited_->CurrentProfile;
  edited_->CurrentProfile = slot;
  return changed;
}

void ConfiguratorModel::SetOrientation(int32_t orientation) {
  if (ProfileSettings* profile = CurrentProfileOrNull(*edited_)) profile->Orientation = orientation;
}

void ConfiguratorModel::RestoreButton(int button) {
  ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (profile == nullptr || button < 0 || button >= kButtonCount) return;
  SetButtonDefault(profile->MacroKeyInfo[button], button);
  edited_->ButtonChanged[edited_->CurrentProfile][button] = 1;
}

void ConfiguratorModel::RestoreAllButtons() {
  for (int button = 0; button < kButtonCount; ++button) RestoreButton(button);
}

void ConfiguratorModel::RestoreAllDefaults() {
  SetAllDefaults(*edited_);
  SetAllChangeFlags(*edited_);
}

bool ConfiguratorModel::Apply(ChangeFlags flags, ApplyTargets& targets) {
  return ApplyEditedImage(*loaded_, *edited_, flags, targets);
}

std::optional<ImportFileResult> ConfiguratorModel::Import(const Text& chosenPath,
                                                          const LaunchQuestion& allowLaunches) {
  ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (chosenPath.empty() || profile == nullptr) return std::nullopt;
  const Text slotPath = SlotFilePath(context_.folder, edited_->CurrentProfile);
  const ImportFileResult result =
      ImportProfileFile(context_.files, context_.ini, chosenPath, slotPath, allowLaunches);
  if (ShouldReloadSlot(result)) {
    LoadProfile(*profile, slotPath, context_.ini);
    MarkImportedButtons(*edited_);
  }
  return result;
}

ExportResult ConfiguratorModel::Export(const Text& chosenPath) const {
  const ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (chosenPath.empty() || profile == nullptr) return ExportResult::kNothing;
  return SaveProfile(*profile, chosenPath, context_.files) ? ExportResult::kSaved
                                                           : ExportResult::kNotSaved;
}
