// configurator_picture <name>: waits for the configurator's window to be shown and painted, saves
// its picture as <screenshots>\<name>.png (SCREENSHOT_DIR when set) and prints the path written.
// make run uses it to show what it started on a display nobody sees.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/wide.h"
#include "bridge/identities.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/window_picture.h"

namespace {

// A window that has not painted yet comes back in one colour.
bool ShowsMoreThanOneColour(HWND window) {
  int width = 0;
  int height = 0;
  const std::vector<uint8_t> pixels = CaptureWindowPixels(window, width, height);
  for (size_t i = 4; i + 2 < pixels.size(); i += 4) {
    if (pixels[i] != pixels[0] || pixels[i + 1] != pixels[1] || pixels[i + 2] != pixels[2]) {
      return true;
    }
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring wideName = argc > 1 ? argv[1] : L"configurator";
  const std::string name(wideName.begin(), wideName.end());
  HWND window = nullptr;
  const bool painted = PumpUntil(
      [&window] {
        window = FindWindowW(nullptr, Wide(kConfiguratorTitle));
        return window != nullptr && IsWindowVisible(window) && ShowsMoreThanOneColour(window);
      },
      120000);
  if (!painted) {
    std::fprintf(stderr, "configurator_picture: no painted configurator window within 120 s\n");
    return 1;
  }
  const std::wstring written = SaveWindowPicture(window, name);
  if (written.empty()) {
    std::fprintf(stderr, "configurator_picture: the picture could not be written\n");
    return 1;
  }
  std::printf("%ls\n", written.c_str());
  return 0;
}
