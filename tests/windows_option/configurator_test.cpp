// The configurator as a user meets it: Option.exe started from an installation folder of its own,
// driven by clicks at its controls' places from the installed skin description, checked on the
// screen and in the settings files it writes. These move the pointer and open menus, so they run
// with the desktop locked.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bridge/messages.h"
#include "bridge/shared_block.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "skin/owner_menu_layout.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/pump.h"

namespace {

namespace fs = std::filesystem;

class ConfiguratorTest : public ::testing::Test {
 protected:
  void SetUp() override { LayOutConfigurator(dir_.path()); }
  void TearDown() override { ParkPointer(); }

  TempDir dir_;
};

TEST_F(ConfiguratorTest, StartsWithoutMonitorFromTheSettingsFiles) {
  WriteCatalogue(dir_.path(), 2, 2, u"Alpha");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());

  // The slot pictures differ, so the check below can tell them apart.
  const RECT slot = MainControlRect(dir_.path(), kFirstSlotKey);
  ASSERT_LT(MatchingShare(PictureRect(dir_.path() / "skins" / "main_normal.bmp", slot),
                          PictureRect(dir_.path() / "skins" / "main_down.bmp", slot)),
            0.9);
  EXPECT_TRUE(ShowsCheckedSlot(option, 2));
  RECT window{};
  GetWindowRect(option.window(), &window);
  EXPECT_FALSE(SaveScreenPicture(window, "option_main_window").empty());

  // An apply without edits writes back what was read: the named slot, still current.
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 2);
  auto named = ReadSlot(dir_.path(), 2);
  EXPECT_EQ(FieldText(named->ProFileName), u"Alpha");
  EXPECT_EQ(named->MacroKeyInfo[5].functionCode, kNamedSlotButton5Code);
  // The apply's busy state is over: OK and apply take clicks again.
  for (int key : {kOkKey, kApplyKey}) {
    HWND button = ControlWindow(option.window(), dir_.path(), key);
    ASSERT_NE(button, option.window()) << key;
    EXPECT_TRUE(IsWindowEnabled(button)) << key;
  }
}

// Slot files but no config.ini (a first start before the monitor ever ran): the first slot is
// shown and edited, and the apply stores it as the current one.
TEST_F(ConfiguratorTest, FirstStartWithoutConfigIniEditsTheFirstSlot) {
  WriteCatalogue(dir_.path(), 0, 0, u"First");
  fs::remove(dir_.path() / "config.ini");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ParkPointer();
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));
  ASSERT_TRUE(ChooseFunction(option, 2, kMiddleClickEntry - 1));  // right click
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 0);
  EXPECT_EQ(ReadSlot(dir_.path(), 0)->MacroKeyInfo[2].functionCode, 2);
}

TEST_F(ConfiguratorTest, SecondCopyEndsAtOnceAndLeavesOneWindow) {
  WriteCatalogue(dir_.path(), 0, 0, u"Only");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  EXPECT_EQ(option.RunSecondInstance(), 0);
  EXPECT_TRUE(option.Running());
  EXPECT_EQ(CountConfiguratorWindows(), 1);
}

TEST_F(ConfiguratorTest, SlotChoiceAndFunctionMenuReachTheFilesOnApply) {
  WriteCatalogue(dir_.path(), 0, 3, u"Third");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());

  ClickControl(option.window(), dir_.path(), kFirstSlotKey + 3);
  ParkPointer();
  EXPECT_TRUE(ShowsCheckedSlot(option, 3));
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 0);  // nothing written before the apply

  ASSERT_TRUE(ChooseFunction(option, 1, kMiddleClickEntry, "option_function_menu"));
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());

  ASSERT_TRUE(PumpUntil([&] { return StoredCurrentProfile(dir_.path()) == 3; }, kWaitMs));
  EXPECT_EQ(ReadSlot(dir_.path(), 3)->MacroKeyInfo[1].functionCode, kMiddleClickCode);
  EXPECT_EQ(FieldText(ReadSlot(dir_.path(), 3)->ProFileName), u"Third");
  // The other slots keep their buttons.
  EXPECT_EQ(ReadSlot(dir_.path(), 0)->MacroKeyInfo[1].functionCode, kDefaultButtonFunctions[1]);
  EXPECT_TRUE(option.Running());
}

TEST_F(ConfiguratorTest, CloseButtonsNeverApply) {
  for (int closeKey : {kCloseKey, kCloseIconKey}) {
    SCOPED_TRACE("close key " + std::to_string(closeKey));
    WriteCatalogue(dir_.path(), 0, 0, u"Kept");
    const std::string before = ReadFileBytes(dir_.path() / "config.ini");
    OptionProcess option(dir_.path());
    ASSERT_TRUE(option.Start());
    ClickControl(option.window(), dir_.path(), kFirstSlotKey + 4);
    ASSERT_TRUE(option.WaitUntilIdle());
    // Row 1: the left-click row would be refused with a warning, and nothing would be edited.
    ASSERT_TRUE(ChooseFunction(option, 1, kMiddleClickEntry));
    ASSERT_TRUE(option.WaitUntilIdle());
    ClickControl(option.window(), dir_.path(), closeKey);
    ASSERT_TRUE(option.WaitForExit());
    EXPECT_EQ(ReadFileBytes(dir_.path() / "config.ini"), before);
    EXPECT_EQ(ReadSlot(dir_.path(), 4)->MacroKeyInfo[1].functionCode, kDefaultButtonFunctions[1]);
  }
}

