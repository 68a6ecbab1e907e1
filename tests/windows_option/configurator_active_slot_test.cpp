// The configurator beside a real monitor marks the slot that the program in front chose, and only
// while it does: the checked slot stays the user's choice.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "settings/catalogue.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/followed_program.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/pump.h"

namespace {

// The mark changes a few dozen pixels of an unchecked slot button, which otherwise matches its
// picture exactly.
constexpr double kMarkedBelow = 0.995;

bool SlotMarked(const OptionProcess& option, int slot, bool expected) {
  return PumpUntil(
      [&] {
        const double share = ShowsPicture(option, kFirstSlotKey + slot, "main_normal.bmp");
        return (share < kMarkedBelow) == expected;
      },
      kWaitMs);
}

TEST(ConfiguratorWithMonitor, TheSlotThatTheProgramInFrontChoseIsMarked) {
  MonitorProcess monitor;
  LayOutConfigurator(monitor.folder().path());
  auto chosen = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*chosen, 0);
  monitor.WriteCurrentProfile(*chosen);
  FollowedProgram game;
  ASSERT_TRUE(game.Start(monitor.folder().path() / "race.exe"));
  game.MoveTo(1100, 650);  // clear of the configurator's slot buttons
  auto racing = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*racing, 3);
  CopyToField(racing->GameFile, game.path());
  ASSERT_TRUE(SaveProfile(*racing, SlotFilePath(monitor.installFolder(), 3)));

  ASSERT_TRUE(monitor.Start());
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());
  ASSERT_TRUE(BringToFront(option.window(), true));
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));
  EXPECT_TRUE(SlotMarked(option, 3, false));

  ASSERT_TRUE(BringToFront(game.window(), true));
  EXPECT_TRUE(SlotMarked(option, 3, true)) << "slot 3 carries no mark";
  EXPECT_TRUE(ShowsPicture(option, kFirstSlotKey, "main_down.bmp") >= 0.98)
      << "the checked slot changed";
  RECT window{};
  GetWindowRect(option.window(), &window);
  SaveScreenPicture(window, "configurator_slot_chosen_by_program");

  ASSERT_TRUE(BringToFront(option.window(), true));
  EXPECT_TRUE(SlotMarked(option, 3, false)) << "the mark stayed";
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));
}

}  // namespace
