#pragma once
// What a button may start: only a file named by an absolute path (a drive's "X:\..." or a share's
// "\\server\share\..."), never a name the search path or the current folder would resolve, and in
// the folder the file lies in. The caller still checks that the file exists.

#include <optional>

#include "base/text.h"

struct LaunchTarget {
  Text path;
  Text folder;  // with its trailing separator
};

std::optional<LaunchTarget> LaunchTargetOf(TextView path);
