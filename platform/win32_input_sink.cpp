#include "platform/win32_input_sink.h"

#include <shldisp.h>

#include "platform/shell_worker.h"
#include "platform/system_function.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {
constexpr uint16_t kScanCodeA = 0x1E;
}  // namespace

uint16_t Win32KeyboardLayout::ScanCodeOf(uint8_t virtualKey) const {
  return static_cast<uint16_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
}

uint8_t Win32KeyboardLayout::VirtualKeyAt(uint16_t scanCode) const {
  return static_cast<uint8_t>(MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX));
}

Win32InputSink::Win32InputSink(ShellWorker* shell) : shell_(shell) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);  // never fails on Windows XP and later
  counterFrequency_ = static_cast<uint64_t>(frequency.QuadPart);
  preciseTimer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                         TIMER_ALL_ACCESS);
  // A thread's first key translation loads the keyboard layout for it (10 to 20 ms under Wine);
  // done here, on the thread that will inject, so that a macro's first key is not that late and
  // the keys due just after it do not follow in a bunch.
  layout_.VirtualKeyAt(kScanCodeA);
  // Only a system without that timer needs the multimedia library; it is loaded here, at start,
  // so that no pause ever waits for it.
  if (preciseTimer_ == nullptr) {
    beginPeriod_ = SystemFunction<TimePeriodFunction>(L"winmm.dll", "timeBeginPeriod");
    endPeriod_ = SystemFunction<TimePeriodFunction>(L"winmm.dll", "timeEndPeriod");
  }
}

Win32InputSink::~Win32InputSink() {
  if (preciseTimer_ != nullptr) CloseHandle(preciseTimer_);
}

void Win32InputSink::SendKey(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scanCode;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void Win32InputSink::SendMouse(uint32_t flags, int32_t data, MouseExtraInfo extra) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = static_cast<DWORD>(data);
  input.mi.dwExtraInfo =
      extra == MouseExtraInfo::kCurrentMessage ? static_cast<ULONG_PTR>(GetMessageExtraInfo()) : 0;
  SendInput(1, &input, sizeof input);
}

// Windows' default timer granularity (about 15.6 ms) would stretch every 1 to 2 ms pause of a key
// chord and every short macro delay many times over. A high-resolution waitable timer (Windows 10
// 1803 and later) waits about a millisecond without changing anything system-wide; elsewhere the
// timer resolution is raised to 1 ms only for the length of each pause, so that the system runs
// at its usual resolution whenever the monitor is not performing input.
void Win32InputSink::Sleep(uint32_t milliseconds) {
  if (milliseconds == 0 || WaitOnPreciseTimer(uint64_t{milliseconds} * 1000)) return;
  SleepAtFineResolution(milliseconds);
}

void Win32InputSink::SleepAtFineResolution(DWORD milliseconds) {
  const bool raised = beginPeriod_ != nullptr && endPeriod_ != nullptr && beginPeriod_(1) == 0;
  ::Sleep(milliseconds);
  if (raised) endPeriod_(1);
}

bool Win32InputSink::WaitOnPreciseTimer(uint64_t microseconds) {
  if (preciseTimer_ == nullptr) return false;
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(microseconds) * 10;  // relative, 100 ns units
  if (!SetWaitableTimer(preciseTimer_, &due, 0, nullptr, nullptr, FALSE)) return false;
  WaitForSingleObject(preciseTimer_, INFINITE);
  return true;
}

uint64_t Win32InputSink::NowMicroseconds() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<uint64_t>(counter.QuadPart);
  // Whole seconds and the rest apart, so that the product cannot overflow.
  return ticks / counterFrequency_ * 1000000 +
         ticks % counterFrequency_ * 1000000 / counterFrequency_;
}

// The timer is set relative to now: its absolute time is the system clock, which can be set or
// adjusted, while the deadline is on the performance counter. The high-resolution timer wakes
// within a fraction of a millisecond without spinning. Without it, Sleep at 1 ms resolution may
// end up to a millisecond early (it counts in whole ticks), so the rest is given away with Sleep(0)
// until the deadline: never more than about a millisecond of yielding per wait.
void Win32InputSink::SleepUntil(uint64_t deadlineMicroseconds) {
  uint64_t now = NowMicroseconds();
  if (now >= deadlineMicroseconds) return;
  const uint64_t remaining = deadlineMicroseconds - now;
  if (WaitOnPreciseTimer(remaining)) return;
  SleepAtFineResolution(static_cast<DWORD>(remaining / 1000));
  while (NowMicroseconds() < deadlineMicroseconds) ::Sleep(0);
}

// Called directly rather than through a helper program found on the search path, which another
// program could stand in for. The call only starts the lock and returns at once.
void Win32InputSink::LockWorkstation() {
  ::LockWorkStation();
}

void Win32InputSink::Shell(ShellRequest request) {
  if (shell_ == nullptr) return;
  // The Shell object's dialogs open on the worker, whose apartment owns the object.
  shell_->Run([request](IShellDispatch* shell) {
    if (shell == nullptr) return;
    if (request == ShellRequest::kFindFiles) shell->FindFiles();
    if (request == ShellRequest::kFileRun) shell->FileRun();
  });
}
