// The configurator's entry point.

#include <windows.h>

#include "option/option_app.h"
#include "platform/library_search.h"
#include "ui/startup_trace.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TraceStartup("entry");
  RestrictLibrarySearch();
  OptionApp app;
  app.InitInstance();
  return app.ExitInstance();
}
