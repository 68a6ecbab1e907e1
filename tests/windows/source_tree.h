#pragma once
// Files of the source tree, reached from a test program under Wine: ctest passes the tree's Unix
// path in SOURCE_DIR, and Wine shows the Unix root as drive Z:.

#include <cstdlib>
#include <string>

#include "base/text.h"

inline Text SourceTreeFile(const std::string& relative) {
  const char* root = std::getenv("SOURCE_DIR");
  std::string path = std::string(root ? root : ".") + "/" + relative;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return AsciiText(path);
}
