// The monitor's start as a user's session meets it, beside the minimal one-window program in the
// same run: from process creation until the monitor's hooks are installed, and the memory the
// process holds right then. The hooks are the last steps of the monitor's window creation, so
// they are in place once the hook threads run beside the window's and the window answers a sent
// message (the window's thread takes it only after its creation returned). Prints medians; never
// fails.

#include <windows.h>
// after windows.h, which it builds on
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bench/bench_launch.h"
#include "bench/bench_poll.h"
#include "bench/bench_stats.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "platform/module_folder.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/process_handles.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStarts = 10;
constexpr DWORD kWaitMs = 30000;
// The monitor's window thread, its macro worker, its keyboard hook's thread and the hook
// library's thread (see MonitorProcess::Start).
constexpr int kMonitorThreadsWhenHooked = 4;

struct StartFigures {
  std::vector<double> milliseconds;
  std::vector<double> privateUsageKib;
  std::vector<double> privateCommitKib;
  std::vector<double> workingSetKib;
};

struct Memory {
  double privateUsageKib = -1;  // what the process-memory counters call private
  double privateCommitKib = 0;  // committed private pages, summed over the address space
  double workingSetKib = -1;
};

// Wine leaves PrivateUsage at zero for other processes, so the committed private pages are also
// summed region by region: the same quantity, counted where every system answers.
Memory MemoryOf(HANDLE process) {
  Memory memory;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    memory.privateUsageKib = static_cast<double>(counters.PrivateUsage) / 1024.0;
    memory.workingSetKib = static_cast<double>(counters.WorkingSetSize) / 1024.0;
  }
  MEMORY_BASIC_INFORMATION region{};
  for (const char* address = nullptr;
       VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
      memory.privateCommitKib += static_cast<double>(region.RegionSize) / 1024.0;
    }
    if (region.RegionSize == 0) break;
  }
  return memory;
}

// Starts `exe` kStarts times; each start counts once its window (titled `title`) exists, the
// process runs at least `threads` threads and the window answers. `close` ends the program.
StartFigures Starts(const fs::path& exe, const wchar_t* title, int threads,
                    void (*close)(HWND window)) {
  StartFigures figures;
  for (int i = 0; i < kStarts; ++i) {
    const LONGLONG start = CounterNow();
    HANDLE process = Launch(exe);
    if (process == nullptr) continue;
    HWND window = nullptr;
    const DWORD id = GetProcessId(process);
    bool started = PollUntil(
        [&] {
          window = FindWindowW(nullptr, title);
          return (window != nullptr && CountThreadsOf(id) >= threads) ||
                 WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        },
        kWaitMs, 1);
    DWORD_PTR ignored = 0;
    started = started && window != nullptr &&
              SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored) != 0;
    const double elapsed = CounterMilliseconds(start, CounterNow());
    if (started) {
      figures.milliseconds.push_back(elapsed);
      const Memory memory = MemoryOf(process);
      figures.privateUsageKib.push_back(memory.privateUsageKib);
      figures.privateCommitKib.push_back(memory.privateCommitKib);
      figures.workingSetKib.push_back(memory.workingSetKib);
    }
    if (window != nullptr) close(window);
    if (!PollUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, kWaitMs, 1)) {
      TerminateProcess(process, 1);
    }
    CloseHandle(process);
  }
  return figures;
}

void Report(const char* what, const char* unit, const std::vector<double>& monitor,
            const std::vector<double>& baseline) {
  const SampleSummary ours = Summarise(monitor);
  const SampleSummary base = Summarise(baseline);
  std::printf("%s\n", what);
  PrintSummary("  monitor", ours, unit);
  PrintSummary("  minimal window program", base, unit);
  if (base.median > 0) std::printf("  ratio of medians: %.1f\n", ours.median / base.median);
}

}  // namespace

int main() {
  const fs::path binaries = ToFilesystemPath(ProgramFolder());
  MonitorProcess installation;  // lays out the folder; the starts below are the benchmark's own
  ProfileSettings profile;
  std::memset(&profile, 0, sizeof profile);
  SetProfileDefaults(profile, 0);
  installation.WriteCurrentProfile(profile);

  const StartFigures monitor = Starts(
      installation.folder().path() / "Monitor.exe", Wide(kMonitorTitle), kMonitorThreadsWhenHooked,
      [](HWND window) { PostMessageW(window, WM_COMMAND, kCmdExitMonitor, 0); });
  const StartFigures baseline = Starts(binaries / "minimal_window.exe", L"MinimalBenchWindow", 1,
                                       [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); });
  Report("process start to the monitor's hooks installed (the baseline: its window answering)",
         "ms", monitor.milliseconds, baseline.milliseconds);
  Report("private memory right after that start (PrivateUsage)", "KiB", monitor.privateUsageKib,
         baseline.privateUsageKib);
  Report("committed private pages right after that start", "KiB", monitor.privateCommitKib,
         baseline.privateCommitKib);
  Report("working set right after that start", "KiB", monitor.workingSetKib,
         baseline.workingSetKib);
  return 0;
}
