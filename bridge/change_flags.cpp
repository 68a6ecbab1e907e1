#include "bridge/change_flags.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

template <typename T>
bool Differs(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) != 0;
}

}  // namespace

bool DeviceSettingsDiffer(const ProfileSettings& a, const ProfileSettings& b) {
  // DpiIndicationType, LightSwitch, LightType, ColorOptions, BtnConfiguration and the colour
  // types deliberately take no part: the device reader does not act on them.
  return Differs(a.HDDKeyboard, b.HDDKeyboard) || Differs(a.XYSynchronous, b.XYSynchronous) ||
         Differs(a.Sensitivity_X, b.Sensitivity_X) || Differs(a.Sensitivity_Y, b.Sensitivity_Y) ||
         Differs(a.XYCpiFlag, b.XYCpiFlag) || Differs(a.CpiLevel_X, b.CpiLevel_X) ||
         Differs(a.CpiLevel_Y, b.CpiLevel_Y) || Differs(a.CpiStep, b.CpiStep) ||
         Differs(a.dpiStepFlag, b.dpiStepFlag) || Differs(a.dpiIndicator, b.dpiIndicator) ||
         Differs(a.PollingRate, b.PollingRate) || Differs(a.LiftSwitch, b.LiftSwitch) ||
         Differs(a.LiftLevel, b.LiftLevel) || Differs(a.LightEffectSwitch1, b.LightEffectSwitch1) ||
         Differs(a.LightEffectSwitch2, b.LightEffectSwitch2) ||
         Differs(a.LightEffectType1, b.LightEffectType1) ||
         Differs(a.LightEffectType2, b.LightEffectType2) || Differs(a.ColorFlag, b.ColorFlag) ||
         Differs(a.ColorOptions1, b.ColorOptions1) || Differs(a.ColorOptions2, b.ColorOptions2) ||
         Differs(a.ColorChangeMode, b.ColorChangeMode) || Differs(a.BTOption, b.BTOption);
}

void ComputeChangeFlags(const SharedSettingsBlock& loaded, SharedSettingsBlock& edited) {
  for (int p = 0; p < kProfileCount; ++p) {
    edited.DeviceChanged[p] = DeviceSettingsDiffer(loaded.profiles[p], edited.profiles[p]) ? 1 : 0;
    edited.OtgSpeedChanged[p] = loaded.profiles[p].OTGSpeed != edited.profiles[p].OTGSpeed ? 1 : 0;
  }
  edited.CurrentChanged = loaded.CurrentProfile != edited.CurrentProfile ? 1 : 0;
}

void ClearChangeFlags(SharedSettingsBlock& block) {
  std::memset(block.ButtonChanged, 0, sizeof block.ButtonChanged);
  std::memset(block.DeviceChanged, 0, sizeof block.DeviceChanged);
  std::memset(block.OtgSpeedChanged, 0, sizeof block.OtgSpeedChanged);
}

void SetAllChangeFlags(SharedSettingsBlock& block) {
  for (auto& profile : block.ButtonChanged) std::fill(std::begin(profile), std::end(profile), 1);
  std::fill(std::begin(block.DeviceChanged), std::end(block.DeviceChanged), 1);
  std::fill(std::begin(block.OtgSpeedChanged), std::end(block.OtgSpeedChanged), 1);
  block.CurrentChanged = 1;
}
