// What the running monitor does for presses of the simulated mouse: the input it injects, as a
// low-level hook of this test sees it, and the programs it starts.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "bridge/messages.h"
#include "bridge/shared_block.h"
#include "platform/module_folder.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace {

namespace fs = std::filesystem;

// Button indices of the simulated mouse and their inputs.
constexpr int kMiddle = 2;
constexpr int kExtra1 = 3;
constexpr int kExtra2 = 4;
constexpr int kWheelForward = 13;

// Key usages of the stored codes.
constexpr uint8_t kUsageA = 0x04;
constexpr uint8_t kUsageB = 0x05;
constexpr uint8_t kUsageS = 0x16;
constexpr uint8_t kUsageLeftShift = 0xE1;

// Stored modifier flags of a key combination.
constexpr uint8_t kComboCtrl = 0x02;
constexpr uint8_t kComboShift = 0x04;

// An expected input: key or mouse message, release or not, wheel delta for wheel messages.
struct Step {
  bool key;
  DWORD code;
  bool up;
  int wheelDelta = 0;
};

constexpr Step Down(DWORD vk) {
  return {true, vk, false};
}
constexpr Step Up(DWORD vk) {
  return {true, vk, true};
}

// Left and right modifiers as the generic key, so that either report matches.
DWORD Generic(DWORD vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
    default:
      return vk;
  }
}

std::string Describe(const std::vector<ObservedInput>& seen) {
  std::string text;
  for (const ObservedInput& s : seen) {
    text += (s.key ? "key " : "mouse ") + std::to_string(s.code) + (s.up ? " up" : " down");
    if (s.wheelDelta != 0) text += " delta " + std::to_string(s.wheelDelta);
    text += s.injected ? "; " : " (not injected); ";
  }
  return text;
}

void ExpectSequence(const std::vector<ObservedInput>& seen, const std::vector<Step>& expected) {
  ASSERT_EQ(seen.size(), expected.size()) << Describe(seen);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(seen[i].key, expected[i].key) << i << ": " << Describe(seen);
    EXPECT_EQ(Generic(seen[i].code), Generic(expected[i].code)) << i << ": " << Describe(seen);
    EXPECT_EQ(seen[i].up, expected[i].up) << i << ": " << Describe(seen);
    EXPECT_EQ(seen[i].wheelDelta, expected[i].wheelDelta) << i << ": " << Describe(seen);
    EXPECT_TRUE(seen[i].injected) << i;
  }
}

void Press(int button) {
  switch (button) {
    case kMiddle:
      SimulateMouse(MOUSEEVENTF_MIDDLEDOWN);
      break;
    case kExtra1:
      SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
      break;
    case kExtra2:
      SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON2);
      break;
    case kWheelForward:
      SimulateMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
      break;
    default:
      FAIL() << "no input for button " << button;
  }
}

void Release(int button) {
  switch (button) {
    case kMiddle:
      SimulateMouse(MOUSEEVENTF_MIDDLEUP);
      break;
    case kExtra1:
      SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
      break;
    case kExtra2:
      SimulateMouse(MOUSEEVENTF_XUP, XBUTTON2);
      break;
    case kWheelForward:
      break;  // a notch has no release
    default:
      FAIL() << "no input for button " << button;
  }
}

class ButtonActionTest : public ::testing::Test {
 protected:
  // Saves slot 0 with the defaults changed by `assign`, then starts the monitor on it.
  void StartWith(const std::function<void(ProfileSettings&)>& assign) {
    ProfileSettings p;
    std::memset(&p, 0, sizeof p);
    SetProfileDefaults(p, 0);
    assign(p);
    monitor_.WriteCurrentProfile(p);
    ASSERT_TRUE(monitor_.Start());
    ASSERT_TRUE(observer_.installed());
    observer_.Clear();
  }
  const std::vector<ObservedInput>& seen() const { return observer_.seen(); }
  void TearDown() override { monitor_.Exit(); }

  MonitorProcess monitor_;
  InjectionObserver observer_;
};

void Assign(ProfileSettings& p, int button, uint8_t code) {
  p.MacroKeyInfo[button].functionCode = code;
}

// --- One press and release, one fixed sequence -------------------------------------------------

