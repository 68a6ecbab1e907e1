// Started by the monitor in tests: appends one line to "<its own path>.log", so a test can count
// how often a button launched it.

#include <windows.h>

#include <cstdio>

int main() {
  wchar_t path[MAX_PATH + 8] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  lstrcatW(path, L".log");
  FILE* log = _wfopen(path, L"a");
  if (log == nullptr) return 1;
  std::fputs("launched\n", log);
  std::fclose(log);
  return 0;
}
