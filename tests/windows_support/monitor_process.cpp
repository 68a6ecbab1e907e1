#include "tests/windows_support/monitor_process.h"

#include <filesystem>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "platform/module_folder.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "tests/windows_support/process_handles.h"

namespace fs = std::filesystem;

MonitorProcess::MonitorProcess() {
  const fs::path binaries = ToFilesystemPath(ProgramFolder());
  for (const char* file : {"Monitor.exe", "Option.exe", "KBHook.dll", "lan.dll"}) {
    fs::copy_file(binaries / file, dir_.path() / file);
  }
  fs::create_directory(dir_.path() / "config");
}

MonitorProcess::~MonitorProcess() {
  if (process_ == nullptr) return;
  if (Running()) {
    Exit();
    if (Running()) TerminateProcess(process_, 1);
  }
  CloseHandle(process_);
}

void MonitorProcess::WriteCurrentProfile(const ProfileSettings& profile) const {
  Win32PrivateProfile ini;
  (void)SaveProfile(profile, SlotFilePath(installFolder(), 0));
  IniFile(ConfigIniPath(installFolder()), ini).WriteInt(u"Setting", u"CurrentProfile", 0);
}

HANDLE MonitorProcess::Launch(const std::wstring& arguments) const {
  std::wstring exe = (dir_.path() / "Monitor.exe").wstring();
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir_.path().wstring().c_str(), &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

bool MonitorProcess::Start(const std::wstring& arguments, bool waitForWindow) {
  process_ = Launch(arguments);
  if (process_ == nullptr) return false;
  if (!waitForWindow) return true;
  // The window exists (and can be found) while its creation is still starting the monitor up,
  // and the macro worker waits for messages long before the window's thread does, so the process
  // looks idle early. The hooks are the last steps of start-up: once the keyboard hook's thread
  // and the hook library's thread run beside the window's and the worker's, start-up is over but
  // for its return, which the sent message below waits for.
  WaitForInputIdle(process_, 30000);
  if (!PumpUntil([this] { return (window() != nullptr && ThreadCount() >= 4) || !Running(); },
                 30000)) {
    return false;
  }
  if (window() == nullptr) return false;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
  return true;
}

int MonitorProcess::ThreadCount() const {
  return CountThreadsOf(GetProcessId(process_));
}

HWND MonitorProcess::window() const {
  return FindWindowW(nullptr, Wide(kMonitorTitle));
}

bool MonitorProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool MonitorProcess::Exit(DWORD timeoutMs) {
  if (HWND w = window()) PostMessageW(w, WM_COMMAND, kCmdExitMonitor, 0);
  return PumpUntil([this] { return !Running(); }, timeoutMs);
}

int MonitorProcess::RunSecondInstance(const std::wstring& arguments, DWORD timeoutMs) {
  HANDLE second = Launch(arguments);
  if (second == nullptr) return -1;
  int code = -1;
  if (PumpUntil([second] { return WaitForSingleObject(second, 0) == WAIT_OBJECT_0; }, timeoutMs)) {
    DWORD exitCode = 0;
    GetExitCodeProcess(second, &exitCode);
    code = static_cast<int>(exitCode);
  } else {
    TerminateProcess(second, 1);
  }
  CloseHandle(second);
  return code;
}
