// Linked into every Wine test program: as the program starts, it creates the file named by
// WINE_RUN_STARTED_MARK. The launcher (scripts/wine-run.sh) may start a program once more only
// when that file is missing, that is when the program provably never ran a line of its own; a
// test that ran and failed is never repeated.

#include <windows.h>

namespace {

bool MarkStarted() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"WINE_RUN_STARTED_MARK", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const HANDLE file =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Runs during static initialisation, before main and before any test.
[[maybe_unused]] const bool g_markedStarted = MarkStarted();

}  // namespace
