#include "option/config_file_dialog.h"

#include <commdlg.h>

#include <cstring>

#include "base/wide.h"

Text ChooseConfigFile(HWND owner, FileDialogKind kind, const Text& programFolder,
                      const ConfigFileDialog& settings) {
  wchar_t path[MAX_PATH] = {};
  const Text initial = programFolder + u"config\\" + settings.initialName;
  if (initial.size() < MAX_PATH) std::memcpy(path, initial.c_str(), initial.size() * 2);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = settings.filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = settings.defaultExtension;
  BOOL chosen;
  if (kind == FileDialogKind::kOpen) {
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    chosen = GetOpenFileNameW(&dialog);
  } else {
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    chosen = GetSaveFileNameW(&dialog);
  }
  return chosen ? FromWide(path) : Text();
}
