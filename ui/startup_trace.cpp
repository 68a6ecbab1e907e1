#include "ui/startup_trace.h"

#include <windows.h>

#include <string>

#include "ui/startup_trace_line.h"

namespace {

struct Trace {
  HANDLE file = INVALID_HANDLE_VALUE;
  int64_t anchorSinceCreation100ns = 0;  // wall clock: the only clock process creation has
  LARGE_INTEGER anchor{};                // the counter at that same moment
  LARGE_INTEGER frequency{};
};

int64_t FileTimeValue(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                              time.dwLowDateTime);
}

Trace OpenTrace() {
  Trace trace;
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"OPTION_STARTUP_TRACE", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return trace;
  FILETIME creation{}, exit{}, kernel{}, user{}, now{};
  if (!GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user)) return trace;
  QueryPerformanceFrequency(&trace.frequency);
  QueryPerformanceCounter(&trace.anchor);
  GetSystemTimeAsFileTime(&now);  // the precise one is not on every supported system
  trace.anchorSinceCreation100ns = FileTimeValue(now) - FileTimeValue(creation);
  trace.file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  return trace;
}

Trace& ThisTrace() {
  static Trace trace = OpenTrace();
  return trace;
}

}  // namespace

void TraceStartup(const char* stage) {
  Trace& trace = ThisTrace();
  if (trace.file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  const std::string line = FormatStartupTraceLine(
      StartupMilliseconds(trace.anchorSinceCreation100ns, now.QuadPart - trace.anchor.QuadPart,
                          trace.frequency.QuadPart),
      stage);
  DWORD written = 0;
  // A trace that cannot be written is only a trace: the program goes on.
  (void)WriteFile(trace.file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void FinishStartupTrace(const char* stage) {
  TraceStartup(stage);
  Trace& trace = ThisTrace();
  if (trace.file == INVALID_HANDLE_VALUE) return;
  CloseHandle(trace.file);
  trace.file = INVALID_HANDLE_VALUE;
}
