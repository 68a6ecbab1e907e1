// Started by the monitor in tests: appends one line, "launched <its working folder>", to
// "<its own path>.log", so a test can count how often a button launched it and where.

#include <windows.h>

#include <cstdio>

int main() {
  wchar_t path[MAX_PATH + 8] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  lstrcatW(path, L".log");
  wchar_t folder[MAX_PATH] = {};
  char folderUtf8[4 * MAX_PATH] = {};
  if (GetCurrentDirectoryW(MAX_PATH, folder) == 0 ||
      WideCharToMultiByte(CP_UTF8, 0, folder, -1, folderUtf8, sizeof folderUtf8, nullptr,
                          nullptr) == 0) {
    return 1;
  }
  FILE* log = _wfopen(path, L"a");
  if (log == nullptr) return 1;
  std::fprintf(log, "launched %s\n", folderUtf8);
  std::fclose(log);
  return 0;
}
