// A real monitor follows the program in front: a copy of a window program under the name that
// slot 3 gives its game comes to the front, and the simulated mouse's buttons, the pointer
// settings and the holds follow. Wine raises no foreground event by itself: a case that needs one
// raises it as the system would, the others rely on the check at every button report.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/shared_block.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/windows_support/followed_program.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/live_settings.h"
#include "tests/windows_support/monitor_process.h"

namespace {

constexpr int kExtra1 = 3;
constexpr int kExtra2 = 4;
constexpr uint8_t kUsageB = 0x05;
constexpr UINT kGameDoubleClick = 730;

ProfileSettings Profile(int slot) {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, slot);
  return p;
}

std::string Keys(const std::vector<ObservedInput>& seen) {
  std::string text;
  for (const ObservedInput& s : seen) {
    text += (s.key ? "key " : "mouse ") + std::to_string(s.code) + (s.up ? " up; " : " down; ");
  }
  return text;
}

std::string KeyTaps(std::initializer_list<DWORD> keys) {
  std::vector<ObservedInput> taps;
  for (DWORD vk : keys) {
    taps.push_back({true, vk, false});
    taps.push_back({true, vk, true});
  }
  return Keys(taps);
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

class ProfileFollowTest : public ::testing::TestWithParam<bool> {
 protected:
  // Slot 0, the chosen one: extra button 1 types F1, extra button 2 holds B. Slot 3 names the
  // game: extra button 1 mutes, extra button 2 types F1, and its double-click time differs.
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FollowTestOwnWindow";
    RegisterClassW(&wc);
    own_ = CreateWindowExW(0, wc.lpszClassName, L"own", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                           nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(own_, nullptr);
    ASSERT_TRUE(game_.Start(monitor_.folder().path() / "race.exe"));
    // The monitor starts with this test's window in front, on the chosen profile.
    ASSERT_TRUE(::BringToFront(own_, false));

    ProfileSettings chosen = Profile(0);
    chosen.MacroKeyInfo[kExtra1].functionCode = 85;
    chosen.MacroKeyInfo[kExtra2].functionCode = 45;
    chosen.MacroKeyInfo[kExtra2].events[0] = {kUsageB, 0x01, 0};
    monitor_.WriteCurrentProfile(chosen);
    ProfileSettings racing = Profile(3);
    CopyToField(racing.GameFile, game_.path());
    racing.DbleClickSpeed = static_cast<int32_t>(kGameDoubleClick);
    racing.MacroKeyInfo[kExtra1].functionCode = 30;
    racing.MacroKeyInfo[kExtra2].functionCode = 85;
    ASSERT_TRUE(SaveProfile(racing, SlotFilePath(monitor_.installFolder(), 3)));

    ASSERT_TRUE(monitor_.Start());
    chosenDoubleClick_ = ReadLiveSettings().doubleClick;
    ASSERT_NE(chosenDoubleClick_, kGameDoubleClick);

    ASSERT_TRUE(observer_.installed());
  }

  void TearDown() override {
    if (own_ != nullptr) DestroyWindow(own_);
    monitor_.Exit();
  }

  HWND GameWindow() const { return game_.window(); }

  // With the parameter set, the change raises the event the system raises.
  void BringToFront(HWND window) { ASSERT_TRUE(::BringToFront(window, GetParam())); }

  void Click(int button) {
    const DWORD which = button == kExtra1 ? XBUTTON1 : XBUTTON2;
    SimulateMouse(MOUSEEVENTF_XDOWN, which);
    SimulateMouse(MOUSEEVENTF_XUP, which);
  }

  // What the monitor answers the configurator's question: the slot the program in front chose + 1,
  // 0 for the chosen one.
  LRESULT ActiveSlotAnswer() const {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(monitor_.window(), RegisterWindowMessageW(Wide(kActiveProfileMessageName)),
                        0, 0, SMTO_NORMAL, 5000, &answer);
    return static_cast<LRESULT>(answer);
  }

  bool DoubleClickBecomes(UINT value) {
    return PumpUntil([value] { return ReadLiveSettings().doubleClick == value; }, 10000);
  }

  MonitorProcess monitor_;
  FollowedProgram game_;
  InjectionObserver observer_;
  HWND own_ = nullptr;
  UINT chosenDoubleClick_ = 0;
};

TEST_P(ProfileFollowTest, ButtonsAndPointerFollowTheProgramInFront) {
  BringToFront(GameWindow());
  // The event alone switches the pointer settings, before any button.
  if (GetParam()) {
    EXPECT_TRUE(DoubleClickBecomes(kGameDoubleClick));
  }
  observer_.Clear();
  Click(kExtra1);
  ASSERT_TRUE(observer_.WaitFor(2)) << Keys(observer_.seen());
  EXPECT_EQ(Keys(observer_.seen()), KeyTaps({VK_VOLUME_MUTE}));
  EXPECT_TRUE(DoubleClickBecomes(kGameDoubleClick));
  EXPECT_EQ(ActiveSlotAnswer(), 4);
  // The user's choice stays theirs: neither the block nor config.ini follow the program.
  SharedBlock block;
  auto image = std::make_unique<SharedSettingsBlock>();
  ASSERT_TRUE(block.OpenLock() && block.OpenBlock() && block.Read(*image));
  EXPECT_EQ(image->CurrentProfile, 0);
  Win32PrivateProfile ini;
  EXPECT_EQ(IniFile(ConfigIniPath(monitor_.installFolder()), ini)
                .ReadInt(u"Setting", u"CurrentProfile", -1),
            0);

  BringToFront(own_);
  observer_.Clear();
  Click(kExtra1);
  ASSERT_TRUE(observer_.WaitFor(2)) << Keys(observer_.seen());
  EXPECT_EQ(Keys(observer_.seen()), KeyTaps({VK_F1}));
  EXPECT_TRUE(DoubleClickBecomes(chosenDoubleClick_));
  EXPECT_EQ(ActiveSlotAnswer(), 0);
}

// B held in the chosen profile; the game comes to the front, where the button types F1: the
// switch lets B go, and the button's own release then sends nothing more.
TEST_P(ProfileFollowTest, AButtonHeldAcrossASwitchLeavesNothingPressed) {
  BringToFront(own_);
  observer_.Clear();
  SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON2);
  ASSERT_TRUE(observer_.WaitFor(1)) << Keys(observer_.seen());
  BringToFront(GameWindow());
  if (GetParam()) {
    EXPECT_TRUE(observer_.WaitFor(2)) << Keys(observer_.seen());
  }
  SimulateMouse(MOUSEEVENTF_XUP, XBUTTON2);
  observer_.Idle(800);
  EXPECT_EQ(Keys(observer_.seen()), KeyTaps({'B'}));
}

INSTANTIATE_TEST_SUITE_P(ForegroundEvent, ProfileFollowTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& raised) {
                           return std::string(raised.param ? "EventRaised" : "NoEvent");
                         });

}  // namespace
