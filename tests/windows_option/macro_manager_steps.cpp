#include "tests/windows_option/macro_manager_steps.h"

#include <algorithm>
#include <cctype>

#include "base/wide.h"
#include "bridge/device_simulation.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "skin/button_pos.h"
#include "skin/owner_menu_layout.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"

namespace fs = std::filesystem;

namespace macro_steps {

namespace {

BOOL CALLBACK FindSubmenu(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(data);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (window != found->first && std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
    found->second = window;
    return FALSE;
  }
  return TRUE;
}

struct MenuWindows {
  std::vector<HWND> shown;
};

BOOL CALLBACK CollectMenus(HWND window, LPARAM data) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32768" && IsWindowVisible(window))
    reinterpret_cast<MenuWindows*>(data)->shown.push_back(window);
  return TRUE;
}

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(data);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (GetWindow(window, GW_OWNER) == search->first && std::wstring(name) == L"#32770" &&
      IsWindowVisible(window)) {
    search->second = window;
    return FALSE;
  }
  return TRUE;
}

void InjectAt(DWORD flags, POINT point) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = static_cast<LONG>((point.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((point.y * 65536 + height - 1) / height);
  SendInput(1, &input, sizeof input);
}

}  // namespace

RECT ManagerControlRect(const fs::path& folder, int key) {
  wchar_t value[4096] = {};
  const std::wstring ini = (folder / "skins" / "skin_macro_manager.ini").wstring();
  GetPrivateProfileStringW(L"BUTTONPOS", std::to_wstring(key).c_str(), L"", value, 4096,
                           ini.c_str());
  const ButtonPosEntry entry = ParseButtonPos(FromWide(value));
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

POINT Middle(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickManagerControl(HWND manager, const fs::path& folder, int key) {
  ClickAt(Middle(OnScreen(manager, ManagerControlRect(folder, key))));
}

// The control at a key's place, disabled ones included.
HWND ManagerControl(HWND manager, const fs::path& folder, int key) {
  return ChildWindowFromPointEx(manager, Middle(ManagerControlRect(folder, key)), CWP_ALL);
}

HWND ManagerWindow() {
  HWND window = FindWindowW(nullptr, kManagerTitle);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int ListCount(HWND manager, int id) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(GetDlgItem(manager, id), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count))
    return -1;
  return static_cast<int>(static_cast<LONG_PTR>(count));
}

// Opens the function menu for `row` and its macro submenu, and clicks submenu line `line`:
// 0 the macro manager, then a separator, then the library's macros.
bool ChooseMacroEntry(const OptionProcess& option, int row, int line) {
  ClickControl(option.window(), option.folder(), kFirstRowKey + row);
  if (!option.WaitUntilIdle()) return false;
  ClickControl(option.window(), option.folder(), kFunctionMenuKey);
  if (!PumpUntil([] { return OpenMenuWindow() != nullptr; }, kWaitMs)) return false;
  if (!option.WaitUntilIdle()) return false;
  HWND root = OpenMenuWindow();
  POINT origin{0, 0};
  ClientToScreen(root, &origin);
  RECT popup{};
  GetWindowRect(root, &popup);
  const int height = MenuItemHeight(1001);
  // Root entry 0 opens the macro submenu.
  ClickAt(POINT{(popup.left + popup.right) / 2, origin.y + height / 2 + 2});
  std::pair<HWND, HWND> found{root, nullptr};
  if (!PumpUntil(
          [&] {
            found.second = nullptr;
            EnumWindows(&FindSubmenu, reinterpret_cast<LPARAM>(&found));
            return found.second != nullptr;
          },
          kWaitMs)) {
    return false;
  }
  if (!option.WaitUntilIdle()) return false;
  HWND submenu = found.second;
  POINT subOrigin{0, 0};
  ClientToScreen(submenu, &subOrigin);
  RECT sub{};
  GetWindowRect(submenu, &sub);
  int top = subOrigin.y;
  for (int i = 0; i < line; ++i) top += i == 1 ? MenuItemHeight(0) : height;
  ClickAt(POINT{(sub.left + sub.right) / 2, top + height / 2 + 1});
  return PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs);
}

