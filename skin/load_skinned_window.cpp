#include "skin/load_skinned_window.h"

#include "settings/ini_file.h"
#include "settings/read_once_profile.h"
#include "skin/picture_loader.h"
#include "ui/startup_trace.h"

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

void LoadSkinnedWindow(HWND window, const Text& fileName, const std::vector<SkinControl>& controls,
                       SkinDescription& description) {
  const Text folder = SkinFolder();
  // Read once: every control below looks up its place in it.
  ReadOnceProfile profile;
  const IniFile ini(folder + fileName, profile);
  const Text screen = u"SCREEN";
  const Text maskName = ini.ReadString(screen, u"Mask", u"");
  const Text normalName = ini.ReadString(screen, u"Normal", u"");
  const Text overName = ini.ReadString(screen, u"Over", u"");
  const Text downName = ini.ReadString(screen, u"Down", u"");
  const Text disableName = ini.ReadString(screen, u"Disable", u"");
  TraceStartup("skin description read");

  // A window that loads its description again keeps no picture of the last one.
  description.Release();
  PictureLoader(folder + maskName, description.mask);
  PictureLoader(folder + normalName, description.background);
  PictureLoader(folder + overName, description.over);
  PictureLoader(folder + downName, description.down);
  PictureLoader(folder + disableName, description.disable);
  description.size = BitmapSize(description.background);
  const SkinStateImages images = description.StateImages();
  TraceStartup("pictures decoded");

  if (window != nullptr) {
    MoveWindow(window, 0, 0, description.size.cx, description.size.cy, TRUE);
  }

  description.entries.clear();
  description.entries.reserve(controls.size());
  for (const SkinControl& control : controls) {
    const ButtonPosEntry entry =
        ParseButtonPos(ini.ReadString(u"BUTTONPOS", FormatInt(control.key), u""));
    description.entries.push_back(entry);
    if (control.create) control.create(entry, images);
  }
  TraceStartup("controls created");
}
