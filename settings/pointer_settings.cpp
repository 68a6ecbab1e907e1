#include "settings/pointer_settings.h"

#include <array>

int AccelerationRowToWrite(const ProfileSettings& profile) {
  if (profile.AccelerationFlag == 0 || profile.Acceleration < 0) return 0;
  return profile.Acceleration > kAccelerationRowCount - 1 ? kAccelerationRowCount - 1
                                                          : profile.Acceleration;
}

int AccelerationRowMatching(int32_t speed, int32_t threshold1, int32_t threshold2) {
  int match = -1;
  for (int row = 0; row < kAccelerationRowCount; ++row) {
    const AccelerationRow& r = kAccelerationTable[row];
    if (r.speed == speed && threshold1 <= r.threshold1 && threshold2 <= r.threshold2) match = row;
  }
  return match;
}

int32_t ReadRegistryNumber(RegistryKey& key, const Text& name) {
  // A fresh, zeroed buffer for every value, with room for a terminator that the stored text may
  // lack, so that nothing of an earlier value is ever read again.
  std::array<char16_t, kRegistryNumberBytes / 2 + 1> buffer{};
  if (!key.QueryText(name, buffer.data(), kRegistryNumberBytes)) return 0;
  buffer.back() = 0;
  return ParseLeadingInt(FieldText(buffer.data(), buffer.size()));
}

int WritePointerSettings(const ProfileSettings& profile, Registry& registry) {
  int result = 1;
  if (auto mouse =
          registry.OpenOrCreate(RegistryRoot::CurrentUser, kMouseKey, kRegistryAllAccess)) {
    mouse->SetText(u"DoubleClickSpeed", FormatInt(profile.DbleClickSpeed));
    mouse->SetText(u"SwapMouseButtons", FormatInt(profile.Orientation));
    mouse->SetText(u"MouseSensitivity", FormatInt(profile.MouseSpeed));
    const AccelerationRow& row = kAccelerationTable[AccelerationRowToWrite(profile)];
    mouse->SetText(u"MouseSpeed", FormatInt(row.speed));
    mouse->SetText(u"MouseThreshold1", FormatInt(row.threshold1));
    mouse->SetText(u"MouseThreshold2", FormatInt(row.threshold2));
  } else {
    result = -1;
  }
  if (auto desktop =
          registry.OpenOrCreate(RegistryRoot::CurrentUser, kDesktopKey, kRegistryAllAccess)) {
    desktop->SetText(u"WheelScrollLines", profile.ScrollWheelFlag == 1
                                              ? Text(u"-1")
                                              : FormatInt(profile.ScrollWheelSpeed));
  } else {
    result = -1;
  }
  return result;
}

int ReadPointerSettings(ProfileSettings& profile, Registry& registry) {
  {
    auto mouse = registry.OpenOrCreate(RegistryRoot::CurrentUser, kMouseKey, kRegistryAllAccess);
    if (!mouse) return 0;
    profile.DbleClickSpeed = ReadRegistryNumber(*mouse, u"DoubleClickSpeed");
    profile.MouseSpeed = ReadRegistryNumber(*mouse, u"MouseSensitivity");
    int row = AccelerationRowMatching(ReadRegistryNumber(*mouse, u"MouseSpeed"),
                                      ReadRegistryNumber(*mouse, u"MouseThreshold1"),
                                      ReadRegistryNumber(*mouse, u"MouseThreshold2"));
    if (row >= 0) profile.Acceleration = row;
    // Every row but 0 accelerates, so the flag is on for each of them: a flag off for rows 1 to 3
    // would have the next save write row 0 and turn the user's acceleration off.
    profile.AccelerationFlag = profile.Acceleration > 0 ? 1 : 0;
  }
  auto desktop = registry.OpenOrCreate(RegistryRoot::CurrentUser, kDesktopKey, kRegistryAllAccess);
  if (!desktop) return -1;
  int32_t lines = ReadRegistryNumber(*desktop, u"WheelScrollLines");
  if (lines == -1) {
    profile.ScrollWheelSpeed = 0;
    profile.ScrollWheelFlag = 1;
  } else {
    profile.ScrollWheelSpeed = lines;
    profile.ScrollWheelFlag = 0;
  }
  return 1;
}