struct ClickCase {
  const char* name;
  int button;
  std::function<void(ProfileSettings&)> assign;
  std::vector<Step> afterPress;    // everything injected by the press
  std::vector<Step> afterRelease;  // everything injected by the release that follows
};

const ClickCase kClickCases[] = {
    {"copy",
     kExtra2,
     [](ProfileSettings& p) { Assign(p, kExtra2, 54); },
     {},
     {Down(VK_CONTROL), Down('C'), Up('C'), Up(VK_CONTROL)}},
    {"single key F1",
     kExtra1,
     [](ProfileSettings& p) { Assign(p, kExtra1, 85); },
     {},
     {Down(VK_F1), Up(VK_F1)}},
    {"media key volume up",
     kExtra1,
     [](ProfileSettings& p) { Assign(p, kExtra1, 31); },
     {},
     {Down(VK_VOLUME_UP), Up(VK_VOLUME_UP)}},
    {"left click on a wheel notch",
     kWheelForward,
     [](ProfileSettings& p) { Assign(p, kWheelForward, 1); },
     {{false, WM_LBUTTONDOWN, false}, {false, WM_LBUTTONUP, true}},
     {}},
    // A stored Ctrl+Shift chord: the press holds S with the modifiers tapped around it, the
    // release lets S go the same way, so no key stays down.
    {"ctrl shift chord by code",
     kExtra1,
     [](ProfileSettings& p) {
       Assign(p, kExtra1, 5);
       p.MacroKeyInfo[kExtra1].events[0] = {kUsageS, kComboCtrl | kComboShift, 0};
     },
     {Down(VK_SHIFT), Down(VK_CONTROL), Down('S'), Up(VK_CONTROL), Up(VK_SHIFT)},
     {Down(VK_SHIFT), Down(VK_CONTROL), Up('S'), Up(VK_CONTROL), Up(VK_SHIFT)}},
};

class ClickTest : public ButtonActionTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, InjectsTheSequenceOfItsFunction) {
  const ClickCase& c = GetParam();
  StartWith(c.assign);
  Press(c.button);
  ASSERT_TRUE(observer_.WaitFor(c.afterPress.size())) << Describe(seen());
  observer_.Idle(300);  // room for input that must not come
  ExpectSequence(seen(), c.afterPress);
  observer_.Clear();
  Release(c.button);
  ASSERT_TRUE(observer_.WaitFor(c.afterRelease.size())) << Describe(seen());
  observer_.Idle(300);
  ExpectSequence(seen(), c.afterRelease);
}

