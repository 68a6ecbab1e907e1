#pragma once
// Whether a test program runs under Wine, for the few checks that record Wine's known
// differences from Windows.

#include <windows.h>

inline bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
