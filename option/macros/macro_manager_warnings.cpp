#include "option/macros/macro_manager_warnings.h"

#include "option/dialogs/confirm_dialog.h"

bool ConfirmMacroDeletion(HWND owner) {
  return ConfirmDeleteMacro(owner);
}

void WarnNoMacroSelected(HWND owner) {
  ShowMacroSetWarning(owner);
}
