#include <windows.h>

#include "monitor/monitor_app.h"
#include "platform/library_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  RestrictLibrarySearch();
  MonitorApp app;
  return app.Run(instance, commandLine);
}