INSTANTIATE_TEST_SUITE_P(Functions, ClickTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

// --- Held buttons ------------------------------------------------------------------------------

TEST_F(ButtonActionTest, WindowSwitchingHeldStepsTheSwitcherUntilTheRelease) {
  StartWith([](ProfileSettings& p) { Assign(p, kExtra1, 48); });
  Press(kExtra1);
  observer_.Idle(1200);
  Release(kExtra1);
  ASSERT_TRUE(PumpUntil([this] { return !seen().empty() && seen().back().code != VK_TAB; }, 5000))
      << Describe(seen());
  observer_.Idle(700);  // a further step would come within one period

  // Alt down, Tab tapped at once and then every 500 ms, Alt up at the release.
  const auto& s = seen();
  ASSERT_GE(s.size(), 4u) << Describe(s);
  EXPECT_EQ(Generic(s.front().code), static_cast<DWORD>(VK_MENU));
  EXPECT_FALSE(s.front().up);
  EXPECT_EQ(Generic(s.back().code), static_cast<DWORD>(VK_MENU));
  EXPECT_TRUE(s.back().up);
  const size_t tabs = s.size() - 2;
  ASSERT_EQ(tabs % 2, 0u) << Describe(s);
  for (size_t i = 1; i + 1 < s.size(); ++i) {
    EXPECT_EQ(s[i].code, static_cast<DWORD>(VK_TAB)) << Describe(s);
    EXPECT_EQ(s[i].up, i % 2 == 0) << Describe(s);
  }
  // 1.2 s held: the first tap and the steps at 0.5 s and 1 s; a slow machine may lose the last.
  EXPECT_GE(tabs / 2, 2u) << Describe(s);
  EXPECT_LE(tabs / 2, 3u) << Describe(s);
}

TEST_F(ButtonActionTest, AutoFireClicksWhileHeldAndStopsAtTheRelease) {
  StartWith([](ProfileSettings& p) { Assign(p, kExtra1, 21); });
  Press(kExtra1);
  observer_.Idle(200);
  Release(kExtra1);
  observer_.Idle(50);  // the release is handled after any click already due
  const size_t atRelease = seen().size();
  observer_.Idle(400);  // ten periods: no click may follow the release
  const auto& s = seen();
  EXPECT_EQ(s.size(), atRelease) << Describe(s);

  // Whole left clicks: one at the press and one per 40 ms period while held.
  ASSERT_EQ(s.size() % 2, 0u) << Describe(s);
  for (size_t i = 0; i < s.size(); ++i) {
    EXPECT_EQ(s[i].code, static_cast<DWORD>(i % 2 == 0 ? WM_LBUTTONDOWN : WM_LBUTTONUP));
  }
  const size_t clicks = s.size() / 2;
  EXPECT_GE(clicks, 2u) << Describe(s);
  EXPECT_LE(clicks, 1u + 200 / 40 + 2) << Describe(s);
}

// --- Macros ------------------------------------------------------------------------------------

TEST_F(ButtonActionTest, MacroPlaysWithItsRepeats) {
  StartWith([](ProfileSettings& p) {
    ButtonAssignment& macro = p.MacroKeyInfo[kMiddle];
    macro.functionCode = 16;
    CopyToField(macro.macroName, u"Twice a");
    macro.repeatCount = 2;
    macro.eventCount = 2;
    macro.events[0] = {kUsageA, kMacroPress, 10};
    macro.events[1] = {kUsageA, kMacroRelease, 10};
  });
  Press(kMiddle);
  Release(kMiddle);
  ASSERT_TRUE(observer_.WaitFor(4));
  observer_.Idle(500);  // room for a fifth event that must not come
  ExpectSequence(seen(), {Down('A'), Up('A'), Down('A'), Up('A')});
}

TEST_F(ButtonActionTest, SecondPressStopsTheMacroAndReleasesHeldKeysNewestFirst) {
  // Shift held, then B held; long pauses and many repeats, so the stop comes mid-pass.
  StartWith([](ProfileSettings& p) {
    ButtonAssignment& macro = p.MacroKeyInfo[kMiddle];
    macro.functionCode = 16;
    CopyToField(macro.macroName, u"Shifted b");
    macro.repeatCount = 20;
    macro.eventCount = 4;
    macro.events[0] = {kUsageLeftShift, kMacroPress, 150};
    macro.events[1] = {kUsageB, kMacroPress, 1500};  // held: repeats
    macro.events[2] = {kUsageB, kMacroRelease, 100};
    macro.events[3] = {kUsageLeftShift, kMacroRelease, 100};
  });
  Press(kMiddle);
  Release(kMiddle);
  // Wait until B is held (after Shift), then stop with a second press.
  ASSERT_TRUE(PumpUntil(
      [this] {
        for (const ObservedInput& s : seen()) {
          if (s.code == 'B' && !s.up) return true;
        }
        return false;
      },
      5000))
      << Describe(seen());
  Press(kMiddle);
  Release(kMiddle);
  observer_.Idle(1000);
  const size_t afterStop = seen().size();
  observer_.Idle(800);
  const auto& s = seen();
  ASSERT_EQ(s.size(), afterStop) << "playback went on after the stop: " << Describe(s);

  // Shift down, B down (repeating while held), then B up and Shift up: newest first, nothing
  // left held, and far fewer events than twenty passes.
  ASSERT_GE(s.size(), 4u) << Describe(s);
  EXPECT_EQ(Generic(s.front().code), static_cast<DWORD>(VK_SHIFT));
  EXPECT_FALSE(s.front().up);
  EXPECT_EQ(s[s.size() - 2].code, static_cast<DWORD>('B'));
  EXPECT_TRUE(s[s.size() - 2].up);
  EXPECT_EQ(Generic(s.back().code), static_cast<DWORD>(VK_SHIFT));
  EXPECT_TRUE(s.back().up);
  for (size_t i = 1; i + 2 < s.size(); ++i) {
    EXPECT_EQ(s[i].code, static_cast<DWORD>('B')) << i << ": " << Describe(s);
    EXPECT_FALSE(s[i].up) << i << ": " << Describe(s);
  }
}

// --- Nothing left pressed ----------------------------------------------------------------------

// What stays down of what the monitor injected: a key or mouse button whose last event was a
// down. Repeated downs of a held key are allowed; the wheel has no up.
std::string LeftDown(const std::vector<ObservedInput>& seen) {
  std::vector<std::pair<bool, DWORD>> down;
  for (const ObservedInput& s : seen) {
    if (!s.key && (s.code == WM_MOUSEWHEEL || s.code == WM_MOUSEHWHEEL)) continue;
    // A mouse button's up message is its down message plus one.
    const std::pair<bool, DWORD> id{s.key, s.key ? Generic(s.code) : s.code - (s.up ? 1 : 0)};
    const auto it = std::find(down.begin(), down.end(), id);
    if (s.up && it != down.end()) down.erase(it);
    if (!s.up && it == down.end()) down.push_back(id);
  }
  std::string text;
  for (const auto& [key, code] : down) text += (key ? " key " : " mouse ") + std::to_string(code);
  return text;
}

enum class Ending : uint8_t {
  kReloadWhileHeld,  // press, a reload notice, then the release
  kExitWhileHeld,    // press, the monitor exits, then the release
  kMacroPlayedOut,   // press and release, the macro plays to its end
  kMacroStopped,     // a second press while the macro holds a key
  kClick,            // press and release
};

struct LedgerCase {
  const char* name;
  std::function<void(ProfileSettings&)> assign;  // the buttons pressed are both extra buttons
  Ending ending;
  size_t maxInputs = 0;  // 0: any number
};

void Combination(ButtonAssignment& a, uint8_t code, uint8_t key, uint8_t modifiers) {
  a.functionCode = code;
  a.events[0] = {key, modifiers, 0};
}

void HeldMacro(ButtonAssignment& a, bool endsOnPress) {
  a.functionCode = 16;
  CopyToField(a.macroName, u"Held");
  a.repeatCount = endsOnPress ? 1 : 20;
  a.eventCount = endsOnPress ? 2 : 3;
  a.events[0] = {kUsageA, kMacroPress, 20};
  a.events[1] = {kUsageB, kMacroPress, endsOnPress ? 20 : 1500};
  a.events[2] = {kUsageB, kMacroRelease, 20};
}

const LedgerCase kLedgerCases[] = {
    {"reload holding left", [](ProfileSettings& p) { Assign(p, kExtra1, 1); },
     Ending::kReloadWhileHeld},
    {"reload holding right", [](ProfileSettings& p) { Assign(p, kExtra1, 2); },
     Ending::kReloadWhileHeld},
    {"reload holding middle", [](ProfileSettings& p) { Assign(p, kExtra1, 3); },
     Ending::kReloadWhileHeld},
    {"reload holding a combination",
     [](ProfileSettings& p) { Combination(p.MacroKeyInfo[kExtra1], 5, kUsageS, kComboCtrl); },
     Ending::kReloadWhileHeld},
    {"reload during auto fire", [](ProfileSettings& p) { Assign(p, kExtra1, 21); },
     Ending::kReloadWhileHeld},
    {"reload during window switching", [](ProfileSettings& p) { Assign(p, kExtra1, 48); },
     Ending::kReloadWhileHeld},
    {"exit during window switching and auto fire",
     [](ProfileSettings& p) {
       Assign(p, kExtra1, 48);
       Assign(p, kExtra2, 21);
     },
     Ending::kExitWhileHeld},
    {"macro ending on a press",
     [](ProfileSettings& p) { HeldMacro(p.MacroKeyInfo[kExtra1], true); }, Ending::kMacroPlayedOut},
    {"macro stopped midway", [](ProfileSettings& p) { HeldMacro(p.MacroKeyInfo[kExtra1], false); },
     Ending::kMacroStopped},
    {"modifier alone tapped once",
     [](ProfileSettings& p) { Combination(p.MacroKeyInfo[kExtra1], 5, 0, 0x10 /* Windows */); },
     Ending::kClick, 2},
};

class LedgerTest : public ButtonActionTest, public ::testing::WithParamInterface<LedgerCase> {};

TEST_P(LedgerTest, EveryDownHasItsUpAndNothingFollowsTheEnd) {
  const LedgerCase& c = GetParam();
  StartWith(c.assign);
  const bool both = c.ending == Ending::kExitWhileHeld;
  Press(kExtra1);
  if (both) Press(kExtra2);
  switch (c.ending) {
    case Ending::kReloadWhileHeld: {
      observer_.Idle(300);
      // The configurator disables the button meanwhile: its release then has nothing to say.
      SharedBlock block;
      ASSERT_TRUE(block.OpenLock() && block.OpenBlock());
      auto image = std::make_unique<SharedSettingsBlock>();
      ASSERT_TRUE(block.Read(*image));
      image->profiles[image->CurrentProfile].MacroKeyInfo[kExtra1].functionCode = 0;
      ASSERT_TRUE(block.Write(*image));
      SendMessageW(monitor_.window(), kMsgSettingsChanged, 0, 0);
      observer_.Idle(300);
      Release(kExtra1);
      break;
    }
    case Ending::kExitWhileHeld:
      observer_.Idle(300);
      ASSERT_TRUE(monitor_.Exit());
      Release(kExtra1);
      Release(kExtra2);
      break;
    case Ending::kMacroPlayedOut:
    case Ending::kClick:
      Release(kExtra1);
      observer_.Idle(500);
      break;
    case Ending::kMacroStopped:
      Release(kExtra1);
      ASSERT_TRUE(
          PumpUntil([this] { return LeftDown(seen()).find(" key 66") != std::string::npos; }, 5000))
          << Describe(seen());
      Press(kExtra1);
      Release(kExtra1);
      break;
  }
  observer_.Idle(400);
  const size_t atEnd = seen().size();
  observer_.Idle(600);
  EXPECT_EQ(seen().size(), atEnd) << "input after the end: " << Describe(seen());
  EXPECT_EQ(LeftDown(seen()), "") << Describe(seen());
  EXPECT_FALSE(seen().empty());
  if (c.maxInputs != 0) EXPECT_LE(seen().size(), c.maxInputs) << Describe(seen());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, LedgerTest, ::testing::ValuesIn(kLedgerCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (ch == ' ') ch = '_';
                           }
                           return name;
                         });

