#pragma once
// The common file dialogs that choose a profile file to import or export.

#include <windows.h>

#include "base/text.h"
#include "option/config_file_dialog.h"

// Shows the open or save dialog for "*.gmp" files, starting in programFolder's config folder.
// The chosen full path, or empty when the user cancelled.
Text ChooseProfileFile(HWND owner, FileDialogKind kind, const Text& programFolder);
