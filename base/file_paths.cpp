#include "base/file_paths.h"

#include <cstdint>
#include <fstream>
#include <string>

std::filesystem::path ToFilesystemPath(const Text& path) {
  // The system functions see a path as a zero-terminated string.
  const TextView name = TextView(path).substr(0, path.find(u'\0'));
#ifdef _WIN32
  return std::filesystem::path(std::wstring(name.begin(), name.end()));
#else
  // UTF-8 is built here because the library's own conversion throws on a lone surrogate.
  std::string utf8;
  utf8.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    uint32_t c = name[i];
    if (c == u'\\') {
      c = u'/';
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
               name[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (name[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      utf8.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | (c >> 18)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return std::filesystem::path(utf8);
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
