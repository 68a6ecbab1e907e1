#pragma once
// Exporting a profile to a chosen file. The profile is written beside the file first and takes
// its place only when every key was written, so a failed export leaves an existing file as it was
// and is reported instead of passing for a success.

#include <cstdint>

#include "option/profile_import.h"
#include "settings/private_profile.h"
#include "settings/profile_settings.h"
#include "settings/text.h"

// The file that receives the profile before it replaces the chosen one.
Text ExportTemporaryPath(const Text& targetPath);

enum class ExportFileResult : uint8_t {
  kWritten,        // the chosen file holds the profile and nothing else
  kWriteFailed,    // a key could not be written; the chosen file is untouched
  kReplaceFailed,  // the chosen file could not be replaced and is untouched
};

ExportFileResult ExportProfileFile(ProfileFileOperations& files, const ProfileSettings& profile,
                                   const Text& targetPath, PrivateProfile& ini);
