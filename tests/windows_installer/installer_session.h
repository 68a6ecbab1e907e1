#pragma once
// What the installer's tests do from outside, as a user or the system would: run the setup and the
// uninstaller, read what they left in the registry and the folders, find the monitor they start,
// and walk the setup's pages.

#include <windows.h>

#include <optional>
#include <string>

// %LOCALAPPDATA%\Programs\<product>, where a default installation goes.
std::wstring DefaultInstallFolder();
// The Start menu shortcut to the configurator.
std::wstring ShortcutPath();
// The setup program under test (INSTALLER_SETUP); empty when not given.
std::wstring SetupPath();

// Runs a command line to its end; its exit code, or nothing when it could not start or did not
// end within the time.
std::optional<DWORD> RunToEnd(const std::wstring& commandLine, DWORD timeoutMs = 180000);
// Starts a command line from `folder` and returns its process handle (null when it failed).
HANDLE StartProcess(const std::wstring& commandLine, const std::wstring& folder);

// A text value under HKCU; nothing when the key or the value is missing.
std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name);
std::optional<DWORD> ReadUserNumber(const wchar_t* key, const wchar_t* name);
bool UserKeyExists(const wchar_t* key);

// The names in a folder, sorted, without "." and ".."; empty when there is no such folder.
std::wstring ListFolder(const std::wstring& folder);
// A version resource's string value of a file ("ProductVersion", ...), empty when missing.
std::wstring FileVersionText(const std::wstring& path, const wchar_t* name);

// The running monitor's window, found as the installer finds it; null when none runs.
HWND MonitorWindow();
// Waits until a monitor's window exists (or, with `present` false, until none does).
bool WaitForMonitor(bool present, DWORD timeoutMs = 30000);
// The configurator's main window; null when none is open.
HWND ConfiguratorWindow();
// The running monitor's process, opened for waiting; null when none runs.
HANDLE OpenMonitorProcess();
