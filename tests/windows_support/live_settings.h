#pragma once
// The pointer settings in force, read by a fresh process: Wine caches system parameters per
// process, so a long-running test cannot watch another process change them. Needs
// live_settings_probe.exe beside the test program.

#include <windows.h>

struct LiveSettings {
  UINT doubleClick;
  int speed;
  UINT wheelLines;
  int mouse[3];
};

LiveSettings ReadLiveSettings();