// --- Program launch ----------------------------------------------------------------------------

// The launched program leaves a line in a file beside itself each time it runs, naming the folder
// it runs in. Only a file named by its full path is started, in its own folder: a bare name would
// be looked for where another program could have put a file of that name.
TEST_F(ButtonActionTest, LaunchesTheProgramOfTheButton) {
  const fs::path folder = monitor_.folder().path();
  const struct {
    const char* file;
    bool fullPath;
  } rows[] = {{"launch_marker.exe", true}, {"bare_marker.exe", false}};
  for (const auto& r : rows) {
    fs::copy_file(ToFilesystemPath(ProgramFolder()) / "launch_marker.exe", folder / r.file);
  }
  StartWith([&](ProfileSettings& p) {
    for (int i = 0; i < 2; ++i) {
      const int button = i == 0 ? kExtra1 : kExtra2;
      Assign(p, button, 86);  // on the release
      const std::u16string path = rows[i].fullPath ? (folder / rows[i].file).u16string()
                                                   : fs::path(rows[i].file).u16string();
      CopyToField(p.MacroKeyInfo[button].programPath, path);
    }
  });
  const fs::path log = folder / "launch_marker.exe.log";
  Press(kExtra1);
  observer_.Idle(1500);
  EXPECT_FALSE(fs::exists(log)) << "launched on the press";
  Release(kExtra1);
  ASSERT_TRUE(PumpUntil([&] { return fs::exists(log) && fs::file_size(log) > 0; }, 15000));
  Press(kExtra2);
  Release(kExtra2);
  observer_.Idle(2000);
  std::ifstream in(log);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u);
  const std::u8string utf8 = folder.u8string();
  const std::string expected = "launched " + std::string(utf8.begin(), utf8.end());
  EXPECT_EQ(lstrcmpiA(lines[0].c_str(), expected.c_str()), 0) << lines[0] << " / " << expected;
  EXPECT_FALSE(fs::exists(folder / "bare_marker.exe.log")) << "a bare name was started";
}

