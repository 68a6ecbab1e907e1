// Time from a press of the simulated physical mouse to the first input injected for it, as a
// low-level hook of this program sees it: the running monitor (first extra button assigned the
// key A) beside a baseline program that injects the key straight from its own mouse hook, and the
// same program with one hop from its hook's thread to its window's thread before it injects (the
// least a program pays whose decisions live outside the hook, as the monitor's do).
// The three take turns, a round of presses each, so that all of them see the same machine.
// Prints median and p99 of each and the ratios; never fails on slow figures.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/file_paths.h"
#include "bench/bench_stats.h"
#include "platform/module_folder.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace {

constexpr int kRounds = 5;
constexpr int kPressesPerRound = 100;
constexpr int kWarmUp = 10;  // presses of each round not counted
constexpr uint8_t kUsageA = 0x04;
constexpr int kExtra1 = 3;

// Presses and releases the first extra button `count` times; the latency of each press.
std::vector<double> MeasurePresses(int count) {
  std::vector<double> latencies;
  InjectionObserver observer;
  if (!observer.installed()) return latencies;
  for (int i = 0; i < kWarmUp + count; ++i) {
    observer.Clear();
    const LONGLONG pressed = CounterNow();
    SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
    if (!observer.WaitFor(1, 5000)) break;
    const LONGLONG seen = observer.seen().front().counter;
    SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
    if (!observer.WaitFor(2, 5000)) break;
    if (i >= kWarmUp) latencies.push_back(CounterMilliseconds(pressed, seen));
  }
  return latencies;
}

std::vector<double> MeasureMonitor() {
  MonitorProcess monitor;
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  ButtonAssignment& key = p.MacroKeyInfo[kExtra1];
  key.functionCode = 5;             // key combination: the press holds it, the release ends it
  key.events[0] = {kUsageA, 0, 0};  // A without modifiers
  monitor.WriteCurrentProfile(p);
  if (!monitor.Start()) {
    std::fprintf(stderr, "the monitor did not start\n");
    return {};
  }
  std::vector<double> latencies = MeasurePresses(kPressesPerRound);
  monitor.Exit();
  return latencies;
}

// The baseline program, injecting from its hook or, with "hop", from its window's thread.
std::vector<double> MeasureBaseline(const wchar_t* mode) {
  const std::wstring exe = (ToFilesystemPath(ProgramFolder()) / "baseline_injector.exe").wstring();
  std::wstring commandLine = L"\"" + exe + L"\" " + mode;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    std::fprintf(stderr, "the baseline did not start\n");
    return {};
  }
  HWND window = nullptr;
  PumpUntil([&] { return (window = FindWindowW(nullptr, L"BaselineInjector")) != nullptr; }, 30000);
  std::vector<double> latencies =
      window != nullptr ? MeasurePresses(kPressesPerRound) : std::vector<double>{};
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return latencies;
}

void PrintRatio(const char* label, const SampleSummary& a, const SampleSummary& b) {
  if (b.median > 0 && b.p99 > 0) {
    std::printf("  ratio %s: median %.2f, p99 %.2f\n", label, a.median / b.median, a.p99 / b.p99);
  }
}

void Append(std::vector<double>& all, const std::vector<double>& round) {
  all.insert(all.end(), round.begin(), round.end());
}

}  // namespace

int main() {
  std::vector<double> monitorTimes;
  std::vector<double> baselineTimes;
  std::vector<double> hopTimes;
  for (int round = 0; round < kRounds; ++round) {
    Append(monitorTimes, MeasureMonitor());
    Append(baselineTimes, MeasureBaseline(L"direct"));
    Append(hopTimes, MeasureBaseline(L"hop"));
  }
  const SampleSummary monitor = Summarise(monitorTimes);
  const SampleSummary baseline = Summarise(baselineTimes);
  const SampleSummary hop = Summarise(hopTimes);
  std::printf(
      "press to first injected input (%d rounds of %d presses of each program, each round after %d "
      "warm-up presses)\n",
      kRounds, kPressesPerRound, kWarmUp);
  PrintSummary("  monitor", monitor, "ms");
  PrintSummary("  baseline (hook injects directly)", baseline, "ms");
  PrintSummary("  baseline with one thread hop", hop, "ms");
  PrintRatio("monitor/baseline", monitor, baseline);
  PrintRatio("monitor/one-hop baseline", monitor, hop);
  return 0;
}
