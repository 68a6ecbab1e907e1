// The monitor following the program in front, under Wine on a virtual display:
//  - a foreground change announced by the system's event, until the monitor acts on the new
//    profile (its answer to the active-profile question changes), beside the round trip of that
//    question alone;
//  - a press right after a foreground change that raised no event (as under Wine), until the
//    monitor injects the new profile's key, beside the same press with no change;
//  - the monitor's processor time over 10 s idle with the feature on, beside an idle window
//    program over the same 10 s.
// Prints medians, p99 and ratios; never fails on the figures.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bench/bench_launch.h"
#include "bench/bench_poll.h"
#include "bench/bench_stats.h"
#include "bridge/identities.h"
#include "platform/module_folder.h"
#include "settings/catalogue.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSwitches = 200;  // per figure, half of them to the game and half back
constexpr int kExtra1 = 3;
constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05;
constexpr DWORD kWaitMs = 5000;

ProfileSettings HoldingKey(int slot, uint8_t usage) {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, slot);
  p.MacroKeyInfo[kExtra1].functionCode = 5;  // the press holds the key, the release ends it
  p.MacroKeyInfo[kExtra1].events[0] = {usage, 0, 0};
  return p;
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

HWND CreateOwnWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"FollowBenchOwnWindow";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"own", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                         nullptr, nullptr, wc.hInstance, nullptr);
}

class Bench {
 public:
  bool Start() {
    const fs::path game = monitor_.folder().path() / "race.exe";
    fs::copy_file(ToFilesystemPath(ProgramFolder()) / "minimal_window.exe", game);
    wchar_t longPath[MAX_PATH] = {};
    if (GetLongPathNameW(game.wstring().c_str(), longPath, MAX_PATH) == 0) return false;
    monitor_.WriteCurrentProfile(HoldingKey(0, kUsageA));
    ProfileSettings racing = HoldingKey(3, kUsageB);
    CopyToField(racing.GameFile, reinterpret_cast<const char16_t*>(longPath));
    if (!SaveProfile(racing, SlotFilePath(monitor_.installFolder(), 3))) return false;
    if (!monitor_.Start()) return false;
    question_ = RegisterWindowMessageW(Wide(kActiveProfileMessageName));
    own_ = CreateOwnWindow();
    gameProcess_ = Launch(game);
    return own_ != nullptr && gameProcess_ != nullptr &&
           PollUntil([this] { return GameWindow() != nullptr; }, kWaitMs, 0) &&
           observer_.installed();
  }

  ~Bench() {
    if (HWND w = GameWindow()) PostMessageW(w, WM_CLOSE, 0, 0);
    if (gameProcess_ != nullptr) {
      if (WaitForSingleObject(gameProcess_, kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(gameProcess_, 1);
      }
      CloseHandle(gameProcess_);
    }
    if (own_ != nullptr) DestroyWindow(own_);
    monitor_.Exit();
  }

  HWND GameWindow() const { return FindWindowW(L"MinimalBenchWindow", nullptr); }
  HWND Window(bool game) const { return game ? GameWindow() : own_; }
  HANDLE GameProcess() const { return gameProcess_; }
  HANDLE MonitorProcessHandle() const { return monitor_.process(); }

  LRESULT Answer() const {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(monitor_.window(), question_, 0, 0, SMTO_NORMAL, kWaitMs, &answer);
    return static_cast<LRESULT>(answer);
  }

  // The change itself is not timed: the figures start once the window is in front.
  bool BringToFront(HWND window) const {
    SetForegroundWindow(window);
    return PollUntil([window] { return GetForegroundWindow() == window; }, kWaitMs, 0);
  }
  static void RaiseEvent(HWND window) {
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF);
  }

  // Time from the event to the monitor's answer naming the new slot; `rounds` the question's
  // round trip alone, asked as often.
  void EventSwitches(std::vector<double>& switches, std::vector<double>& rounds) const {
    for (int i = 0; i < kSwitches; ++i) {
      const bool toGame = i % 2 == 0;
      const LRESULT expected = toGame ? 4 : 0;  // slot 3 + 1, or the chosen profile
      if (!BringToFront(Window(toGame))) continue;
      const LONGLONG start = CounterNow();
      RaiseEvent(Window(toGame));
      if (!PollUntil([&] { return Answer() == expected; }, kWaitMs, 0)) continue;
      switches.push_back(CounterMilliseconds(start, CounterNow()));
      const LONGLONG asked = CounterNow();
      (void)Answer();
      rounds.push_back(CounterMilliseconds(asked, CounterNow()));
    }
  }

