#include <windows.h>

#include "monitor/monitor_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  CMonitorApp app;
  return app.Run(instance, commandLine);
}
