// The main window's profile commands: properties, import and export of the current slot.

#include <vector>

#include "option/configurator_window.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/dialogs/profile_properties_dialog.h"
#include "option/profile_files_win32.h"

void ConfiguratorWindow::EditProfileProperties(bool emptyFields) {
  ModalNoticeGate::Scope modal(notices_);
  ProfileSettings* profile = CurrentProfileOrNull(model_->edited());
  if (profile == nullptr) return;
  if (OpenProfilePropertiesDialog(handle(), *profile, emptyFields)) RefreshProfileLabels();
}

void ConfiguratorWindow::ImportProfile() {
  ModalNoticeGate::Scope modal(notices_);
  const Text chosen = ChooseProfileFile(handle(), FileDialogKind::kOpen, programFolder_);
  const LaunchQuestion allowLaunches = [this](const std::vector<ProgramLaunch>& launches) {
    return ConfirmImportedLaunches(handle(), LaunchedFileNames(launches));
  };
  const std::optional<ImportFileResult> result = model_->Import(chosen, allowLaunches);
  if (!result) return;  // cancelled: nothing is applied
  if (*result == ImportFileResult::kWriteFailed) ShowSaveFailedWarning(handle());
  if (!ShouldReloadSlot(*result)) return;
  RefreshMainWindow();
  Apply(ChangeFlags::kCompute);
}

void ConfiguratorWindow::ExportProfile() {
  ModalNoticeGate::Scope modal(notices_);
  const Text chosen = ChooseProfileFile(handle(), FileDialogKind::kSave, programFolder_);
  const ExportResult result = model_->Export(chosen);
  if (result != ExportResult::kNothing) WarnIfNotSaved(result == ExportResult::kSaved);
}
