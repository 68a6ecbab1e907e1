#include "option/dialogs/restore_double_click.h"

#include <windows.h>

#include "option/dialogs/system_sliders.h"

void RestoreAppliedDoubleClickTime(const SharedSettingsBlock& applied) {
  // Converted as the monitor converts it when it applies the profile.
  if (const auto ms = AppliedDoubleClickTime(applied)) SetDoubleClickTime(static_cast<UINT>(*ms));
}
