#include "option/macros/macro_file_operations.h"

#include <filesystem>
#include <system_error>

#include "settings/file_paths.h"

namespace fs = std::filesystem;

bool FilesystemMacroFileOperations::Replace(const Text& replacement, const Text& target) {
  std::error_code error;
  fs::rename(ToFilesystemPath(replacement), ToFilesystemPath(target), error);
  return !error;
}

bool FilesystemMacroFileOperations::Delete(const Text& path) {
  std::error_code error;
  fs::remove(ToFilesystemPath(path), error);
  return !error;
}
