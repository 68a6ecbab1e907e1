#pragma once
// The profile commands' file side on Windows: the file operations of the safe import and export,
// and the common file dialogs that choose a profile file.

#include <windows.h>

#include "option/config_file_dialog.h"
#include "option/profile_import.h"
#include "settings/text.h"

class Win32ProfileFileOperations : public ProfileFileOperations {
 public:
  bool CanOpenForReading(const Text& path) override;
  bool Copy(const Text& from, const Text& to) override;
  bool Replace(const Text& replacement, const Text& target) override;
  bool SetAttributes(const Text& path, Attributes attributes) override;
  bool Delete(const Text& path) override;
};

// Shows the open or save dialog for "*.gmp" files, starting in programFolder's config folder.
// The chosen full path, or empty when the user cancelled.
Text ChooseProfileFile(HWND owner, FileDialogKind kind, const Text& programFolder);