TEST_F(ConfiguratorTest, OkAppliesThenCloses) {
  WriteCatalogue(dir_.path(), 0, 0, u"First");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), dir_.path(), kFirstSlotKey + 2);
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kOkKey);
  ASSERT_TRUE(option.WaitForExit());
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 2);
}

// What the monitor injects for a press and release of the first extra button.
std::vector<DWORD> PressExtraButton() {
  ParkPointer();
  PumpUntil([] { return false; }, 200);
  InjectionObserver observer;
  observer.Clear();
  SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
  SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
  observer.WaitFor(2);
  observer.Idle(200);
  std::vector<DWORD> codes;
  for (const ObservedInput& input : observer.seen()) codes.push_back(input.code);
  return codes;
}

const std::vector<DWORD> kMiddleClick{WM_MBUTTONDOWN, WM_MBUTTONUP};
constexpr int kExtraButton = 3;

// A monitor in its own installation folder with the configurator beside it; slot 0 current.
void LayOutMonitorAndConfigurator(MonitorProcess& monitor) {
  LayOutConfigurator(monitor.folder().path());
  auto first = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*first, 0);
  monitor.WriteCurrentProfile(*first);
}

// With the monitor running, an apply changes what the monitor does for the mouse's buttons, and
// the monitor's exit closes the configurator.
TEST(ConfiguratorWithMonitor, ApplyReachesTheMonitorAndItsExitClosesTheWindow) {
  MonitorProcess monitor;
  LayOutMonitorAndConfigurator(monitor);
  ASSERT_TRUE(monitor.Start());
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());

  ASSERT_TRUE(ChooseFunction(option, kExtraButton, kMiddleClickEntry));
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_NE(PressExtraButton(), kMiddleClick);  // chosen, not applied yet

  ClickControl(option.window(), option.folder(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(PressExtraButton(), kMiddleClick);

  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(option.WaitForExit());
}

// A monitor started after the configurator: its start message reloads the window from its block
// (an unapplied slot choice is dropped), and from then on applies reach it. Outside senders can
// make the window reload the block (without its change flags) or take over its device values;
// message 1258 changes nothing.
TEST(ConfiguratorWithMonitor, MonitorStartedLaterIsReloadedFromAndReachedByApply) {
  MonitorProcess monitor;
  LayOutMonitorAndConfigurator(monitor);
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), option.folder(), kFirstSlotKey + 2);
  ParkPointer();
  ASSERT_TRUE(ShowsCheckedSlot(option, 2));

  ASSERT_TRUE(monitor.Start());
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));

  ASSERT_TRUE(ChooseFunction(option, kExtraButton, kMiddleClickEntry));
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), option.folder(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(PressExtraButton(), kMiddleClick);

  SharedBlock block;
  ASSERT_TRUE(block.OpenLock());
  ASSERT_TRUE(block.OpenBlock());
  auto image = std::make_unique<SharedSettingsBlock>();
  ASSERT_TRUE(block.Read(*image));
  EXPECT_EQ(image->profiles[0].MacroKeyInfo[kExtraButton].functionCode, kMiddleClickCode);
  image->CurrentProfile = 4;
  image->ButtonChanged[4][3] = 1;  // what an earlier apply published; not a change of this one
  ASSERT_TRUE(block.Write(*image));
  DWORD_PTR answer = 1;
  ASSERT_NE(SendMessageTimeoutW(option.window(), kMsgIgnored, 0, 0, SMTO_NORMAL, kWaitMs, &answer),
            0);
  EXPECT_EQ(answer, 0u);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));
  SendMessageTimeoutW(option.window(), kMsgReloadBlock, 0, 0, SMTO_NORMAL, kWaitMs, &answer);
  EXPECT_TRUE(ShowsCheckedSlot(option, 4));

  // The device-values message takes over the current profile's device values and nothing else.
  ASSERT_TRUE(block.Read(*image));
  const int32_t cpiStep = image->profiles[4].CpiStep + 3;
  const int32_t pollingRate = image->profiles[4].PollingRate + 1;
  image->profiles[4].CpiStep = cpiStep;
  image->profiles[4].PollingRate = pollingRate;
  CopyToField(image->profiles[4].ProFileName, u"Not taken over");
  ASSERT_TRUE(block.Write(*image));
  SendMessageTimeoutW(option.window(), kMsgDeviceValuesChanged, 0, 0, SMTO_NORMAL, kWaitMs,
                      &answer);
  ClickControl(option.window(), option.folder(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_TRUE(PumpUntil([&] { return StoredCurrentProfile(option.folder()) == 4; }, kWaitMs));
  ASSERT_TRUE(block.Read(*image));
  EXPECT_EQ(image->ButtonChanged[4][3], 0) << "a reloaded flag is published again";
  auto stored = ReadSlot(option.folder(), 4);
  EXPECT_EQ(stored->CpiStep, cpiStep);
  EXPECT_EQ(stored->PollingRate, pollingRate);
  EXPECT_NE(FieldText(stored->ProFileName), u"Not taken over");

  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(option.WaitForExit());
}

}  // namespace
