// The resident monitor: one instance per session, a hidden window that other programs find by its
// title, and the settings catalogue loaded and saved at start.

#include <windows.h>

#include "bridge/identities.h"
#include "platform/system_settings_context.h"
#include "platform/wide.h"
#include "settings/catalogue.h"

namespace {

SharedSettingsBlock g_settings;

LRESULT CALLBACK MonitorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND CreateMonitorWindow(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = MonitorWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"GamingMouseMonitorWindow";
  if (!RegisterClassW(&wc)) return nullptr;
  // Pop-up, never shown, no taskbar button: its title is only the monitor's address.
  return CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName,
                         reinterpret_cast<const wchar_t*>(kMonitorTitle), WS_POPUP, 100, 100, 100,
                         100, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(kMonitorMutex));
  if (instanceMutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(instanceMutex);
    return 0;
  }

  SettingsContext context = SystemSettingsContext();
  ResetSettingsBlock(g_settings);
  LoadAllSettings(g_settings, context);

  HWND window = CreateMonitorWindow(instance);
  if (window == nullptr) return 1;

  SaveAllSettings(g_settings, context);
  WriteMonitorStarted(context);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (instanceMutex != nullptr) {
    ReleaseMutex(instanceMutex);
    CloseHandle(instanceMutex);
  }
  return 0;
}
