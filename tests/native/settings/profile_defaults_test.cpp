#include "settings/profile_defaults.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/text.h"

namespace {

ProfileSettings Filled(unsigned char byte) {
  ProfileSettings p;
  std::memset(&p, byte, sizeof p);
  return p;
}

TEST(ProfileDefaults, NameFollowsSlotNumberFromOne) {
  const struct {
    int slot;
    const char16_t* name;
  } rows[] = {{0, u"Default1"}, {1, u"Default2"}, {4, u"Default5"}};
  for (const auto& row : rows) {
    ProfileSettings p = Filled(0xAB);
    SetProfileDefaults(p, row.slot);
    EXPECT_EQ(FieldText(p.ProFileName), TextView(row.name)) << "slot " << row.slot;
    EXPECT_EQ(FieldText(p.GameFile), u"") << "slot " << row.slot;
  }
}

TEST(ProfileDefaults, PlainFields) {
  ProfileSettings p = Filled(0xAB);
  SetProfileDefaults(p, 2);
  const struct {
    const char* name;
    int32_t actual;
    int32_t expected;
  } rows[] = {
      {"DbleClickSpeed", p.DbleClickSpeed, 500},
      {"ScrollWheelSpeed", p.ScrollWheelSpeed, 3},
      {"ScrollWheelFlag", p.ScrollWheelFlag, 0},
      {"MouseSpeed", p.MouseSpeed, 10},
      {"Acceleration", p.Acceleration, 10},
      {"AccelerationFlag", p.AccelerationFlag, 0},
      {"TiltSpeed", p.TiltSpeed, 3},
      {"MediaOption", p.MediaOption, 0},
      {"HDDKeyboard", p.HDDKeyboard, 1},
      {"Orientation", p.Orientation, 0},
      {"XYSynchronous", p.XYSynchronous, 1},
      {"Sensitivity_X", p.Sensitivity_X, 10},
      {"Sensitivity_Y", p.Sensitivity_Y, 10},
      {"XYCpiFlag", p.XYCpiFlag, 1},
      {"CpiLevel_X0", p.CpiLevel_X[0], 2},
      {"CpiLevel_X4", p.CpiLevel_X[4], 8},
      {"CpiLevel_Y1", p.CpiLevel_Y[1], 3},
      {"CpiLevel_Y3", p.CpiLevel_Y[3], 5},
      {"CpiStep", p.CpiStep, 1},
      {"dpiStepFlag3", p.dpiStepFlag[3], 1},
      {"dpiStepFlag4", p.dpiStepFlag[4], 0},
      {"dpiIndicator0", p.dpiIndicator[0], 19},
      {"dpiIndicator2", p.dpiIndicator[2], 21},
      {"dpiIndicator4", p.dpiIndicator[4], 16},
      {"DpiIndicationType", p.DpiIndicationType, 1},
      {"PollingRate", p.PollingRate, 2},
      {"ColorFlag", p.ColorFlag, 1},
      {"OTGSpeed", p.OTGSpeed, 10},
      {"BtnConfiguration", p.BtnConfiguration, 4},
      {"Color1Type", p.Color1Type, 1},
      {"Color2Type", p.Color2Type, 1},
      {"LightEffectSwitch1", p.LightEffectSwitch1, 1},
      {"LightEffectType2", p.LightEffectType2, 1},
      {"ColorOptions1", p.ColorOptions1, 0},
      {"ColorChangeModeOptions2", p.ColorChangeModeOptions2, 0},
      {"FireOrOnToGoStatusIndicatorSetting", p.FireOrOnToGoStatusIndicatorSetting, 1},
      {"ProfileSwitchIndictor", p.ProfileSwitchIndictor, 1},
  };
  for (const auto& row : rows) EXPECT_EQ(row.actual, row.expected) << row.name;
}

// Restoring defaults keeps what the user set on the device side and never wrote through a page.
TEST(ProfileDefaults, KeepsSevenDeviceFieldsAndPadding) {
  ProfileSettings p = Filled(0);
  p.LiftSwitch = 1;
  p.LiftLevel = 2;
  p.LightSwitch = 1;
  p.LightType = 4;
  p.ColorOptions = 5;
  p.ColorChangeMode = 6;
  p.BTOption = 7;
  p.pad1611 = 0x5A;
  SetProfileDefaults(p, 0);
  EXPECT_EQ(p.LiftSwitch, 1);
  EXPECT_EQ(p.LiftLevel, 2);
  EXPECT_EQ(p.LightSwitch, 1);
  EXPECT_EQ(p.LightType, 4);
  EXPECT_EQ(p.ColorOptions, 5);
  EXPECT_EQ(p.ColorChangeMode, 6);
  EXPECT_EQ(p.BTOption, 7);
  EXPECT_EQ(p.pad1611, 0x5A);
}

TEST(ProfileDefaults, ButtonsAreZeroedWithIndexAndDefaultFunction) {
  const uint8_t expected[kButtonCount] = {1, 2, 3, 8, 7, 13, 0, 0, 21, 0, 0, 0, 0, 9, 10};
  ProfileSettings p = Filled(0xCD);
  SetProfileDefaults(p, 1);
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonAssignment& a = p.MacroKeyInfo[b];
    EXPECT_EQ(a.buttonIndex, b);
    EXPECT_EQ(a.functionCode, expected[b]) << "button " << b;
    ButtonAssignment zero;
    std::memset(&zero, 0, sizeof zero);
    zero.buttonIndex = a.buttonIndex;
    zero.functionCode = a.functionCode;
    EXPECT_EQ(std::memcmp(&a, &zero, sizeof a), 0) << "button " << b << " has stray bytes";
  }
}

TEST(ProfileDefaults, ButtonDefaultOutsideTheFifteenIsAllZero) {
  ButtonAssignment a;
  std::memset(&a, 0xEE, sizeof a);
  SetButtonDefault(a, 15);
  EXPECT_EQ(a.buttonIndex, 0);
  EXPECT_EQ(a.functionCode, 0);
}

}  // namespace
