// configurator_picture <name>: waits for the configurator's window to be shown and painted, saves
// its picture as <screenshots>\<name>.png (SCREENSHOT_DIR when set) and prints the path written.
// make run uses it to show what it started on a display nobody sees.

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/wide.h"
#include "bridge/identities.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/window_picture.h"

namespace {

constexpr size_t kPaintedColours = 16;
constexpr DWORD kSettleMs = 300;

// The window is another process's, so its picture is taken from the screen. Before it has
// painted, that area shows one or two colours (the desktop, an empty frame); the skin has many.
bool LooksPainted(const std::vector<uint8_t>& pixels) {
  std::set<uint32_t> colours;
  for (size_t i = 0; i + 3 < pixels.size() && colours.size() < kPaintedColours; i += 4) {
    colours.insert(pixels[i] | pixels[i + 1] << 8 | pixels[i + 2] << 16);
  }
  return colours.size() >= kPaintedColours;
}

// Painted, and the same as a moment ago: its controls' texts come after the background.
bool PaintedAndSettled(HWND window, std::vector<uint8_t>& previous) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return false;
  std::vector<uint8_t> pixels = CaptureScreenPixels(bounds);
  const bool settled = LooksPainted(pixels) && pixels == previous;
  previous = std::move(pixels);
  return settled;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring wideName = argc > 1 ? argv[1] : L"configurator";
  const std::string name(wideName.begin(), wideName.end());
  HWND window = nullptr;
  std::vector<uint8_t> previous;
  const bool painted = PumpUntil(
      [&window, &previous] {
        window = FindWindowW(nullptr, Wide(kConfiguratorTitle));
        if (window == nullptr || !IsWindowVisible(window)) return false;
        Sleep(kSettleMs);
        return PaintedAndSettled(window, previous);
      },
      120000);
  if (!painted) {
    std::fprintf(stderr, "configurator_picture: no painted configurator window within 120 s\n");
    return 1;
  }
  const std::wstring written = SaveScreenPicture(window, name);
  if (written.empty()) {
    std::fprintf(stderr, "configurator_picture: the picture could not be written\n");
    return 1;
  }
  std::printf("%ls\n", written.c_str());
  return 0;
}
