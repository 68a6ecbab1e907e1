// How faithfully the monitor keeps a macro's recorded pauses: a 40-event macro with pauses from
// 1 to 200 ms, played several times; every observed gap between two injected keys is compared
// with the pause recorded between them. Prints median and p99 of the error; never fails.

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/bench_stats.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace {

constexpr int kPlays = 5;
constexpr int kMiddle = 2;
constexpr uint8_t kUsageA = 0x04;
constexpr uint16_t kPauses[20] = {1,  2,  3,  4,  5,  7,   10,  15,  20,  30,
                                  40, 50, 60, 75, 90, 110, 130, 150, 175, 200};

}  // namespace

int main() {
  MonitorProcess monitor;
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  ButtonAssignment& macro = p.MacroKeyInfo[kMiddle];
  macro.functionCode = 16;
  macro.repeatCount = 1;
  macro.eventCount = kMaxMacroEvents;
  // A pressed and released in turn; the pauses run up and then down again.
  for (int i = 0; i < kMaxMacroEvents; ++i) {
    const uint16_t pause = i < 20 ? kPauses[i] : kPauses[39 - i];
    macro.events[i] = {kUsageA, static_cast<uint8_t>(i % 2 == 0 ? kMacroPress : kMacroRelease),
                       pause};
  }
  monitor.WriteCurrentProfile(p);
  if (!monitor.Start()) {
    std::fprintf(stderr, "the monitor did not start\n");
    return 0;
  }

  std::vector<double> errors;
  std::vector<double> absolute;
  InjectionObserver observer;
  for (int play = 0; play < kPlays && observer.installed(); ++play) {
    observer.Clear();
    SimulateMouse(MOUSEEVENTF_MIDDLEDOWN);
    SimulateMouse(MOUSEEVENTF_MIDDLEUP);
    if (!observer.WaitFor(kMaxMacroEvents, 20000)) {
      std::fprintf(stderr, "play %d: %zu of %d events seen\n", play, observer.seen().size(),
                   kMaxMacroEvents);
      break;
    }
    observer.Idle(300);
    const auto& seen = observer.seen();
    for (int i = 0; i + 1 < kMaxMacroEvents; ++i) {
      const double gap = CounterMilliseconds(seen[i].counter, seen[i + 1].counter);
      const double error = gap - macro.events[i].delay;
      errors.push_back(error);
      absolute.push_back(std::fabs(error));
    }
  }
  monitor.Exit();

  std::printf("macro pause fidelity (%d plays of 40 events, pauses 1 to 200 ms)\n", kPlays);
  PrintSummary("  error (observed - recorded)", Summarise(errors), "ms");
  PrintSummary("  |error|", Summarise(absolute), "ms");
  return 0;
}
