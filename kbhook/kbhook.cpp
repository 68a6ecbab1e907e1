// The mouse-hook library's entry points. For now they only keep the monitor's window and the
// reporting switch; no hook is installed yet, so no button reports are posted.

#include <windows.h>

namespace {
HWND g_hReportWindow = nullptr;
int g_iReportingEnabled = 0;
}  // namespace

extern "C" {

BOOL installmousehook(HWND window) {
  g_hReportWindow = window;
  return TRUE;
}

BOOL removemousehook() {
  g_hReportWindow = nullptr;
  return TRUE;
}

void enablemousehook(int enable) { g_iReportingEnabled = enable; }

}  // extern "C"
