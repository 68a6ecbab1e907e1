#include "option/option_app.h"

#include <commctrl.h>

#include <memory>

#include "base/wide.h"
#include "bridge/identities.h"
#include "option/configurator_window.h"
#include "skin/menu_frame_hook.h"
#include "ui/gdiplus_session.h"
#include "ui/startup_trace.h"

OptionApp::~OptionApp() {
  ExitInstance();
}

bool OptionApp::InitInstance() {
  instanceMutex_ = CreateMutexW(nullptr, FALSE, Wide(kConfiguratorMutex));
  if (instanceMutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    // The running copy is not brought forward: the monitor is the one that does that.
    CloseHandle(instanceMutex_);
    instanceMutex_ = nullptr;
    return false;
  }

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  // GDI+ starts once for the whole run (the session ends it when the process ends).
  GdiplusReady();
  TraceStartup("GDI+ started");

  auto window = std::make_unique<ConfiguratorWindow>();
  window->DoModal(nullptr);
  window.reset();
  return true;
}

int OptionApp::ExitInstance() {
  RemoveMenuFrameHook();  // set by the main window once it was created
  if (instanceMutex_ != nullptr) {
    ReleaseMutex(instanceMutex_);
    CloseHandle(instanceMutex_);
    instanceMutex_ = nullptr;
  }
  return 0;
}
