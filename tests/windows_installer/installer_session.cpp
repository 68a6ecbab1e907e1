#include "tests/windows_installer/installer_session.h"

#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/wide.h"
#include "bridge/identities.h"
#include "installer_names.h"
#include "tests/windows_support/pump.h"

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

}  // namespace

std::wstring DefaultInstallFolder() {
  return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\" + kProductName;
}

std::wstring ShortcutPath() {
  return KnownFolder(FOLDERID_Programs) + L"\\" + kProductName + L".lnk";
}

std::wstring SetupPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"INSTALLER_SETUP", path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(path) : std::wstring();
}

HANDLE StartProcess(const std::wstring& commandLine, const std::wstring& folder) {
  std::wstring mutableLine = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

std::optional<DWORD> RunToEnd(const std::wstring& commandLine, DWORD timeoutMs) {
  HANDLE process = StartProcess(commandLine, L"");
  if (process == nullptr) return std::nullopt;
  std::optional<DWORD> result;
  if (PumpUntil([process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; },
                timeoutMs)) {
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    result = code;
  }
  CloseHandle(process);
  return result;
}

std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof buffer - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

std::optional<DWORD> ReadUserNumber(const wchar_t* key, const wchar_t* name) {
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool UserKeyExists(const wchar_t* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

std::wstring ListFolder(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().wstring());
  }
  std::sort(names.begin(), names.end());
  std::wstring joined;
  for (const std::wstring& name : names) joined += (joined.empty() ? L"" : L" ") + name;
  return joined;
}

std::wstring FileVersionText(const std::wstring& path, const wchar_t* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return L"";
  std::vector<uint8_t> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return L"";
  // The programs' resources hold one string table: US English, Unicode.
  const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) return L"";
  return static_cast<const wchar_t*>(value);
}

HWND MonitorWindow() {
  return FindWindowW(Wide(kMonitorWindowClass), Wide(kMonitorTitle));
}

bool WaitForMonitor(bool present, DWORD timeoutMs) {
  return PumpUntil([present] { return (MonitorWindow() != nullptr) == present; }, timeoutMs);
}

HWND ConfiguratorWindow() {
  return FindWindowW(nullptr, Wide(kConfiguratorTitle));
}

HANDLE OpenMonitorProcess() {
  HWND window = MonitorWindow();
  if (window == nullptr) return nullptr;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
}
