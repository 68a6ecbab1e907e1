#pragma once
// The dialogs behind the main window's function menu, as the assignment rules ask for them: the
// click warning, the key-capture dialogs and the macro manager.

#include <windows.h>

#include "option/buttons/assign_function.h"
#include "option/buttons/key_capture_dialog.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/macros/macro_manager_launch.h"

class Win32AssignmentDialogs : public AssignmentDialogs {
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
