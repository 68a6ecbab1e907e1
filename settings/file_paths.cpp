#include "settings/file_paths.h"

#include <fstream>

std::filesystem::path ToFilesystemPath(const Text& path) {
#ifdef _WIN32
  return std::filesystem::path(path);
#else
  Text host = path;
  for (char16_t& c : host) {
    if (c == u'\\') c = u'/';
  }
  return std::filesystem::path(host);
#endif
}

bool CanOpenForReading(const Text& path) {
  std::error_code error;
  std::filesystem::path p = ToFilesystemPath(path);
  if (!std::filesystem::is_regular_file(p, error)) return false;
  std::ifstream in(p, std::ios::binary);
  return in.is_open();
}

Text FolderOfModulePath(TextView modulePath) {
  size_t slash = modulePath.find_last_of(u"\\/");
  if (slash == TextView::npos) return Text();
  return Text(modulePath.substr(0, slash + 1));
}
