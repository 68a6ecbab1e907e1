#include "monitor/dispatch/launch_target.h"

namespace {

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsDrivePath(TextView path) {
  return path.size() > 3 && IsLetter(path[0]) && path[1] == u':' && IsSeparator(path[2]);
}

// "\\server\share\" then something; not the device forms "\\?\" and "\\.\", which reach more
// than files.
bool IsSharePath(TextView path) {
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return false;
  const size_t serverEnd = path.find_first_of(u"\\/", 2);
  if (serverEnd == TextView::npos || serverEnd == 2) return false;
  const TextView server = path.substr(2, serverEnd - 2);
  if (server == u"?" || server == u".") return false;
  const size_t shareEnd = path.find_first_of(u"\\/", serverEnd + 1);
  return shareEnd != TextView::npos && shareEnd > serverEnd + 1 && shareEnd + 1 < path.size();
}

}  // namespace

std::optional<LaunchTarget> LaunchTargetOf(TextView path) {
  if (!(IsDrivePath(path) || IsSharePath(path)) || IsSeparator(path.back())) return std::nullopt;
  const size_t last = path.find_last_of(u"\\/");
  return LaunchTarget{Text(path), Text(path.substr(0, last + 1))};
}
