// The main window's profile commands: properties, import and export of the current slot.

#include <vector>

#include "option/configurator_window.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/dialogs/profile_properties_dialog.h"
#include "option/profile_files_win32.h"
#include "option/profile_import.h"
#include "settings/catalogue.h"
#include "settings/profile_file.h"

void ConfiguratorWindow::EditProfileProperties(bool emptyFields) {
  ModalNoticeGate::Scope modal(notices_);
  ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (profile == nullptr) return;
  if (OpenProfilePropertiesDialog(handle(), *profile, emptyFields)) RefreshProfileLabels();
}

void ConfiguratorWindow::ImportProfile() {
  ModalNoticeGate::Scope modal(notices_);
  const Text chosen = ChooseProfileFile(handle(), FileDialogKind::kOpen, programFolder_);
  ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (chosen.empty() || profile == nullptr) return;  // cancelled: nothing is applied
  const Text slotPath = SlotFilePath(programFolder_, edited_->CurrentProfile);
  const LaunchQuestion allowLaunches = [this](const std::vector<ProgramLaunch>& launches) {
    return ConfirmImportedLaunches(handle(), LaunchedFileNames(launches));
  };
  const ImportFileResult result =
      ImportProfileFile(SystemFileStore(), SystemPrivateProfile(), chosen, slotPath, allowLaunches);
  if (result == ImportFileResult::kWriteFailed) ShowSaveFailedWarning(handle());
  if (!ShouldReloadSlot(result)) return;
  LoadProfile(*profile, slotPath);
  MarkImportedButtons(*edited_);
  RefreshMainWindow();
  Apply(ChangeFlags::kCompute);
}

void ConfiguratorWindow::ExportProfile() {
  ModalNoticeGate::Scope modal(notices_);
  const Text chosen = ChooseProfileFile(handle(), FileDialogKind::kSave, programFolder_);
  const ProfileSettings* profile = CurrentProfileOrNull(*edited_);
  if (chosen.empty() || profile == nullptr) return;
  WarnIfNotSaved(SaveProfile(*profile, chosen));
}
