#include "tests/windows_support/live_settings.h"

#include <cstdio>
#include <string>

#include "base/file_paths.h"
#include "base/wide.h"
#include "platform/module_folder.h"

LiveSettings ReadLiveSettings() {
  LiveSettings live{};
  const std::wstring probe =
      (ToFilesystemPath(ProgramFolder()) / "live_settings_probe.exe").wstring();
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return live;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + probe + L"\"";
  if (CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &info)) {
    CloseHandle(writeEnd);
    writeEnd = nullptr;
    std::string out;
    char chunk[256];
    DWORD n = 0;
    while (ReadFile(readEnd, chunk, sizeof chunk, &n, nullptr) && n > 0) out.append(chunk, n);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    std::sscanf(out.c_str(), "%u %d %u %d %d %d", &live.doubleClick, &live.speed, &live.wheelLines,
                &live.mouse[0], &live.mouse[1], &live.mouse[2]);
  }
  if (writeEnd != nullptr) CloseHandle(writeEnd);
  CloseHandle(readEnd);
  return live;
}
