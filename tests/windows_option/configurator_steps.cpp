#include "tests/windows_option/configurator_steps.h"

#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "skin/owner_menu_layout.h"
#include "tests/windows_support/pump.h"

Text Folder(const std::filesystem::path& path) {
  Text folder = path.u16string();
  if (folder.empty() || folder.back() != u'\\') folder += u'\\';
  return folder;
}

void WriteCatalogue(const std::filesystem::path& folder, int current, int namedSlot,
                    const char16_t* name) {
  Win32PrivateProfile ini;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    auto profile = std::make_unique<ProfileSettings>();
    SetProfileDefaults(*profile, slot);
    if (slot == namedSlot) {
      CopyToField(profile->ProFileName, name);
      profile->MacroKeyInfo[5].functionCode = kNamedSlotButton5Code;
    }
    SaveProfile(*profile, SlotFilePath(Folder(folder), slot), ini);
  }
  IniFile(ConfigIniPath(Folder(folder)), ini).WriteInt(u"Setting", u"CurrentProfile", current);
}

std::unique_ptr<ProfileSettings> ReadSlot(const std::filesystem::path& folder, int slot) {
  Win32PrivateProfile ini;
  auto profile = std::make_unique<ProfileSettings>();
  LoadProfile(*profile, SlotFilePath(Folder(folder), slot), ini);
  return profile;
}

int32_t StoredCurrentProfile(const std::filesystem::path& folder) {
  Win32PrivateProfile ini;
  return IniFile(ConfigIniPath(Folder(folder)), ini).ReadInt(u"Setting", u"CurrentProfile", -1);
}

double ShowsPicture(const OptionProcess& option, int key, const char* picture) {
  const RECT rect = MainControlRect(option.folder(), key);
  return MatchingShare(CaptureScreen(OnScreen(option.window(), rect)),
                       PictureRect(option.folder() / "skins" / picture, rect));
}

bool ShowsCheckedSlot(const OptionProcess& option, int slot) {
  return PumpUntil(
      [&] {
        for (int other = 0; other < kProfileCount; ++other) {
          const char* picture = other == slot ? "main_down.bmp" : "main_normal.bmp";
          if (ShowsPicture(option, kFirstSlotKey + other, picture) < 0.98) return false;
        }
        return true;
      },
      kWaitMs);
}

HWND OpenMenuWindow() {
  HWND menu = FindWindowW(MAKEINTATOM(0x8000), nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Opens the function menu for row `button`, saves a picture of it when `screenshot` is given,
// and clicks root entry `entry`. False when the menu did not open or close.
bool ChooseFunction(const OptionProcess& option, int button, int entry, const char* screenshot) {
  ClickControl(option.window(), option.folder(), kFirstRowKey + button);
  option.Settle();
  ClickControl(option.window(), option.folder(), kFunctionMenuKey);
  if (!PumpUntil([] { return OpenMenuWindow() != nullptr; }, kWaitMs)) return false;
  option.Settle();
  HWND menu = OpenMenuWindow();
  if (screenshot != nullptr) {
    RECT window{}, popup{};
    GetWindowRect(option.window(), &window);
    GetWindowRect(menu, &popup);
    RECT both{};
    UnionRect(&both, &window, &popup);
    SaveScreenPicture(both, screenshot);
  }
  // Every root entry is one text line high; the menu's own top margin (a few pixels in some
  // systems) stays inside the entry because the click aims below its middle.
  POINT origin{0, 0};
  ClientToScreen(menu, &origin);
  const int line = MenuItemHeight(1001);
  RECT popup{};
  GetWindowRect(menu, &popup);
  ClickAt(POINT{(popup.left + popup.right) / 2, origin.y + entry * line + line / 2 + 2});
  return PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs);
}
