#pragma once
// A profile as a .gmp file: one INI section "Setting", keys in a fixed order.

#include <vector>

#include "base/file_store.h"
#include "base/text.h"
#include "settings/private_profile.h"
#include "settings/profile_settings.h"
#include "settings/settings_file_edit.h"

inline constexpr char16_t kProfileSection[] = u"Setting";

// One numeric key of the profile file and the field it fills.
struct ProfileNumberKey {
  Text key;
  size_t offset;  // of the field inside ProfileSettings
  bool isByte;    // u8 field: written unsigned, loaded as the low 8 bits
};

// The numeric keys in the order they are written and read (the two texts come before them and
// the 15 button entries after them).
const std::vector<ProfileNumberKey>& ProfileNumberKeys();

// "MacroKeyInfo%d"
Text ButtonKey(int buttonIndex);

// Sets every key of the profile in the edit; keys and sections the edit already holds stay.
void WriteProfile(const ProfileSettings& profile, SettingsFileEdit& edit);

// Writes the profile file whole (see SettingsFileEdit); false when it could not be written, and
// the file is then as it was.
[[nodiscard]] bool SaveProfile(const ProfileSettings& profile, const Text& path,
                               FileStore& files = SystemFileStore(),
                               WrittenFileLook look = WrittenFileLook::kAsBefore);

// Reads every key. Missing numbers become -1 (255 for byte fields); texts are cut to their fields;
// a button entry that is missing or fails its checksum gets that button's default, and a stored
// event count above 40 is cut to 40.
void LoadProfile(ProfileSettings& profile, const Text& path,
                 PrivateProfile& ini = SystemPrivateProfile());

// Makes an assignment read from outside safe to use: its texts terminated and its event count
// within the 40 entries.
void BoundButtonAssignment(ButtonAssignment& assignment);
