// Button events take their turns on the monitor's window thread: a press and its release that
// arrive back to back, sent as the hook library sends its reports or requested by another program,
// inject the press's whole input and then the release's. Under Wine a report sent while the
// monitor's injection waits for the low-level hooks is taken right there, inside the press's
// function: it must wait for that function to end instead of cutting into its input.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

#include "bridge/messages.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace {

constexpr int kExtra1 = 3;
constexpr uint8_t kUsageS = 0x16;
constexpr uint8_t kComboCtrlShift = 0x06;

using Key = std::pair<DWORD, bool>;  // generic virtual key, released

DWORD Generic(DWORD vk) {
  if (vk == VK_LSHIFT || vk == VK_RSHIFT) return VK_SHIFT;
  if (vk == VK_LCONTROL || vk == VK_RCONTROL) return VK_CONTROL;
  return vk;
}

TEST(ReportTurns, BackToBackPressAndReleaseInjectInTurn) {
  MonitorProcess monitor;
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  // Ctrl+Shift+S: the press taps the modifiers around S's down, the release around S's up.
  p.MacroKeyInfo[kExtra1].functionCode = 5;
  p.MacroKeyInfo[kExtra1].events[0] = {kUsageS, kComboCtrlShift, 0};
  monitor.WriteCurrentProfile(p);
  ASSERT_TRUE(monitor.Start());
  InjectionObserver observer;
  ASSERT_TRUE(observer.installed());

  const std::vector<Key> click = {
      {VK_SHIFT, false}, {VK_CONTROL, false}, {'S', false}, {VK_CONTROL, true}, {VK_SHIFT, true},
      {VK_SHIFT, false}, {VK_CONTROL, false}, {'S', true},  {VK_CONTROL, true}, {VK_SHIFT, true}};
  const struct {
    const char* name;
    UINT message;
    WPARAM pressW, releaseW;
    LPARAM pressL, releaseL;
    BOOL(WINAPI* deliver)(HWND, UINT, WPARAM, LPARAM);
  } rows[] = {
      {"reports sent by the hook library", kMsgMouseReport, WM_XBUTTONDOWN, WM_XBUTTONUP, 1, 1,
       SendNotifyMessageW},
      {"requests posted by another program", kMsgButtonEvent, kExtra1, kExtra1, 1, 2, PostMessageW},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    observer.Clear();
    std::vector<Key> expected;
    for (int i = 0; i < 2; ++i) {
      ASSERT_TRUE(row.deliver(monitor.window(), row.message, row.pressW, row.pressL));
      ASSERT_TRUE(row.deliver(monitor.window(), row.message, row.releaseW, row.releaseL));
      expected.insert(expected.end(), click.begin(), click.end());
    }
    ASSERT_TRUE(observer.WaitFor(expected.size()));
    observer.Idle(300);
    std::vector<Key> keys;
    for (const ObservedInput& input : observer.seen())
      keys.emplace_back(Generic(input.code), input.up);
    EXPECT_EQ(keys, expected);
  }
  ASSERT_TRUE(monitor.Exit());
}

}  // namespace
