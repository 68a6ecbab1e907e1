#pragma once
// The common open and save dialogs of the configurator's file commands (profiles, macros): one
// file of one kind, starting in the installation's config folder with only the extension in the
// name field.

#include <windows.h>

#include <commdlg.h>

#include "base/text.h"

enum class FileDialogKind { kOpen, kSave };

struct ConfigFileDialog {
  const wchar_t* filter;            // pairs of texts, each ended by a NUL, the list by another
  const wchar_t* defaultExtension;  // without dot or asterisk: the dialog appends it after a dot
  const char16_t* initialName;      // under the config folder, e.g. u".gmp"
};

// The chosen full path, or empty when the user cancelled.
Text ChooseConfigFile(HWND owner, FileDialogKind kind, const Text& programFolder,
                      const ConfigFileDialog& dialog);

// The system's open or save dialog for `dialog`, with the dialog library loaded on first use (the
// window opens without it). False when the user cancelled or the dialog could not be shown.
[[nodiscard]] bool ShowFileDialog(FileDialogKind kind, OPENFILENAMEW& dialog);
