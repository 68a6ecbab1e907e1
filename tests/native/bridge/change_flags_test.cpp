#include "bridge/change_flags.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

#include "settings/catalogue.h"

namespace {

std::unique_ptr<SharedSettingsBlock> DefaultBlock() {
  auto block = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*block);
  SetAllDefaults(*block);
  return block;
}

int Sum(const int32_t* flags, size_t count) {
  int sum = 0;
  for (size_t i = 0; i < count; ++i) sum += flags[i];
  return sum;
}

// Every device field, changed one at a time in slot 2, and whether readers must hear of it.
TEST(ComputeChangeFlags, EachFieldOfTheDeviceList) {
  using P = ProfileSettings;
  const struct {
    const char* field;
    std::function<void(P&)> change;
    bool device;
    bool otg;
  } rows[] = {
      {"HDDKeyboard", [](P& p) { p.HDDKeyboard = 0; }, true, false},
      {"XYSynchronous", [](P& p) { p.XYSynchronous = 0; }, true, false},
      {"Sensitivity_X", [](P& p) { p.Sensitivity_X = 3; }, true, false},
      {"Sensitivity_Y", [](P& p) { p.Sensitivity_Y = 3; }, true, false},
      {"XYCpiFlag", [](P& p) { p.XYCpiFlag = 0; }, true, false},
      {"CpiLevel_X4", [](P& p) { p.CpiLevel_X[4] = 9; }, true, false},
      {"CpiLevel_Y0", [](P& p) { p.CpiLevel_Y[0] = 9; }, true, false},
      {"CpiStep", [](P& p) { p.CpiStep = 2; }, true, false},
      {"dpiStepFlag4", [](P& p) { p.dpiStepFlag[4] = 1; }, true, false},
      {"dpiIndicator1", [](P& p) { p.dpiIndicator[1] = 3; }, true, false},
      {"PollingRate", [](P& p) { p.PollingRate = 3; }, true, false},
      {"LiftSwitch", [](P& p) { p.LiftSwitch = 1; }, true, false},
      {"LiftLevel", [](P& p) { p.LiftLevel = 1; }, true, false},
      {"LightEffectSwitch1", [](P& p) { p.LightEffectSwitch1 = 0; }, true, false},
      {"LightEffectSwitch2", [](P& p) { p.LightEffectSwitch2 = 0; }, true, false},
      {"LightEffectType1", [](P& p) { p.LightEffectType1 = 2; }, true, false},
      {"LightEffectType2", [](P& p) { p.LightEffectType2 = 2; }, true, false},
      {"ColorFlag", [](P& p) { p.ColorFlag = 0; }, true, false},
      {"ColorOptions1", [](P& p) { p.ColorOptions1 = 1; }, true, false},
      {"ColorOptions2", [](P& p) { p.ColorOptions2 = 1; }, true, false},
      {"ColorChangeMode", [](P& p) { p.ColorChangeMode = 1; }, true, false},
      {"BTOption", [](P& p) { p.BTOption = 1; }, true, false},
      {"OTGSpeed", [](P& p) { p.OTGSpeed = 11; }, false, true},
      // Fields outside the list: no flag at all.
      {"DpiIndicationType", [](P& p) { p.DpiIndicationType = 2; }, false, false},
      {"LightSwitch", [](P& p) { p.LightSwitch = 1; }, false, false},
      {"LightType", [](P& p) { p.LightType = 1; }, false, false},
      {"ColorOptions", [](P& p) { p.ColorOptions = 1; }, false, false},
      {"BtnConfiguration", [](P& p) { p.BtnConfiguration = 1; }, false, false},
      {"Color1Type", [](P& p) { p.Color1Type = 2; }, false, false},
      {"ColorChangeModeOptions1", [](P& p) { p.ColorChangeModeOptions1 = 1; }, false, false},
      {"MouseSpeed", [](P& p) { p.MouseSpeed = 3; }, false, false},
      {"button function", [](P& p) { p.MacroKeyInfo[3].functionCode = 17; }, false, false},
  };
  for (const auto& row : rows) {
    auto loaded = DefaultBlock();
    auto edited = DefaultBlock();
    row.change(edited->profiles[2]);
    ComputeChangeFlags(*loaded, *edited);
    EXPECT_EQ(edited->DeviceChanged[2], row.device ? 1 : 0) << row.field;
    EXPECT_EQ(edited->OtgSpeedChanged[2], row.otg ? 1 : 0) << row.field;
    EXPECT_EQ(Sum(edited->DeviceChanged, 5), row.device ? 1 : 0) << row.field << ": other slots";
    EXPECT_EQ(Sum(edited->OtgSpeedChanged, 5), row.otg ? 1 : 0) << row.field << ": other slots";
    EXPECT_EQ(edited->CurrentChanged, 0) << row.field;
    EXPECT_EQ(Sum(&edited->ButtonChanged[0][0], 75), 0) << row.field << ": never computed";
  }
}

TEST(ComputeChangeFlags, CurrentProfileAndASecondApply) {
  auto loaded = DefaultBlock();
  auto edited = DefaultBlock();
  edited->CurrentProfile = 3;
  edited->profiles[0].CpiStep = 4;
  edited->DeviceChanged[4] = 1;  // stale flag from an earlier computation
  ComputeChangeFlags(*loaded, *edited);
  EXPECT_EQ(edited->CurrentChanged, 1);
  EXPECT_EQ(edited->DeviceChanged[0], 1);
  EXPECT_EQ(edited->DeviceChanged[4], 0);

  // After publishing, the loaded image is the edited one: nothing differs any more.
  ClearChangeFlags(*edited);
  std::memcpy(loaded.get(), edited.get(), sizeof *loaded);
  ComputeChangeFlags(*loaded, *edited);
  EXPECT_EQ(Sum(edited->DeviceChanged, 5) + Sum(edited->OtgSpeedChanged, 5), 0);
  EXPECT_EQ(edited->CurrentChanged, 0);
}

TEST(ChangeFlags, ClearKeepsCurrentChangedAndSetAllSetsEverything) {
  auto block = DefaultBlock();
  SetAllChangeFlags(*block);
  EXPECT_EQ(Sum(&block->ButtonChanged[0][0], 75), 75);
  EXPECT_EQ(Sum(block->DeviceChanged, 5), 5);
  EXPECT_EQ(Sum(block->OtgSpeedChanged, 5), 5);
  EXPECT_EQ(block->CurrentChanged, 1);
  auto before = DefaultBlock();
  std::memcpy(before.get(), block.get(), sizeof *before);

  ClearChangeFlags(*block);
  EXPECT_EQ(Sum(&block->ButtonChanged[0][0], 75), 0);
  EXPECT_EQ(Sum(block->DeviceChanged, 5), 0);
  EXPECT_EQ(Sum(block->OtgSpeedChanged, 5), 0);
  EXPECT_EQ(block->CurrentChanged, 1);
  EXPECT_EQ(std::memcmp(block.get(), before.get(), offsetof(SharedSettingsBlock, ButtonChanged)), 0)
      << "the catalogue itself is untouched";
}

}  // namespace
