// Two figures of the configurator as a user meets it, each beside a minimal Win32 program in the
// same run: from process start to its first painted main window, and from a click on Apply to
// the end of the apply (which includes the running monitor's reload of the settings, since the
// configurator waits for the monitor to handle its message). Prints medians; never fails. The
// configurator's starts run with its start-up trace on, and the median time of each stage since
// process creation is printed beside the total.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bench/bench_launch.h"
#include "bench/bench_stats.h"
#include "bridge/identities.h"
#include "platform/module_folder.h"
#include "settings/profile_defaults.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/pump.h"
#include "ui/startup_trace_line.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStarts = 20;
constexpr int kApplies = 30;
constexpr int kApplyKey = 14;  // the apply button's place in the main window's description

// A window counts as painted once it is visible and nothing of it waits to be painted.
bool Painted(HWND window) {
  return window != nullptr && IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE);
}

// Milliseconds from process creation to its painted window, or a negative value on failure.
double TimeToFirstPaint(const fs::path& exe, const wchar_t* title) {
  const LONGLONG start = CounterNow();
  HANDLE process = Launch(exe);
  if (process == nullptr) return -1;
  HWND window = nullptr;
  const bool shown = PumpUntil(
      [&] {
        window = FindWindowW(nullptr, title);
        return Painted(window);
      },
      60000);
  const double elapsed = CounterMilliseconds(start, CounterNow());
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 15000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  CloseHandle(process);
  return shown ? elapsed : -1;
}

// The times of each stage over several traced starts, in the order of the first trace.
struct StageTimes {
  std::vector<std::string> names;
  std::vector<std::vector<double>> times;

  void Add(const std::vector<StartupStage>& stages) {
    for (const StartupStage& stage : stages) {
      size_t index = 0;
      while (index < names.size() && names[index] != stage.name) ++index;
      if (index == names.size()) {
        names.push_back(stage.name);
        times.emplace_back();
      }
      times[index].push_back(stage.milliseconds);
    }
  }
};

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Milliseconds of one traced start of `exe`, whose stages go to `stages`; negative on failure.
double TracedStart(const fs::path& exe, const wchar_t* title, const fs::path& trace,
                   StageTimes& stages) {
  std::error_code ignored;
  fs::remove(trace, ignored);
  SetEnvironmentVariableW(L"OPTION_STARTUP_TRACE", trace.c_str());
  const double t = TimeToFirstPaint(exe, title);
  SetEnvironmentVariableW(L"OPTION_STARTUP_TRACE", nullptr);
  if (t >= 0) stages.Add(ParseStartupTrace(FileText(trace)));
  return t;
}

// The configurator's and the minimal window's starts, kStarts each, taken in turns: a machine
// whose load changes during the run then weighs on both alike, and the ratio stays fair.
void Starts(const fs::path& configurator, const fs::path& minimal, const fs::path& trace,
            StageTimes& stages, std::vector<double>& ours, std::vector<double>& baseline) {
  for (int i = 0; i < kStarts; ++i) {
    const double t = TracedStart(configurator, Wide(kConfiguratorTitle), trace, stages);
    if (t >= 0) ours.push_back(t);
    const double b = TimeToFirstPaint(minimal, L"MinimalBenchWindow");
    if (b >= 0) baseline.push_back(b);
  }
}

void ReportStages(const StageTimes& stages, double baselineMedian) {
  std::printf(
      "  configurator stages, median ms since process creation (and x the minimal window):\n");
  for (size_t i = 0; i < stages.names.size(); ++i) {
    const double median = Quantile(stages.times[i], 0.5);
    std::printf("    %-28s n=%-3zu %9.1f ms", stages.names[i].c_str(), stages.times[i].size(),
                median);
    if (baselineMedian > 0) std::printf("   %5.2f x", median / baselineMedian);
    std::printf("\n");
  }
}

// Milliseconds of one BM_CLICK on `button` (the click's handling runs inside the call), or a
// negative value when it was not handled.
double Click(HWND button) {
  const LONGLONG start = CounterNow();
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &ignored)) return -1;
  return CounterMilliseconds(start, CounterNow());
}

// Clicks on Apply and on the minimal window's button, taken in turns, as the starts are.
void Clicks(HWND apply, HWND baselineButton, std::vector<double>& applies,
            std::vector<double>& baseline) {
  for (int i = 0; i < kApplies && apply != nullptr && baselineButton != nullptr; ++i) {
    const double a = Click(apply);
    PumpUntil([] { return false; }, 20);
    const double b = Click(baselineButton);
    PumpUntil([] { return false; }, 20);
    if (a < 0 || b < 0) break;
    applies.push_back(a);
    baseline.push_back(b);
  }
}

void Report(const char* what, const SampleSummary& ours, const SampleSummary& baseline) {
  std::printf("%s\n", what);
  PrintSummary("  configurator", ours, "ms");
  PrintSummary("  minimal window program", baseline, "ms");
  if (baseline.median > 0) std::printf("  ratio of medians: %.1f\n", ours.median / baseline.median);
}

}  // namespace

int main() {
  const fs::path binaries = ToFilesystemPath(ProgramFolder());
  const fs::path minimal = binaries / "minimal_window.exe";

  // Start without a monitor: the configurator reads the settings files.
  TempDir alone;
  LayOutConfigurator(alone.path());
  const fs::path trace = alone.path() / "startup_trace.txt";
  StageTimes stages;
  std::vector<double> ours, baseline;
  Starts(alone.path() / "Option.exe", minimal, trace, stages, ours, baseline);
  const SampleSummary start = Summarise(ours);
  const SampleSummary startBaseline = Summarise(baseline);
  Report("process start to the first painted window", start, startBaseline);
  ReportStages(stages, startBaseline.median);

  // Apply beside a running monitor, in turns with a click in the minimal window.
  HANDLE minimalProcess = Launch(minimal);
  HWND minimalWindow = nullptr;
  PumpUntil([&] { return Painted(minimalWindow = FindWindowW(nullptr, L"MinimalBenchWindow")); },
            30000);
  MonitorProcess monitor;
  LayOutConfigurator(monitor.folder().path());
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  monitor.WriteCurrentProfile(p);
  std::vector<double> applies, baselineClicks;
  if (minimalWindow != nullptr && monitor.Start()) {
    OptionProcess option(monitor.folder().path());
    if (option.Start()) {
      Clicks(ControlWindow(option.window(), option.folder(), kApplyKey),
             FindWindowExW(minimalWindow, nullptr, L"BUTTON", nullptr), applies, baselineClicks);
    }
  }
  monitor.Exit();
  if (minimalWindow != nullptr) PostMessageW(minimalWindow, WM_CLOSE, 0, 0);
  if (minimalProcess != nullptr) {
    if (WaitForSingleObject(minimalProcess, 15000) != WAIT_OBJECT_0) {
      TerminateProcess(minimalProcess, 1);
    }
    CloseHandle(minimalProcess);
  }
  Report("click on Apply to the end of the apply (monitor reload included)", Summarise(applies),
         Summarise(baselineClicks));
  return 0;
}
