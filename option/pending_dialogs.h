#pragma once
// The main window's call sites for dialogs that are not part of the program yet: the click
// warning, the key-capture dialogs, the macro manager, the profile properties dialog and the
// reset confirmation. Each answers as if the user had closed it without accepting, so that no
// command changes anything it would need the dialog's answer for; the guards in front of them
// still run. When a dialog lands, only its function here changes.

#include <windows.h>

#include "option/buttons/assign_function.h"
#include "option/macros/macro_manager_launch.h"
#include "option/buttons/key_capture_dialog.h"
#include "option/macros/macro_manager_launch.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/dialogs/profile_properties_dialog.h"
#include "settings/profile_settings.h"

class PendingAssignmentDialogs : public AssignmentDialogs {
 public:
  // The left-click guard has already refused the assignment; the warning explains why.
  void ShowClickWarning() override { ShowClickWarningDialog(GetActiveWindow()); }
  // Opened over the main window, which is the active window while it handles a menu command.
  KeyCapture CaptureKey(KeyCaptureKind kind, uint8_t key, uint8_t modifiers) override {
    return CaptureKeyCombination(GetActiveWindow(), key, modifiers,
                                 kind == KeyCaptureKind::kSingleKey);
  }
  void OpenMacroManager() override { macroManager.Open(); }
  MacroManagerOpener macroManager;  // bound by the main window once it has its library
};

// OpenProfilePropertiesDialog(owner, profile, emptyFields) comes from the dialog's header.

// The confirmation before all settings return to their defaults. True when the user confirmed.
inline bool ConfirmResetWarning(HWND owner) {
  return ConfirmReset(owner);
}
