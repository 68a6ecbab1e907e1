#pragma once
// The profile record and its parts. These layouts are binary contracts: the same bytes are the
// profile files' struct values and the unit of the shared block that other programs read, so every
// size and offset is pinned below. Fields are named by their keys in the profile file.

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "records are little-endian");
static_assert(sizeof(char16_t) == 2);

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonCount = 15;
inline constexpr int kMaxMacroEvents = 40;
inline constexpr int kCpiStageCount = 5;

// One key or mouse-button step of a macro; for key functions the first entry of a button holds
// the key combination.
struct MacroEvent {
  uint8_t code;    // USB HID keyboard usage, or 240 to 244 for the mouse buttons
  uint8_t action;  // 1 press, 2 release
  uint16_t delay;  // milliseconds until the next event
};
static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, code) == 0);
static_assert(offsetof(MacroEvent, action) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

inline constexpr uint8_t kMacroPress = 1;
inline constexpr uint8_t kMacroRelease = 2;

// The function of one button position.
struct ButtonAssignment {
  uint8_t buttonIndex;   // 0 to 14, equal to the entry's position
  uint8_t functionCode;  // 16 macro, 17 program, 86 file; the others are key and mouse functions
  char16_t macroName[50];
  uint8_t pad102[2];
  int32_t repeatCount;  // 0 or less plays once
  uint16_t eventCount;  // used entries of events, 0 to 40 (a stored value may exceed it)
  MacroEvent events[kMaxMacroEvents];
  char16_t programPath[260];
  uint8_t pad790[2];
};
static_assert(sizeof(ButtonAssignment) == 792);
static_assert(offsetof(ButtonAssignment, buttonIndex) == 0);
static_assert(offsetof(ButtonAssignment, functionCode) == 1);
static_assert(offsetof(ButtonAssignment, macroName) == 2);
static_assert(offsetof(ButtonAssignment, repeatCount) == 104);
static_assert(offsetof(ButtonAssignment, eventCount) == 108);
static_assert(offsetof(ButtonAssignment, events) == 110);
static_assert(offsetof(ButtonAssignment, programPath) == 270);

// Number of events that may be read from an assignment: a stored count above 40 never reaches
// beyond the array.
inline int UsedEventCount(const ButtonAssignment& a) {
  return a.eventCount > kMaxMacroEvents ? kMaxMacroEvents : a.eventCount;
}

// One complete profile, 13548 bytes.
struct ProfileSettings {
  char16_t ProFileName[250];
  char16_t GameFile[500];
  int32_t DbleClickSpeed;
  int32_t ScrollWheelSpeed;
  int32_t ScrollWheelFlag;
  int32_t MouseSpeed;
  int32_t Acceleration;
  int32_t AccelerationFlag;
  int32_t TiltSpeed;
  int32_t MediaOption;
  int32_t HDDKeyboard;
  int32_t Orientation;
  int32_t XYSynchronous;
  int32_t Sensitivity_X;
  int32_t Sensitivity_Y;
  int32_t XYCpiFlag;
  int32_t CpiLevel_X[kCpiStageCount];
  int32_t CpiLevel_Y[kCpiStageCount];
  int32_t CpiStep;
  uint8_t dpiStepFlag[kCpiStageCount];
  uint8_t dpiIndicator[kCpiStageCount];
  uint8_t DpiIndicationType;
  uint8_t pad1611;
  int32_t PollingRate;
  int32_t LiftSwitch;
  int32_t LiftLevel;
  int32_t LightSwitch;
  int32_t LightType;
  int32_t ColorFlag;
  int32_t ColorOptions;
  int32_t ColorChangeMode;
  int32_t BTOption;
  int32_t OTGSpeed;
  uint8_t BtnConfiguration;
  uint8_t Color1Type;
  uint8_t Color2Type;
  uint8_t LightEffectSwitch1;
  uint8_t LightEffectSwitch2;
  uint8_t LightEffectType1;
  uint8_t LightEffectType2;
  uint8_t ColorOptions1;
  uint8_t ColorOptions2;
  uint8_t ColorChangeModeOptions1;
  uint8_t ColorChangeModeOptions2;
  uint8_t FireOrOnToGoStatusIndicatorSetting;
  uint8_t ProfileSwitchIndictor;
  uint8_t pad1665[3];
  ButtonAssignment MacroKeyInfo[kButtonCount];
};
static_assert(sizeof(ProfileSettings) == 13548);
static_assert(offsetof(ProfileSettings, ProFileName) == 0);
static_assert(offsetof(ProfileSettings, GameFile) == 500);
static_assert(offsetof(ProfileSettings, DbleClickSpeed) == 1500);
static_assert(offsetof(ProfileSettings, ScrollWheelSpeed) == 1504);
static_assert(offsetof(ProfileSettings, ScrollWheelFlag) == 1508);
static_assert(offsetof(ProfileSettings, MouseSpeed) == 1512);
static_assert(offsetof(ProfileSettings, Acceleration) == 1516);
static_assert(offsetof(ProfileSettings, AccelerationFlag) == 1520);
static_assert(offsetof(ProfileSettings, TiltSpeed) == 1524);
static_assert(offsetof(ProfileSettings, MediaOption) == 1528);
static_assert(offsetof(ProfileSettings, HDDKeyboard) == 1532);
static_assert(offsetof(ProfileSettings, Orientation) == 1536);
static_assert(offsetof(ProfileSettings, XYSynchronous) == 1540);
static_assert(offsetof(ProfileSettings, Sensitivity_X) == 1544);
static_assert(offsetof(ProfileSettings, Sensitivity_Y) == 1548);
static_assert(offsetof(ProfileSettings, XYCpiFlag) == 1552);
static_assert(offsetof(ProfileSettings, CpiLevel_X) == 1556);
static_assert(offsetof(ProfileSettings, CpiLevel_Y) == 1576);
static_assert(offsetof(ProfileSettings, CpiStep) == 1596);
static_assert(offsetof(ProfileSettings, dpiStepFlag) == 1600);
static_assert(offsetof(ProfileSettings, dpiIndicator) == 1605);
static_assert(offsetof(ProfileSettings, DpiIndicationType) == 1610);
static_assert(offsetof(ProfileSettings, PollingRate) == 1612);
static_assert(offsetof(ProfileSettings, LiftSwitch) == 1616);
static_assert(offsetof(ProfileSettings, LiftLevel) == 1620);
static_assert(offsetof(ProfileSettings, LightSwitch) == 1624);
static_assert(offsetof(ProfileSettings, LightType) == 1628);
static_assert(offsetof(ProfileSettings, ColorFlag) == 1632);
static_assert(offsetof(ProfileSettings, ColorOptions) == 1636);
static_assert(offsetof(ProfileSettings, ColorChangeMode) == 1640);
static_assert(offsetof(ProfileSettings, BTOption) == 1644);
static_assert(offsetof(ProfileSettings, OTGSpeed) == 1648);
static_assert(offsetof(ProfileSettings, BtnConfiguration) == 1652);
static_assert(offsetof(ProfileSettings, Color1Type) == 1653);
static_assert(offsetof(ProfileSettings, Color2Type) == 1654);
static_assert(offsetof(ProfileSettings, LightEffectSwitch1) == 1655);
static_assert(offsetof(ProfileSettings, LightEffectSwitch2) == 1656);
static_assert(offsetof(ProfileSettings, LightEffectType1) == 1657);
static_assert(offsetof(ProfileSettings, LightEffectType2) == 1658);
static_assert(offsetof(ProfileSettings, ColorOptions1) == 1659);
static_assert(offsetof(ProfileSettings, ColorOptions2) == 1660);
static_assert(offsetof(ProfileSettings, ColorChangeModeOptions1) == 1661);
static_assert(offsetof(ProfileSettings, ColorChangeModeOptions2) == 1662);
static_assert(offsetof(ProfileSettings, FireOrOnToGoStatusIndicatorSetting) == 1663);
static_assert(offsetof(ProfileSettings, ProfileSwitchIndictor) == 1664);
static_assert(offsetof(ProfileSettings, MacroKeyInfo) == 1668);
