// What the running monitor does for presses of the simulated mouse: the input it injects, as a
// low-level hook of this test sees it.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "kbhook/mouse_report.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/windows_monitor/monitor_process.h"

namespace {

struct Seen {
  bool key;
  DWORD code;  // virtual key, or the mouse message
  bool up;
  bool injected;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_seen.push_back(
        {true, k->vkCode, (k->flags & LLKHF_UP) != 0, (k->flags & LLKHF_INJECTED) != 0});
    return 1;  // keep the monitor's keys away from whatever has the focus
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam != WM_MOUSEMOVE) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (m->dwExtraInfo != kDeviceSimulationMarker) {  // only what the monitor injects
      g_seen.push_back({false, static_cast<DWORD>(wParam),
                        wParam == WM_LBUTTONUP || wParam == WM_RBUTTONUP,
                        (m->flags & LLMHF_INJECTED) != 0});
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Simulate(DWORD flags, DWORD data) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  input.mi.dwExtraInfo = kDeviceSimulationMarker;
  SendInput(1, &input, sizeof input);
}

class ButtonActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Win32PrivateProfile ini;
    ProfileSettings p;
    std::memset(&p, 0, sizeof p);
    SetProfileDefaults(p, 0);
    p.MacroKeyInfo[4].functionCode = 54;  // second extra button: copy
    p.MacroKeyInfo[3].functionCode = 85;  // first extra button: F1
    p.MacroKeyInfo[13].functionCode = 1;  // wheel forward: a whole left click
    // Middle button: a macro typing "a" twice (usage 4 is the key of A), played by the worker.
    ButtonAssignment& macro = p.MacroKeyInfo[2];
    macro.functionCode = 16;
    CopyToField(macro.macroName, u"Twice a");
    macro.repeatCount = 2;
    macro.eventCount = 2;
    macro.events[0] = {4, kMacroPress, 10};
    macro.events[1] = {4, kMacroRelease, 10};
    SaveProfile(p, SlotFilePath(monitor_.installFolder(), 0), ini);
    IniFile(ConfigIniPath(monitor_.installFolder()), ini)
        .WriteInt(u"Setting", u"CurrentProfile", 0);
    ASSERT_TRUE(monitor_.Start());
    g_seen.clear();
    keyHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyHook, GetModuleHandleW(nullptr), 0);
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, GetModuleHandleW(nullptr), 0);
    ASSERT_TRUE(keyHook_ && mouseHook_);
  }
  void TearDown() override {
    UnhookWindowsHookEx(keyHook_);
    UnhookWindowsHookEx(mouseHook_);
    monitor_.Exit();
  }
  bool WaitFor(size_t count) {
    return PumpUntil([count] { return g_seen.size() >= count; }, 10000);
  }

  MonitorProcess monitor_;
  HHOOK keyHook_ = nullptr;
  HHOOK mouseHook_ = nullptr;
};

TEST_F(ButtonActionTest, CopyOnTheSecondExtraButton) {
  Simulate(MOUSEEVENTF_XDOWN, XBUTTON2);
  Simulate(MOUSEEVENTF_XUP, XBUTTON2);
  ASSERT_TRUE(WaitFor(4));
  const Seen expected[] = {{true, VK_CONTROL, false, true},
                           {true, 'C', false, true},
                           {true, 'C', true, true},
                           {true, VK_CONTROL, true, true}};
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(g_seen[i].code, expected[i].code) << i;
    EXPECT_EQ(g_seen[i].up, expected[i].up) << i;
    EXPECT_TRUE(g_seen[i].injected) << i;
  }
}

TEST_F(ButtonActionTest, SingleKeyOnTheFirstExtraButton) {
  Simulate(MOUSEEVENTF_XDOWN, XBUTTON1);
  Simulate(MOUSEEVENTF_XUP, XBUTTON1);
  ASSERT_TRUE(WaitFor(2));
  EXPECT_EQ(g_seen[0].code, static_cast<DWORD>(VK_F1));
  EXPECT_FALSE(g_seen[0].up);
  EXPECT_EQ(g_seen[1].code, static_cast<DWORD>(VK_F1));
  EXPECT_TRUE(g_seen[1].up);
}

TEST_F(ButtonActionTest, WheelNotchAsLeftClickDoesNotComeBack) {
  Simulate(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
  ASSERT_TRUE(WaitFor(2));
  EXPECT_EQ(g_seen[0].code, static_cast<DWORD>(WM_LBUTTONDOWN));
  EXPECT_EQ(g_seen[1].code, static_cast<DWORD>(WM_LBUTTONUP));
  // The monitor's own click passes its hook unreported: nothing more follows.
  PumpUntil([] { return false; }, 1500);
  EXPECT_EQ(g_seen.size(), 2u);
}

}  // namespace

namespace {

TEST_F(ButtonActionTest, MacroPlaysWithItsRepeats) {
  Simulate(MOUSEEVENTF_MIDDLEDOWN, 0);
  Simulate(MOUSEEVENTF_MIDDLEUP, 0);
  ASSERT_TRUE(WaitFor(4));
  PumpUntil([] { return false; }, 500);  // room for a fifth event that must not come
  ASSERT_EQ(g_seen.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(g_seen[i].key) << i;
    EXPECT_EQ(g_seen[i].code, static_cast<DWORD>('A')) << i;
    EXPECT_EQ(g_seen[i].up, i % 2 == 1) << i;
  }
}

}  // namespace