// --- Zoom --------------------------------------------------------------------------------------

// A window of a given class under the pointer; for a web view, inside two parents whose outer
// one has the given class.
class ClassWindow {
 public:
  // At `at`, which leaves the pointer where it is unless the window is placed at 100, 100.
  ClassWindow(const wchar_t* className, const wchar_t* grandparentClass,
              POINT at = POINT{100, 100}) {
    HWND top = nullptr;
    HWND parent = nullptr;
    if (grandparentClass != nullptr) {
      top = Make(grandparentClass, nullptr);
      parent = Make(L"ZoomTestMiddle", top);
    }
    window_ = Make(className, parent);
    top_ = top != nullptr ? top : window_;
    SetWindowPos(top_, HWND_TOPMOST, at.x, at.y, 300, 200, SWP_SHOWWINDOW);
    SetForegroundWindow(top_);
    UpdateWindow(top_);
    if (at.x == 100 && at.y == 100) SetCursorPos(250, 200);
  }
  HWND top() const { return top_; }
  ~ClassWindow() { DestroyWindow(top_); }

 private:
  static HWND Make(const wchar_t* className, HWND parent) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);  // fails harmlessly when registered by an earlier case
    const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
    return CreateWindowExW(0, className, L"", style, 0, 0, 300, 200, parent, nullptr, wc.hInstance,
                           nullptr);
  }
  HWND window_ = nullptr;
  HWND top_ = nullptr;
};

