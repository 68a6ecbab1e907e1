#include "settings/profile_defaults.h"

#include <cstring>
#include <string>

#include "base/text.h"

void SetButtonDefault(ButtonAssignment& assignment, int buttonIndex) {
  std::memset(&assignment, 0, sizeof assignment);
  if (buttonIndex < 0 || buttonIndex >= kButtonCount) return;
  assignment.buttonIndex = static_cast<uint8_t>(buttonIndex);
  assignment.functionCode = kDefaultButtonFunctions[buttonIndex];
}

void SetProfileDefaults(ProfileSettings& p, int index) {
  CopyToField(p.ProFileName, AsciiText("Default" + std::to_string(index + 1)));
  CopyToField(p.GameFile, u"");

  p.DbleClickSpeed = 500;
  p.ScrollWheelSpeed = 3;
  p.ScrollWheelFlag = 0;
  p.MouseSpeed = 10;
  p.Acceleration = 10;
  p.AccelerationFlag = 0;
  p.TiltSpeed = 3;
  p.MediaOption = 0;
  p.HDDKeyboard = 1;
  p.Orientation = 0;
  p.XYSynchronous = 1;
  p.Sensitivity_X = 10;
  p.Sensitivity_Y = 10;
  p.XYCpiFlag = 1;

  constexpr int32_t kCpiLevels[kCpiStageCount] = {2, 3, 4, 5, 8};
  constexpr uint8_t kStepFlags[kCpiStageCount] = {1, 1, 1, 1, 0};
  constexpr uint8_t kIndicators[kCpiStageCount] = {19, 20, 21, 16, 16};
  for (int s = 0; s < kCpiStageCount; ++s) {
    p.CpiLevel_X[s] = kCpiLevels[s];
    p.CpiLevel_Y[s] = kCpiLevels[s];
    p.dpiStepFlag[s] = kStepFlags[s];
    p.dpiIndicator[s] = kIndicators[s];
  }
  p.CpiStep = 1;
  p.DpiIndicationType = 1;

  p.PollingRate = 2;
  p.ColorFlag = 1;
  p.OTGSpeed = 10;
  p.BtnConfiguration = 4;
  p.Color1Type = 1;
  p.Color2Type = 1;
  p.LightEffectSwitch1 = 1;
  p.LightEffectSwitch2 = 1;
  p.LightEffectType1 = 1;
  p.LightEffectType2 = 1;
  p.ColorOptions1 = 0;
  p.ColorOptions2 = 0;
  p.ColorChangeModeOptions1 = 0;
  p.ColorChangeModeOptions2 = 0;
  p.FireOrOnToGoStatusIndicatorSetting = 1;
  p.ProfileSwitchIndictor = 1;

  for (int b = 0; b < kButtonCount; ++b) SetButtonDefault(p.MacroKeyInfo[b], b);
}