HWND OpenMacroManager(const OptionProcess& option, int row) {
  if (!ChooseMacroEntry(option, row, 0)) return nullptr;
  if (!PumpUntil([] { return ManagerWindow() != nullptr; }, kWaitMs)) return nullptr;
  if (!option.WaitUntilIdle()) return nullptr;
  return ManagerWindow();
}

void Key(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  // The physical keyboard's keys: the captures take no other injected key.
  input.ki.dwExtraInfo = kDeviceSimulationMarker;
  SendInput(1, &input, sizeof input);
}

void Type(const std::string& keys) {
  for (char c : keys) {
    const WORD key = static_cast<WORD>(c == '\n' ? VK_RETURN : std::toupper(c));
    Key(key, false);
    PumpUntil([] { return false; }, 30);
    Key(key, true);
    PumpUntil([] { return false; }, 30);
  }
}

// Makes a macro named by typing `name` into the new row's box and pressing Enter.
bool AddMacro(const OptionProcess& option, HWND manager, const std::string& name) {
  const int before = ListCount(manager, kMacroListId);
  ClickManagerControl(manager, option.folder(), kNewMacro);
  if (!option.WaitUntilIdle()) return false;
  Type(name + "\n");
  if (!option.WaitUntilIdle()) return false;
  return ListCount(manager, kMacroListId) == before + 1;
}

MacroLibrary StoredLibrary(const fs::path& folder) {
  Win32PrivateProfile ini;
  MacroLibrary library;
  LoadMacroLibrary(library, MacroLibraryPath(Folder(folder)), ini);
  return library;
}

void RightClickAt(POINT point) {
  InjectAt(0, point);
  WaitForInputTaken(point);
  InjectAt(MOUSEEVENTF_RIGHTDOWN, point);
  WaitForInputTaken(point);
  InjectAt(MOUSEEVENTF_RIGHTUP, point);
}

// The middle of row `row` of a list of the manager, on the screen.
POINT ListRowPoint(HWND manager, int id, int row) {
  HWND list = GetDlgItem(manager, id);
  POINT point{20, row * 18 + 9};
  ClientToScreen(list, &point);
  return point;
}

// Waits for a menu window that is not among `known`; none when none opened in time.
HWND WaitForNewMenu(const std::vector<HWND>& known) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        MenuWindows menus;
        EnumWindows(&CollectMenus, reinterpret_cast<LPARAM>(&menus));
        for (HWND menu : menus.shown) {
          if (std::find(known.begin(), known.end(), menu) == known.end()) found = menu;
        }
        return found != nullptr;
      },
      kWaitMs);
  return found;
}

// Clicks line `line` of an open menu whose items are all one text line high.
void ClickMenuLine(HWND menu, int line) {
  POINT origin{0, 0};
  ClientToScreen(menu, &origin);
  RECT popup{};
  GetWindowRect(menu, &popup);
  const int height = MenuItemHeight(1001);
  ClickAt(POINT{(popup.left + popup.right) / 2, origin.y + line * height + height / 2 + 1});
}

HWND WaitForOwnedDialog(HWND owner) {
  std::pair<HWND, HWND> search{owner, nullptr};
  PumpUntil(
      [&] {
        EnumWindows(&FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
        return search.second != nullptr;
      },
      kWaitMs);
  return search.second;
}

MacroRecord StoredMacro(const char16_t* name, std::vector<MacroEvent> events) {
  MacroRecord record{};
  CopyToField(record.name, name);
  record.eventCount = static_cast<int32_t>(events.size());
  std::copy(events.begin(), events.end(), record.events);
  return record;
}

// Puts a full path into the open file dialog that `owner` owns and clicks its open or save
// button.
bool ChooseFileInDialog(HWND owner, const fs::path& file) {
  HWND dialog = WaitForOwnedDialog(owner);
  if (dialog == nullptr || !WaitUntilThreadIdle(dialog, kIdleWaitMs)) return false;
  // The name field is a combo box in the explorer-style dialog, a plain edit field otherwise.
  HWND name = GetDlgItem(dialog, 0x47c);
  if (name == nullptr) name = GetDlgItem(dialog, 0x480);
  HWND confirm = GetDlgItem(dialog, IDOK);
  if (name == nullptr || confirm == nullptr) return false;
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
  RECT button{};
  GetWindowRect(confirm, &button);
  ClickAt(Middle(button));
  return PumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kWaitMs);
}

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      &ignored);
  return text;
}

}  // namespace macro_steps
