#include "option/dialogs/profile_properties_fields.h"

ProfilePropertiesFields InitialPropertiesFields(const ProfileSettings& profile, int32_t blankMode) {
  if (blankMode != kPropertiesFilled) return ProfilePropertiesFields{};
  return ProfilePropertiesFields{Text(FieldText(profile.ProFileName)),
                                 Text(FieldText(profile.GameFile))};
}

PropertiesVerdict CheckPropertiesFields(const ProfilePropertiesFields& fields) {
  if (fields.name.size() > kProfileNameCapacity) return PropertiesVerdict::kNameTooLong;
  if (fields.gameFile.size() > kGameFileCapacity) return PropertiesVerdict::kGameFileTooLong;
  return PropertiesVerdict::kAccepted;
}

PropertiesVerdict WriteConfirmedProperties(ProfileSettings& profile,
                                           const ProfilePropertiesFields& fields) {
  const PropertiesVerdict verdict = CheckPropertiesFields(fields);
  if (verdict != PropertiesVerdict::kAccepted) return verdict;
  CopyToField(profile.ProFileName, fields.name);
  CopyToField(profile.GameFile, fields.gameFile);
  return verdict;
}

Text ExeChooserInitialFile(TextView desktopFolder) {
  Text file(desktopFolder);
  file += u"\\.exe";
  return file;
}

Text FileDialogFilter(TextView barSeparated) {
  Text filter(barSeparated);
  for (char16_t& c : filter) {
    if (c == u'|') c = u'\0';
  }
  // The list ends with an empty entry: a second zero after the last one.
  if (filter.empty() || filter.back() != u'\0') filter += u'\0';
  filter += u'\0';
  return filter;
}
