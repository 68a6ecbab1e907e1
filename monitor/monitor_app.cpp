#include "monitor/monitor_app.h"

#include <memory>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "monitor/monitor_window.h"

int MonitorApp::Run(HINSTANCE instance, const wchar_t* commandLine) {
  // Only the first character counts: "1" asks for the configurator as soon as the monitor runs.
  const bool openConfigurator = commandLine != nullptr && commandLine[0] == L'1';

  HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, Wide(kMonitorMutex));
  if (instanceMutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(instanceMutex);
    if (openConfigurator) {
      HWND running = FindWindowW(nullptr, Wide(kMonitorTitle));
      if (running != nullptr) PostMessageW(running, WM_COMMAND, kCmdShowConfigurator, 0);
    }
    return 0;
  }

  int exitCode = 0;
  {
    auto window = std::make_unique<MonitorWindow>();
    if (window->Create(instance, openConfigurator)) {
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      exitCode = static_cast<int>(msg.wParam);
    } else {
      exitCode = 1;  // the window could not be created
    }
  }
  if (instanceMutex != nullptr) {
    ReleaseMutex(instanceMutex);
    CloseHandle(instanceMutex);
  }
  return exitCode;
}
