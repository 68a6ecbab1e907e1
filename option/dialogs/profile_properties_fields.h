#pragma once
// What the profile properties dialog shows and what it writes back: the profile's name and the
// program associated with it. Kept apart from the window so that the rules run without one.

#include <cstddef>
#include <cstdint>

#include "base/text.h"
#include "settings/profile_settings.h"

// The dialog's blank-mode flag: 0 fills both fields from the profile, 1 opens them empty (a new
// profile). Any other value is taken as empty, so nothing stale is ever shown as "new".
inline constexpr int32_t kPropertiesFilled = 0;
inline constexpr int32_t kPropertiesEmpty = 1;

// Characters the name field accepts while typing (its edit limit).
inline constexpr int kProfileNameTypingLimit = 20;
// Characters each record field can hold; one more place keeps the terminating zero.
inline constexpr size_t kProfileNameCapacity = sizeof(ProfileSettings::ProFileName) / 2 - 1;
inline constexpr size_t kGameFileCapacity = sizeof(ProfileSettings::GameFile) / 2 - 1;

struct ProfilePropertiesFields {
  Text name;
  Text gameFile;
};

ProfilePropertiesFields InitialPropertiesFields(const ProfileSettings& profile, int32_t blankMode);

// Why OK was refused; the dialog stays open on the field concerned.
enum class PropertiesVerdict : uint8_t {
  kAccepted,
  kNameTooLong,      // longer than the record's name field
  kGameFileTooLong,  // a cut path would name another file, so it is refused, never cut
};

PropertiesVerdict CheckPropertiesFields(const ProfilePropertiesFields& fields);

// Writes both fields into the profile when they are accepted; otherwise the profile is untouched.
PropertiesVerdict WriteConfirmedProperties(ProfileSettings& profile,
                                           const ProfilePropertiesFields& fields);

// The browse step's start: the desktop folder with ".exe" in the name field ("%s\.exe").
Text ExeChooserInitialFile(TextView desktopFolder);

// A file dialog's filter as written in the program ("text|pattern|...|") with the bars turned
// into the zero separators the dialog reads; the result ends with two zeros.
Text FileDialogFilter(TextView barSeparated);
