// Prints the pointer settings in force, as a fresh process sees them: Wine caches system
// parameters per process, so a long-running test cannot watch another process change them.
// Output: double-click time, pointer speed, wheel lines, then the three SPI_GETMOUSE values.

#include <windows.h>

#include <cstdio>

int main() {
  int speed = 0;
  UINT wheel = 0;
  int mouse[3] = {};
  SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0);
  SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
  std::printf("%u %d %u %d %d %d\n", GetDoubleClickTime(), speed, wheel, mouse[0], mouse[1],
              mouse[2]);
  return 0;
}
