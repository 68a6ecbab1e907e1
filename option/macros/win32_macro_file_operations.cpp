#include "option/macros/win32_macro_file_operations.h"

#include <windows.h>

#include "platform/wide.h"

bool Win32MacroFileOperations::Replace(const Text& replacement, const Text& target) {
  // MOVEFILE_REPLACE_EXISTING renames over the old file in one step on the same volume; the
  // replacement is always written beside the target, so no copy is ever needed. Write-through
  // makes the call return only once the rename is on disk.
  return MoveFileExW(Wide(replacement), Wide(target),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32MacroFileOperations::Delete(const Text& path) {
  if (DeleteFileW(Wide(path))) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
