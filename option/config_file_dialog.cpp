#include "option/config_file_dialog.h"

#include <cstring>

#include "base/wide.h"
#include "platform/system_function.h"

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
  dialog.Flags = kind == FileDialogKind::kOpen ? OFN_FILEMUSTEXIST | OFN_HIDEREADONLY
                                               : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  return ShowFileDialog(kind, dialog) ? FromWide(path) : Text();
}

bool ShowFileDialog(FileDialogKind kind, OPENFILENAMEW& dialog) {
  using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
  const auto show = SystemFunction<DialogFunction>(
      L"comdlg32.dll", kind == FileDialogKind::kOpen ? "GetOpenFileNameW" : "GetSaveFileNameW");
  return show != nullptr && show(&dialog) != FALSE;
}
