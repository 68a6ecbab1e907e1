// Time from a press of the simulated physical mouse to the first input injected for it, as a
// low-level hook of this program sees it: the running monitor (first extra button assigned the
// key A) beside a baseline program that injects the key straight from its own mouse hook.
// Prints median and p99 of both and their ratio; never fails on slow figures.

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

constexpr int kPresses = 500;
constexpr int kWarmUp = 20;
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
  std::vector<double> latencies = MeasurePresses(kPresses);
  monitor.Exit();
  return latencies;
}

std::vector<double> MeasureBaseline() {
  const std::wstring exe = (ToFilesystemPath(ProgramFolder()) / "baseline_injector.exe").wstring();
  std::wstring commandLine = L"\"" + exe + L"\"";
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
      window != nullptr ? MeasurePresses(kPresses) : std::vector<double>{};
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return latencies;
}

}  // namespace

int main() {
  const SampleSummary monitor = Summarise(MeasureMonitor());
  const SampleSummary baseline = Summarise(MeasureBaseline());
  std::printf("press to first injected input (%d presses each, after %d warm-up presses)\n",
              kPresses, kWarmUp);
  PrintSummary("  monitor", monitor, "ms");
  PrintSummary("  baseline (hook injects directly)", baseline, "ms");
  if (baseline.median > 0 && baseline.p99 > 0) {
    std::printf("  ratio monitor/baseline: median %.2f, p99 %.2f\n",
                monitor.median / baseline.median, monitor.p99 / baseline.p99);
  }
  return 0;
}
