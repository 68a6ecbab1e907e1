#include "option/dialogs/exe_file_chooser.h"

#include <shlobj.h>

#include <vector>

#include "base/wide.h"
#include "option/config_file_dialog.h"
#include "option/dialogs/profile_properties_fields.h"
#include "platform/system_function.h"

Text ChooseExeFile(HWND owner) {
  wchar_t desktop[MAX_PATH] = {};
  using FolderFunction = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
  const auto folder = SystemFunction<FolderFunction>(L"shell32.dll", "SHGetSpecialFolderPathW");
  if (folder == nullptr || !folder(nullptr, desktop, CSIDL_DESKTOP, FALSE)) desktop[0] = L'\0';
  const Text initial = ExeChooserInitialFile(FromWide(desktop));
  const Text filter = FileDialogFilter(u"exe file(*.exe)|*.EXE|");

  // Room for exactly what the profile's program field holds, so that any path the dialog returns
  // can be stored; a longer one makes the dialog report failure, which counts as cancelled.
  std::vector<wchar_t> path(kGameFileCapacity + 1, L'\0');
  if (initial.size() < path.size())
    initial.copy(reinterpret_cast<char16_t*>(path.data()), initial.size());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;  // the full structure of this build
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = Wide(filter);
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  // Without the dot and asterisk: the dialog appends this text after a dot to a bare name.
  dialog.lpstrDefExt = L"exe";
  // One file only: with several selected the dialog would return a folder and a list of names,
  // which is no program path.
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  if (!ShowFileDialog(FileDialogKind::kOpen, dialog)) return Text();
  return FromWide(path.data());
}

void RunExeFileChooser(HWND owner, HWND editField) {
  const Text chosen = ChooseExeFile(owner);
  if (chosen.empty() || editField == nullptr) return;
  SetWindowTextW(editField, Wide(chosen));
}
