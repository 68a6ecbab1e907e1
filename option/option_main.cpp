// The configurator's entry point.

#include <windows.h>

#include "option/option_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  COptionApp app;
  app.InitInstance();
  return app.ExitInstance();
}