struct ZoomCase {
  const char* name;
  const wchar_t* className;
  const wchar_t* grandparentClass;  // null: a top-level window
  uint8_t code;                     // 66 zoom in, 67 zoom out
  std::vector<Step> expected;
  bool focusElsewhere = false;  // another window of the test is the foreground window
};

constexpr Step Wheel(int delta) {
  return {false, WM_MOUSEWHEEL, false, delta};
}

const ZoomCase kZoomCases[] = {
    {"ctrl wheel in", L"EXCEL7", nullptr, 66, {Down(VK_LCONTROL), Wheel(120), Up(VK_LCONTROL)}},
    {"ctrl wheel out", L"_WwG", nullptr, 67, {Down(VK_LCONTROL), Wheel(-120), Up(VK_LCONTROL)}},
    {"tabbed web view",
     L"Internet Explorer_Server",
     L"TabWindowClass",
     66,
     {Down(VK_LCONTROL), Wheel(120), Up(VK_LCONTROL)}},
    {"untabbed web view turns the other way",
     L"Internet Explorer_Server",
     L"ZoomTestFrame",
     66,
     {Down(VK_LCONTROL), Wheel(-120), Up(VK_LCONTROL)}},
    {"image viewer keypad minus",
     L"ImageViewWndClass",
     nullptr,
     67,
     {Down(VK_SUBTRACT), Up(VK_SUBTRACT)}},
    {"ctrl key viewer",
     L"AVL_AVView",
     nullptr,
     66,
     {Down(VK_LCONTROL), Down(VK_ADD), Up(VK_ADD), Up(VK_LCONTROL)}},
    {"other window plain notch", L"ZoomTestPlain", nullptr, 66, {Wheel(120)}},
    {"image viewer behind another window gets the wheel",
     L"ImageViewWndClass",
     nullptr,
     67,
     {Wheel(-120)},
     true},
};

class ZoomTest : public ButtonActionTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(ZoomTest, SendsTheGestureOfTheWindowUnderThePointer) {
  const ZoomCase& c = GetParam();
  StartWith([&](ProfileSettings& p) { Assign(p, kWheelForward, c.code); });
  ClassWindow window(c.className, c.grandparentClass);
  std::unique_ptr<ClassWindow> focused;
  if (c.focusElsewhere) {
    focused = std::make_unique<ClassWindow>(L"ZoomTestFocus", nullptr, POINT{600, 100});
    ASSERT_NE(GetForegroundWindow(), window.top());
  }
  observer_.Idle(200);
  observer_.Clear();
  Press(kWheelForward);
  ASSERT_TRUE(observer_.WaitFor(c.expected.size())) << Describe(seen());
  observer_.Idle(400);
  ExpectSequence(seen(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Classes, ZoomTest, ::testing::ValuesIn(kZoomCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& ch : name) {
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

}  // namespace
