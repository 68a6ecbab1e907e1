// How faithfully the monitor keeps a macro's recorded pauses: a 40-event macro with pauses from
// 1 to 200 ms, played several times; every observed gap between two injected keys is compared
// with the pause recorded between them, and the whole macro's length with the sum of its pauses.
// The baseline, in the same run and alternating with the monitor, is a bare player: a thread of
// this program that injects the same 40 keys at the same recorded times (start plus the pauses
// before each) with the monitor's own sink and timer, so it shows what the system's timer and
// input delivery allow. Prints the figures and their ratios; never fails.

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/bench_stats.h"
#include "input/win_input_values.h"
#include "platform/win32_input_sink.h"
#include "settings/profile_defaults.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

constexpr int kPlays = 12;  // enough gaps (468) that p99 is not one stray wake-up
constexpr int kMiddle = 2;
constexpr uint8_t kUsageA = 0x04;
constexpr uint16_t kPauses[20] = {1,  2,  3,  4,  5,  7,   10,  15,  20,  30,
                                  40, 50, 60, 75, 90, 110, 130, 150, 175, 200};

uint16_t PauseAfter(int event) {
  return event < 20 ? kPauses[event] : kPauses[39 - event];
}

// The pauses between the first and the last event: what the observed length should be.
double SumOfPausesMs() {
  double sum = 0;
  for (int i = 0; i + 1 < kMaxMacroEvents; ++i) sum += PauseAfter(i);
  return sum;
}

struct Figures {
  std::vector<double> errors;     // observed gap - recorded pause, ms
  std::vector<double> absolute;   // |error|, ms
  std::vector<double> overshoot;  // observed first-to-last length - sum of pauses, ms

  void Add(const std::vector<ObservedInput>& seen) {
    for (int i = 0; i + 1 < kMaxMacroEvents; ++i) {
      const double error =
          CounterMilliseconds(seen[i].counter, seen[i + 1].counter) - PauseAfter(i);
      errors.push_back(error);
      absolute.push_back(std::fabs(error));
    }
    overshoot.push_back(CounterMilliseconds(seen[0].counter, seen[kMaxMacroEvents - 1].counter) -
                        SumOfPausesMs());
  }
};

// The bare player: A down and up in turn, each at its absolute time on the sink's clock.
DWORD WINAPI BarePlay(LPVOID) {
  Win32InputSink sink(nullptr);
  const uint16_t scan = sink.Layout().ScanCodeOf('A');
  uint64_t due = sink.NowMicroseconds();
  for (int i = 0; i < kMaxMacroEvents; ++i) {
    sink.SleepUntil(due);
    sink.SendKey('A', scan, i % 2 == 0 ? 0 : kKeyEventKeyUp);
    due += uint64_t{PauseAfter(i)} * 1000;
  }
  return 0;
}

// Waits for one play's 40 keys and adds its figures; false when they did not all come.
bool Collect(const InjectionObserver& observer, const char* who, int play, Figures& figures) {
  if (!observer.WaitFor(kMaxMacroEvents, 20000)) {
    std::fprintf(stderr, "%s play %d: %zu of %d events seen\n", who, play, observer.seen().size(),
                 kMaxMacroEvents);
    return false;
  }
  observer.Idle(300);
  figures.Add(observer.seen());
  return true;
}

void Print(const char* who, const Figures& f) {
  std::printf("%s\n", who);
  PrintSummary("  error (observed - recorded)", Summarise(f.errors), "ms");
  PrintSummary("  |error|", Summarise(f.absolute), "ms");
  PrintSummary("  length - sum of pauses", Summarise(f.overshoot), "ms");
}

double Ratio(double a, double b) {
  return b > 0 ? a / b : 0;
}

}  // namespace

int main() {
  HANDLE highResolution = CreateWaitableTimerExW(
      nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  std::printf("high-resolution waitable timer: %s\n",
              highResolution != nullptr ? "available" : "not available (Sleep at 1 ms)");
  if (highResolution != nullptr) CloseHandle(highResolution);

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
    macro.events[i] = {kUsageA, static_cast<uint8_t>(i % 2 == 0 ? kMacroPress : kMacroRelease),
                       PauseAfter(i)};
  }
  monitor.WriteCurrentProfile(p);
  if (!monitor.Start()) {
    std::fprintf(stderr, "the monitor did not start\n");
    return 0;
  }

  Figures monitorFigures;
  Figures bareFigures;
  InjectionObserver observer;
  for (int play = 0; play < kPlays && observer.installed(); ++play) {
    observer.Clear();
    SimulateMouse(MOUSEEVENTF_MIDDLEDOWN);
    SimulateMouse(MOUSEEVENTF_MIDDLEUP);
    if (!Collect(observer, "monitor", play, monitorFigures)) break;

    observer.Clear();
    HANDLE bare = CreateThread(nullptr, 0, BarePlay, nullptr, 0, nullptr);
    if (bare == nullptr) break;
    const bool complete = Collect(observer, "bare player", play, bareFigures);
    WaitForSingleObject(bare, INFINITE);
    CloseHandle(bare);
    if (!complete) break;
  }
  monitor.Exit();

  std::printf("macro pause fidelity (%d plays of 40 events, pauses 1 to 200 ms, %.0f ms in all)\n",
              kPlays, SumOfPausesMs());
  Print("monitor", monitorFigures);
  Print("bare player (baseline)", bareFigures);
  const SampleSummary monitorAbs = Summarise(monitorFigures.absolute);
  const SampleSummary bareAbs = Summarise(bareFigures.absolute);
  std::printf("p99 |error| monitor / bare player: %.2f\n", Ratio(monitorAbs.p99, bareAbs.p99));
  return 0;
}
