#pragma once
// The monitor program: one instance per session; a second one only forwards "1" to the first.

#include <windows.h>

class MonitorApp {
 public:
  int Run(HINSTANCE instance, const wchar_t* commandLine);
};
