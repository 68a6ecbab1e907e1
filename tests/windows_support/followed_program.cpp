#include "tests/windows_support/followed_program.h"

#include <string>

#include "base/file_paths.h"
#include "platform/module_folder.h"
#include "tests/windows_support/pump.h"

namespace fs = std::filesystem;

FollowedProgram::~FollowedProgram() {
  if (HWND w = window()) PostMessageW(w, WM_CLOSE, 0, 0);
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
  CloseHandle(process_);
}

bool FollowedProgram::Start(const fs::path& copy) {
  std::error_code error;
  fs::copy_file(ToFilesystemPath(ProgramFolder()) / "front_window.exe", copy, error);
  if (error) return false;
  wchar_t longPath[MAX_PATH] = {};
  if (GetLongPathNameW(copy.wstring().c_str(), longPath, MAX_PATH) == 0) return false;
  path_ = reinterpret_cast<const char16_t*>(longPath);
  std::wstring commandLine = L"\"" + copy.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(copy.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  if (!PumpUntil([this] { return window() != nullptr; }, 10000)) return false;
  // A new program's window takes the front a moment after it appears; waited for here, so that it
  // cannot take it later from a window the test brought forward meanwhile.
  (void)PumpUntil([this] { return GetForegroundWindow() == window(); }, 2000);
  return true;
}

HWND FollowedProgram::window() const {
  return FindWindowW(L"FollowedFrontWindow", nullptr);
}

void FollowedProgram::MoveTo(int x, int y) const {
  SetWindowPos(window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

DWORD WINAPI RaiseForegroundEvent(void* window) {
  NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, static_cast<HWND>(window), OBJID_WINDOW, CHILDID_SELF);
  return 0;
}

}  // namespace

bool BringToFront(HWND window, bool raiseEvent) {
  SetForegroundWindow(window);
  if (!PumpUntil([window] { return GetForegroundWindow() == window; }, 5000)) return false;
  if (!raiseEvent) return true;
  // Raised from a thread of its own: Wine keeps, per thread, which kinds of hook exist, and a
  // thread that learnt it before the monitor set its event hook drops the event unraised.
  HANDLE thread = CreateThread(nullptr, 0, RaiseForegroundEvent, window, 0, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  return true;
}
