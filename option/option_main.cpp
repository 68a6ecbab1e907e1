// The configurator: one instance; its window shows the five profiles of the catalogue.

#include <windows.h>

#include <string>

#include "bridge/identities.h"
#include "platform/system_settings_context.h"
#include "platform/wide.h"
#include "settings/catalogue.h"

namespace {

SharedSettingsBlock g_loaded;

void PaintProfiles(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  SetBkMode(dc, TRANSPARENT);
  int y = 16;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    Text line = (slot == g_loaded.CurrentProfile ? Text(u"> ") : Text(u"  ")) +
                FormatInt(slot + 1) + u"  " + Text(FieldText(g_loaded.profiles[slot].ProFileName));
    TextOutW(dc, 16, y, Wide(line), static_cast<int>(line.size()));
    y += 22;
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK ConfiguratorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintProfiles(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, Wide(kConfiguratorMutex));
  if (instanceMutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(instanceMutex);
    return 0;
  }

  ResetSettingsBlock(g_loaded);
  LoadAllSettings(g_loaded, SystemSettingsContext());

  WNDCLASSW wc{};
  wc.lpfnWndProc = ConfiguratorWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"GamingMouseConfiguratorWindow";
  RegisterClassW(&wc);
  HWND window =
      CreateWindowExW(0, wc.lpszClassName, Wide(kConfiguratorTitle), WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 360, 200, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (instanceMutex != nullptr) CloseHandle(instanceMutex);
  return 0;
}
