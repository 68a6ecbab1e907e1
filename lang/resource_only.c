// lan.dll holds nothing but its string table. It is linked without the C runtime, so the loader
// calls this function directly instead of the runtime's DLL start-up; there is nothing to set up
// or tear down, and every notification simply succeeds.

#include <windows.h>

BOOL WINAPI ResourceOnlyEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
