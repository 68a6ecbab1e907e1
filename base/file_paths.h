#pragma once
// Settings paths are Windows paths built by text (folder + "config\\Default0.gmp"); these turn
// them into file-system paths of the host, so that the same logic also runs natively.

#include <filesystem>

#include "base/text.h"

// On Windows the text as it is; elsewhere backslashes become the host's separator.
std::filesystem::path ToFilesystemPath(const Text& path);

// True when the file exists and can be opened for reading.
bool CanOpenForReading(const Text& path);

// Drive and directory of a module path, with the trailing separator; empty when it has none.
Text FolderOfModulePath(TextView modulePath);
