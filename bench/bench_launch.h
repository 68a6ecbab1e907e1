#pragma once
// Starting a program of the build folder for a benchmark, in its own folder as a user would.

#include <windows.h>

#include <filesystem>
#include <string>

// The new process's handle (the caller closes it), or null when it could not be started.
inline HANDLE Launch(const std::filesystem::path& exe) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      exe.parent_path().wstring().c_str(), &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}
