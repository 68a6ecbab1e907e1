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

#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "skin/owner_menu_layout.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_monitor/injection_observer.h"
#include "tests/windows_monitor/monitor_process.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/pump.h"

namespace {

namespace fs = std::filesystem;

// Keys of the main window's skin description.
constexpr int kFirstSlotKey = 5;
constexpr int kCloseIconKey = 11;
constexpr int kOkKey = 12;
constexpr int kCloseKey = 13;
constexpr int kApplyKey = 14;
constexpr int kFirstRowKey = 20;
constexpr int kFunctionMenuKey = 52;

// Root menu entry 3 is the middle click (command 1003, function code 3).
constexpr int kMiddleClickEntry = 3;
constexpr uint8_t kMiddleClickCode = 3;

constexpr DWORD kWaitMs = 10000;

// The named slot's sixth button scrolls down instead of its default.
constexpr uint8_t kNamedSlotButton5Code = 10;

Text Folder(const fs::path& path) {
  Text folder = path.u16string();
  if (folder.empty() || folder.back() != u'\\') folder += u'\\';
  return folder;
}

// The five slot files and config.ini; `current` is stored as the current slot.
void WriteCatalogue(const fs::path& folder, int current, int namedSlot, const char16_t* name) {
  Win32PrivateProfile ini;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    auto profile = std::make_unique<ProfileSettings>();
    SetProfileDefaults(*profile, slot);
    if (slot == namedSlot) {
      CopyToField(profile->ProFileName, name);
      profile->MacroKeyInfo[5].functionCode = kNamedSlotButton5Code;
    }
    SaveProfile(*profile, SlotFilePath(Folder(folder), slot), ini);
  }
  IniFile(ConfigIniPath(Folder(folder)), ini).WriteInt(u"Setting", u"CurrentProfile", current);
}

std::unique_ptr<ProfileSettings> ReadSlot(const fs::path& folder, int slot) {
  Win32PrivateProfile ini;
  auto profile = std::make_unique<ProfileSettings>();
  LoadProfile(*profile, SlotFilePath(Folder(folder), slot), ini);
  return profile;
}

int32_t StoredCurrentProfile(const fs::path& folder) {
  Win32PrivateProfile ini;
  return IniFile(ConfigIniPath(Folder(folder)), ini).ReadInt(u"Setting", u"CurrentProfile", -1);
}

// How much of a control's place on screen shows the given picture of the skin.
double ShowsPicture(const OptionProcess& option, int key, const char* picture) {
  const RECT rect = MainControlRect(option.folder(), key);
  return MatchingShare(CaptureScreen(OnScreen(option.window(), rect)),
                       PictureRect(option.folder() / "skins" / picture, rect));
}

// Waits until the slot buttons show `slot` checked and the others not.
bool ShowsCheckedSlot(const OptionProcess& option, int slot) {
  return PumpUntil(
      [&] {
        for (int other = 0; other < kProfileCount; ++other) {
          const char* picture = other == slot ? "main_down.bmp" : "main_normal.bmp";
          if (ShowsPicture(option, kFirstSlotKey + other, picture) < 0.98) return false;
        }
        return true;
      },
      kWaitMs);
}

HWND OpenMenuWindow() {
  HWND menu = FindWindowW(MAKEINTATOM(0x8000), nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Opens the function menu for row `button`, saves a picture of it when `screenshot` is given,
// and clicks root entry `entry`. False when the menu did not open or close.
bool ChooseFunction(const OptionProcess& option, int button, int entry,
                    const char* screenshot = nullptr) {
  ClickControl(option.window(), option.folder(), kFirstRowKey + button);
  option.Settle();
  ClickControl(option.window(), option.folder(), kFunctionMenuKey);
  if (!PumpUntil([] { return OpenMenuWindow() != nullptr; }, kWaitMs)) return false;
  option.Settle();
  HWND menu = OpenMenuWindow();
  if (screenshot != nullptr) {
    RECT window{}, popup{};
    GetWindowRect(option.window(), &window);
    GetWindowRect(menu, &popup);
    RECT both{};
    UnionRect(&both, &window, &popup);
    SaveScreenPicture(both, screenshot);
  }
  // Every root entry is one text line high; the menu's own top margin (a few pixels in some
  // systems) stays inside the entry because the click aims below its middle.
  POINT origin{0, 0};
  ClientToScreen(menu, &origin);
  const int line = MenuItemHeight(1001);
  RECT popup{};
  GetWindowRect(menu, &popup);
  ClickAt(POINT{(popup.left + popup.right) / 2, origin.y + entry * line + line / 2 + 2});
  return PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs);
}

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
  option.Settle();

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
  option.Settle();
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 2);
  auto named = ReadSlot(dir_.path(), 2);
  EXPECT_EQ(FieldText(named->ProFileName), u"Alpha");
  EXPECT_EQ(named->MacroKeyInfo[5].functionCode, kNamedSlotButton5Code);
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
  option.Settle();
  ClickControl(option.window(), dir_.path(), kApplyKey);
  option.Settle();

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
    option.Settle();
    ASSERT_TRUE(ChooseFunction(option, 0, kMiddleClickEntry));
    option.Settle();
    ClickControl(option.window(), dir_.path(), closeKey);
    ASSERT_TRUE(option.WaitForExit());
    EXPECT_EQ(ReadFileBytes(dir_.path() / "config.ini"), before);
    EXPECT_EQ(ReadSlot(dir_.path(), 4)->MacroKeyInfo[0].functionCode, kDefaultButtonFunctions[0]);
  }
}

TEST_F(ConfiguratorTest, OkAppliesThenCloses) {
  WriteCatalogue(dir_.path(), 0, 0, u"First");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), dir_.path(), kFirstSlotKey + 2);
  option.Settle();
  ClickControl(option.window(), dir_.path(), kOkKey);
  ASSERT_TRUE(option.WaitForExit());
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 2);
}

// With the monitor running, an apply changes what the monitor does for the mouse's buttons, and
// the monitor's exit closes the configurator.
TEST(ConfiguratorWithMonitor, ApplyReachesTheMonitorAndItsExitClosesTheWindow) {
  MonitorProcess monitor;
  LayOutConfigurator(monitor.folder().path());
  auto first = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*first, 0);
  monitor.WriteCurrentProfile(*first);
  ASSERT_TRUE(monitor.Start());
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());

  // What the monitor injects for a press and release of the first extra button.
  const auto pressExtraButton = [] {
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
  };
  const std::vector<DWORD> middleClick{WM_MBUTTONDOWN, WM_MBUTTONUP};

  constexpr int kExtraButton = 3;
  ASSERT_TRUE(ChooseFunction(option, kExtraButton, kMiddleClickEntry));
  option.Settle();
  EXPECT_NE(pressExtraButton(), middleClick);  // chosen, not applied yet

  ClickControl(option.window(), option.folder(), kApplyKey);
  option.Settle();
  EXPECT_EQ(pressExtraButton(), middleClick);

  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(option.WaitForExit());
}

}  // namespace
