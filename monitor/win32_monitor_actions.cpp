#include "monitor/win32_monitor_actions.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "base/wide.h"
#include "monitor/dispatch/launch_target.h"
#include "monitor/macro_worker.h"
#include "monitor/zoom/zoom.h"
#include "platform/shell_worker.h"

namespace {

std::u16string ClassNameOf(HWND window, int capacity) {
  std::wstring name(static_cast<size_t>(capacity) + 1, L'\0');
  const int n = window != nullptr ? GetClassNameW(window, name.data(), capacity + 1) : 0;
  return std::u16string(reinterpret_cast<const char16_t*>(name.data()),
                        static_cast<size_t>(n > 0 ? n : 0));
}

}  // namespace

void Win32MonitorActions::LaunchProgram(const std::u16string& path) {
  // A relative name would be found through the current folder or the search path, where another
  // program can put a file of that name.
  const std::optional<LaunchTarget> target = LaunchTargetOf(path);
  if (shell_ == nullptr || !target) return;
  shell_->Run([target = *target](IShellDispatch*) {
    // Checked on the shell's thread: a path on a slow share never holds up the buttons.
    const DWORD attributes = GetFileAttributesW(Wide(target.path));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return;
    }
    ShellExecuteW(nullptr, L"open", Wide(target.path), nullptr, Wide(target.folder), SW_SHOW);
  });
}

namespace {

void OpenDrivesFolderHere() {
  LPITEMIDLIST drives = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives))) drives = nullptr;
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_IDLIST;
  info.lpIDList = drives;
  info.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&info);
  if (drives != nullptr) {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
      allocator->Free(drives);
      allocator->Release();
    }
  }
}

}  // namespace

void Win32MonitorActions::OpenDrivesFolder() {
  if (shell_ != nullptr) shell_->Run([](IShellDispatch*) { OpenDrivesFolderHere(); });
}

void Win32MonitorActions::MaximiseForegroundWindow() {
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr || ClassNameOf(foreground, 100) == u"Shell_TrayWnd") return;
  PostMessageW(foreground, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

void Win32MonitorActions::MinimiseForegroundWindow() {
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr || (GetWindowLongW(foreground, GWL_STYLE) & WS_MINIMIZE)) return;
  const std::u16string name = ClassNameOf(foreground, 100);
  if (name == u"Shell_TrayWnd" || name == u"SysTabControl32") return;
  PostMessageW(foreground, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void Win32MonitorActions::StartOrStopMacro(const MacroRequest& macro) {
  if (macros_ != nullptr) macros_->StartOrStop(macro);
}

void Win32MonitorActions::Zoom(ZoomDirection direction) {
  POINT at{};
  GetCursorPos(&at);
  HWND under = WindowFromPoint(at);
  const std::u16string name = ClassNameOf(under, 260);
  std::u16string grandparent;
  if (IsWebViewClass(name)) {
    HWND parent = under != nullptr ? GetParent(under) : nullptr;
    grandparent = ClassNameOf(parent != nullptr ? GetParent(parent) : nullptr, 260);
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(grandparent.c_str()));
  }
  const bool foreground = under != nullptr && GetAncestor(under, GA_ROOT) == GetForegroundWindow();
  SendZoomGesture(sink_, ReachableZoomTarget(ClassifyZoomTarget(name, grandparent), foreground),
                  direction);
}

void Win32MonitorActions::StartTimer(uint32_t id, uint32_t periodMs) {
  SetTimer(window_, id, periodMs, nullptr);
}

void Win32MonitorActions::StopTimer(uint32_t id) {
  KillTimer(window_, id);
}

void Win32MonitorActions::Debug(std::string_view text) {
  OutputDebugStringA(std::string(text).c_str());
}
