// A lan.dll that carries code beside the real string table: its entry point leaves a mark in the
// process's environment, so a test can tell whether the programs ever ran it.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) SetEnvironmentVariableW(L"LAN_DLL_CODE_RAN", L"1");
  return TRUE;
}
