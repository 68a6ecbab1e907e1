#include "settings/profile_file.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "settings/ini_file.h"
#include "settings/profile_defaults.h"

namespace {

void AddStages(std::vector<ProfileNumberKey>& keys, const char* name, size_t offset, size_t stride,
               bool isByte) {
  for (int s = 0; s < kCpiStageCount; ++s) {
    keys.push_back({AsciiText(name + std::to_string(s)), offset + stride * s, isByte});
  }
}

std::vector<ProfileNumberKey> BuildNumberKeys() {
  using P = ProfileSettings;
  std::vector<ProfileNumberKey> keys;
  auto add = [&keys](const char* name, size_t offset, bool isByte) {
    keys.push_back({AsciiText(name), offset, isByte});
  };
  add("DbleClickSpeed", offsetof(P, DbleClickSpeed), false);
  add("ScrollWheelSpeed", offsetof(P, ScrollWheelSpeed), false);
  add("ScrollWheelFlag", offsetof(P, ScrollWheelFlag), false);
  add("MouseSpeed", offsetof(P, MouseSpeed), false);
  add("Acceleration", offsetof(P, Acceleration), false);
  add("AccelerationFlag", offsetof(P, AccelerationFlag), false);
  add("TiltSpeed", offsetof(P, TiltSpeed), false);
  add("MediaOption", offsetof(P, MediaOption), false);
  add("HDDKeyboard", offsetof(P, HDDKeyboard), false);
  add("Orientation", offsetof(P, Orientation), false);
  add("XYSynchronous", offsetof(P, XYSynchronous), false);
  add("Sensitivity_X", offsetof(P, Sensitivity_X), false);
  add("Sensitivity_Y", offsetof(P, Sensitivity_Y), false);
  add("XYCpiFlag", offsetof(P, XYCpiFlag), false);
  AddStages(keys, "CpiLevel_X", offsetof(P, CpiLevel_X), sizeof(int32_t), false);
  AddStages(keys, "CpiLevel_Y", offsetof(P, CpiLevel_Y), sizeof(int32_t), false);
  add("CpiStep", offsetof(P, CpiStep), false);
  AddStages(keys, "dpiStepFlag", offsetof(P, dpiStepFlag), 1, true);
  AddStages(keys, "dpiIndicator", offsetof(P, dpiIndicator), 1, true);
  add("DpiIndicationType", offsetof(P, DpiIndicationType), true);
  add("PollingRate", offsetof(P, PollingRate), false);
  add("LiftSwitch", offsetof(P, LiftSwitch), false);
  add("LiftLevel", offsetof(P, LiftLevel), false);
  add("LightSwitch", offsetof(P, LightSwitch), false);
  add("LightType", offsetof(P, LightType), false);
  add("ColorFlag", offsetof(P, ColorFlag), false);
  add("ColorOptions", offsetof(P, ColorOptions), false);
  add("ColorChangeMode", offsetof(P, ColorChangeMode), false);
  add("BTOption", offsetof(P, BTOption), false);
  add("OTGSpeed", offsetof(P, OTGSpeed), false);
  add("BtnConfiguration", offsetof(P, BtnConfiguration), true);
  add("Color1Type", offsetof(P, Color1Type), true);
  add("Color2Type", offsetof(P, Color2Type), true);
  add("LightEffectSwitch1", offsetof(P, LightEffectSwitch1), true);
  add("LightEffectSwitch2", offsetof(P, LightEffectSwitch2), true);
  add("LightEffectType1", offsetof(P, LightEffectType1), true);
  add("LightEffectType2", offsetof(P, LightEffectType2), true);
  add("ColorOptions1", offsetof(P, ColorOptions1), true);
  add("ColorOptions2", offsetof(P, ColorOptions2), true);
  add("ColorChangeModeOptions1", offsetof(P, ColorChangeModeOptions1), true);
  add("ColorChangeModeOptions2", offsetof(P, ColorChangeModeOptions2), true);
  add("FireOrOnToGoStatusIndicatorSetting", offsetof(P, FireOrOnToGoStatusIndicatorSetting), true);
  add("ProfileSwitchIndictor", offsetof(P, ProfileSwitchIndictor), true);
  return keys;
}

int32_t GetNumber(const ProfileSettings& profile, const ProfileNumberKey& k) {
  const auto* base = reinterpret_cast<const unsigned char*>(&profile) + k.offset;
  if (k.isByte) return *base;
  int32_t value;
  std::memcpy(&value, base, sizeof value);
  return value;
}

void SetNumber(ProfileSettings& profile, const ProfileNumberKey& k, int32_t value) {
  auto* base = reinterpret_cast<unsigned char*>(&profile) + k.offset;
  if (k.isByte) {
    *base = static_cast<unsigned char>(value & 0xFF);
  } else {
    std::memcpy(base, &value, sizeof value);
  }
}

}  // namespace

const std::vector<ProfileNumberKey>& ProfileNumberKeys() {
  static const std::vector<ProfileNumberKey> keys = BuildNumberKeys();
  return keys;
}

Text ButtonKey(int buttonIndex) {
  return AsciiText("MacroKeyInfo" + std::to_string(buttonIndex));
}

void BoundButtonAssignment(ButtonAssignment& a) {
  a.macroName[std::size(a.macroName) - 1] = 0;
  a.programPath[std::size(a.programPath) - 1] = 0;
  if (a.eventCount > kMaxMacroEvents) a.eventCount = kMaxMacroEvents;
}

void WriteProfile(const ProfileSettings& profile, SettingsFileEdit& edit) {
  const Text section = kProfileSection;
  edit.WriteString(section, u"ProFileName", Text(FieldText(profile.ProFileName)));
  edit.WriteString(section, u"GameFile", Text(FieldText(profile.GameFile)));
  for (const ProfileNumberKey& k : ProfileNumberKeys()) {
    edit.WriteInt(section, k.key, GetNumber(profile, k));
  }
  for (int b = 0; b < kButtonCount; ++b) {
    edit.WriteStruct(section, ButtonKey(b), &profile.MacroKeyInfo[b], sizeof(ButtonAssignment));
  }
}

bool SaveProfile(const ProfileSettings& profile, const Text& path, FileStore& files,
                 WrittenFileLook look) {
  SettingsFileEdit edit(path, files, look);
  WriteProfile(profile, edit);
  return edit.Commit();
}

void LoadProfile(ProfileSettings& profile, const Text& path, PrivateProfile& ini) {
  IniFile file(path, ini);
  const Text section = kProfileSection;
  CopyToField(profile.ProFileName, file.ReadString(section, u"ProFileName", u""));
  CopyToField(profile.GameFile, file.ReadString(section, u"GameFile", u""));
  for (const ProfileNumberKey& k : ProfileNumberKeys()) {
    SetNumber(profile, k, file.ReadInt(section, k.key, -1));
  }
  for (int b = 0; b < kButtonCount; ++b) {
    ButtonAssignment read;
    if (file.ReadStruct(section, ButtonKey(b), &read, sizeof read)) {
      BoundButtonAssignment(read);
      profile.MacroKeyInfo[b] = read;
    } else {
      SetButtonDefault(profile.MacroKeyInfo[b], b);
    }
  }
}
