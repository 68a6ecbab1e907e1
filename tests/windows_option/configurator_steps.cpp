#include "tests/windows_option/configurator_steps.h"

#include <string>

#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "skin/menu_frame_hook.h"
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
    (void)SaveProfile(*profile, SlotFilePath(Folder(folder), slot));
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

namespace {

// Where root entry `entry` of an open menu is clicked: every root entry is one text line high;
// the menu's own top margin (a few pixels in some systems) stays inside the entry because the
// click aims below its middle.
POINT RootEntryPoint(HWND menu, int entry) {
  POINT origin{0, 0};
  ClientToScreen(menu, &origin);
  const int line = MenuItemHeight(1001);
  RECT popup{};
  GetWindowRect(menu, &popup);
  return POINT{(popup.left + popup.right) / 2, origin.y + entry * line + line / 2 + 2};
}

struct MenuSearch {
  HWND except;
  HWND found;
};

BOOL CALLBACK FindOtherMenu(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MenuSearch*>(data);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (window != search->except && std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

bool OpenFunctionMenu(const OptionProcess& option, int button) {
  ClickControl(option.window(), option.folder(), kFirstRowKey + button);
  if (!option.WaitUntilIdle()) return false;
  ClickControl(option.window(), option.folder(), kFunctionMenuKey);
  if (!PumpUntil([] { return OpenMenuWindow() != nullptr; }, kWaitMs)) return false;
  if (!option.WaitUntilIdle()) return false;
  // The menu has the program's flat frame: the frame hook is in place by the time a menu opens.
  return GetPropW(OpenMenuWindow(), kMenuOldProcProperty) != nullptr;
}

}  // namespace

bool ChooseFunction(const OptionProcess& option, int button, int entry, const char* screenshot) {
  if (!OpenFunctionMenu(option, button)) return false;
  HWND menu = OpenMenuWindow();
  if (screenshot != nullptr) {
    RECT window{}, popup{};
    GetWindowRect(option.window(), &window);
    GetWindowRect(menu, &popup);
    RECT both{};
    UnionRect(&both, &window, &popup);
    SaveScreenPicture(both, screenshot);
  }
  ClickAt(RootEntryPoint(menu, entry));
  return PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs);
}

HWND OpenMacroSubmenu(const OptionProcess& option, int button) {
  if (!OpenFunctionMenu(option, button)) return nullptr;
  HWND root = OpenMenuWindow();
  ClickAt(RootEntryPoint(root, 0));
  MenuSearch search{root, nullptr};
  PumpUntil(
      [&] {
        search.found = nullptr;
        EnumWindows(&FindOtherMenu, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      kWaitMs);
  if (search.found == nullptr || !option.WaitUntilIdle()) return nullptr;
  return search.found;
}

RECT MacroSubmenuEntry(HWND submenu, int index) {
  POINT origin{0, 0};
  ClientToScreen(submenu, &origin);
  RECT popup{};
  GetWindowRect(submenu, &popup);
  // The manager's line, the separator, then one line per macro.
  const int line = MenuItemHeight(1001);
  int top = origin.y;
  for (int i = 0; i < index; ++i) top += i == 1 ? MenuItemHeight(0) : line;
  const int height = index == 1 ? MenuItemHeight(0) : line;
  return RECT{popup.left, top, popup.right, top + height};
}
