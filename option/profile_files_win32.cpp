#include "option/profile_files_win32.h"

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

Text ChooseProfileFile(HWND owner, FileDialogKind kind, const Text& programFolder) {
  // "Gaming Mouse Profile(*.gmp)|*.gmp|" with the bars as the dialog's separators.
  return ChooseConfigFile(owner, kind, programFolder,
                          {L"Gaming Mouse Profile(*.gmp)\0*.gmp\0\0", L"gmp", u".gmp"});
}
