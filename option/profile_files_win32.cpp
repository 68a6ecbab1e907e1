#include "option/profile_files_win32.h"

#include <commdlg.h>

#include <cstring>

#include "platform/wide.h"

bool Win32ProfileFileOperations::CanOpenForReading(const Text& path) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool Win32ProfileFileOperations::Copy(const Text& from, const Text& to) {
  // A hidden or read-only file in the way refuses to be overwritten; the copy is a file of ours.
  SetFileAttributesW(Wide(to), FILE_ATTRIBUTE_NORMAL);
  return CopyFileW(Wide(from), Wide(to), FALSE) != 0;
}

bool Win32ProfileFileOperations::Replace(const Text& replacement, const Text& target) {
  if (GetFileAttributesW(Wide(target)) != INVALID_FILE_ATTRIBUTES &&
      ReplaceFileW(Wide(target), Wide(replacement), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                   nullptr, nullptr) != 0) {
    return true;
  }
  return MoveFileExW(Wide(replacement), Wide(target),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) !=
         0;
}

bool Win32ProfileFileOperations::SetAttributes(const Text& path, Attributes attributes) {
  const DWORD value = attributes == Attributes::kArchiveHidden
                          ? FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN
                          : FILE_ATTRIBUTE_NORMAL;
  return SetFileAttributesW(Wide(path), value) != 0;
}

bool Win32ProfileFileOperations::Delete(const Text& path) {
  SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileW(Wide(path)) != 0;
}

Text ChooseProfileFile(HWND owner, ProfileFileDialog kind, const Text& programFolder) {
  // "Gaming Mouse Profile(*.gmp)|*.gmp|" with the bars as the dialog's separators.
  static const wchar_t kFilter[] = L"Gaming Mouse Profile(*.gmp)\0*.gmp\0\0";
  wchar_t path[MAX_PATH] = {};
  const Text initial = programFolder + u"config\\.gmp";
  if (initial.size() < MAX_PATH) std::memcpy(path, initial.c_str(), initial.size() * 2);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  // Without the dot and asterisk: the dialog appends this text after a dot to a bare name.
  dialog.lpstrDefExt = L"gmp";
  BOOL chosen;
  if (kind == ProfileFileDialog::kOpen) {
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    chosen = GetOpenFileNameW(&dialog);
  } else {
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    chosen = GetSaveFileNameW(&dialog);
  }
  if (!chosen) return Text();
  return FromWide(path);
}