  // A press right after a change without an event, to the first injected key, and whether it
  // was the new profile's key; `steady`: the same press with no change before it.
  void ButtonSwitches(std::vector<double>& switched, std::vector<double>& steady, int& staleKeys) {
    for (int i = 0; i < kSwitches; ++i) {
      const bool toGame = i % 2 == 0;
      if (!BringToFront(Window(toGame))) continue;
      const double first = Press(toGame ? 'B' : 'A', staleKeys);
      const double second = Press(toGame ? 'B' : 'A', staleKeys);
      if (first >= 0) switched.push_back(first);
      if (second >= 0) steady.push_back(second);
    }
  }

 private:
  double Press(DWORD expectedKey, int& staleKeys) {
    observer_.Clear();
    const LONGLONG pressed = CounterNow();
    SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
    if (!observer_.WaitFor(1, kWaitMs)) return -1;
    const ObservedInput first = observer_.seen().front();
    SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
    observer_.WaitFor(2, kWaitMs);
    if (first.code != expectedKey) ++staleKeys;
    return CounterMilliseconds(pressed, first.counter);
  }

  MonitorProcess monitor_;
  InjectionObserver observer_;
  UINT question_ = 0;
  HWND own_ = nullptr;
  HANDLE gameProcess_ = nullptr;
};

double ProcessorMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  auto ticks = [](const FILETIME& t) {
    return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

void Report(const char* what, const std::vector<double>& ours, const char* baselineName,
            const std::vector<double>& baseline) {
  const SampleSummary a = Summarise(ours);
  const SampleSummary b = Summarise(baseline);
  std::printf("%s\n", what);
  PrintSummary("  monitor", a, "ms");
  PrintSummary(baselineName, b, "ms");
  if (b.median > 0) std::printf("  ratio of medians: %.2f\n", a.median / b.median);
}

}  // namespace

int main() {
  Bench bench;
  if (!bench.Start()) {
    std::fprintf(stderr, "the monitor, the window program or the observer did not start\n");
    return 1;
  }
  std::vector<double> eventSwitches, rounds;
  bench.EventSwitches(eventSwitches, rounds);
  Report("foreground event to the monitor acting on the new profile", eventSwitches,
         "  baseline: the question's round trip alone", rounds);

  std::printf("  switches measured: %zu of %d\n", eventSwitches.size(), kSwitches);

  std::vector<double> switchedPresses, steadyPresses;
  int staleKeys = 0;
  bench.ButtonSwitches(switchedPresses, steadyPresses, staleKeys);
  Report("press right after a foreground change without an event, to the new profile's key",
         switchedPresses, "  baseline: the same press without a change", steadyPresses);
  std::printf("  presses that performed the previous profile's key: %d of %zu\n", staleKeys,
              switchedPresses.size() + steadyPresses.size());

  // Idle with the feature on: the game in front, nothing happening.
  if (bench.BringToFront(bench.GameWindow())) Bench::RaiseEvent(bench.GameWindow());
  Sleep(500);
  const double monitorBefore = ProcessorMs(bench.MonitorProcessHandle());
  const double windowBefore = ProcessorMs(bench.GameProcess());
  Sleep(10000);
  const double monitorIdle = ProcessorMs(bench.MonitorProcessHandle()) - monitorBefore;
  const double windowIdle = ProcessorMs(bench.GameProcess()) - windowBefore;
  std::printf("processor time over 10 s idle, feature on (game in front)\n");
  std::printf("  monitor                            %8.1f ms\n", monitorIdle);
  std::printf("  baseline: idle window program      %8.1f ms\n", windowIdle);
  std::printf("  (the monitor's whole run so far: %.1f ms, so the counter does count)\n",
              ProcessorMs(bench.MonitorProcessHandle()));
  return 0;
}
