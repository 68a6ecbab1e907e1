// The macro manager as a user meets it: opened from the function menu of a running Option.exe,
// a macro made, recorded with typed keys and kept with OK or dropped with Cancel; a kept macro is
// assigned to a button and, once applied, played by a running monitor.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "option/macros/macro_library.h"
#include "option/macros/win32_macro_file_operations.h"
#include "platform/wide.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/profile_defaults.h"
#include "skin/button_pos.h"
#include "skin/owner_menu_layout.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_monitor/injection_observer.h"
#include "tests/windows_monitor/monitor_process.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/pump.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kManagerTitle[] = L"Macro Manager";
constexpr int kExtraButton = 3;  // the row of the first extra button

// Keys of skin_macro_manager.ini.
constexpr int kOk = 1, kCancel = 2, kClose = 3, kNewMacro = 4, kDeleteMacro = 5, kRecord = 7;
constexpr int kRecordDelays = 8, kRepeatCount = 10, kImport = 12, kExport = 13;
constexpr int kMacroListId = 4096, kEventListId = 4097;

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

// Opens the function menu for `row` and its macro submenu, and clicks submenu line `line`:
// 0 the macro manager, then a separator, then the library's macros.
bool ChooseMacroEntry(const OptionProcess& option, int row, int line) {
  ClickControl(option.window(), option.folder(), kFirstRowKey + row);
  option.Settle();
  ClickControl(option.window(), option.folder(), kFunctionMenuKey);
  if (!PumpUntil([] { return OpenMenuWindow() != nullptr; }, kWaitMs)) return false;
  option.Settle();
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
  option.Settle();
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
  option.Settle();
  return ManagerWindow();
}

void Key(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
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
  option.Settle();
  Type(name + "\n");
  option.Settle();
  return ListCount(manager, kMacroListId) == before + 1;
}

MacroLibrary StoredLibrary(const fs::path& folder) {
  Win32PrivateProfile ini;
  MacroLibrary library;
  LoadMacroLibrary(library, MacroLibraryPath(Folder(folder)), ini);
  return library;
}

// A monitor in its own installation folder with the configurator beside it; slot 0 current.
void LayOutMonitorAndConfigurator(MonitorProcess& monitor) {
  LayOutConfigurator(monitor.folder().path());
  auto first = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*first, 0);
  monitor.WriteCurrentProfile(*first);
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

void RightClickAt(POINT point) {
  InjectAt(0, point);
  PumpUntil([] { return false; }, 60);
  InjectAt(MOUSEEVENTF_RIGHTDOWN, point);
  PumpUntil([] { return false; }, 60);
  InjectAt(MOUSEEVENTF_RIGHTUP, point);
}

// The middle of row `row` of a list of the manager, on the screen.
POINT ListRowPoint(HWND manager, int id, int row) {
  HWND list = GetDlgItem(manager, id);
  POINT point{20, row * 18 + 9};
  ClientToScreen(list, &point);
  return point;
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
  if (dialog == nullptr) return false;
  PumpUntil([] { return false; }, 300);
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

struct SeenKey {
  DWORD key;
  bool up;
  friend bool operator==(const SeenKey&, const SeenKey&) = default;
};

TEST(MacroManager, RecordedMacroIsKeptAssignedAndPlayedByTheMonitor) {
  MonitorProcess monitor;
  LayOutMonitorAndConfigurator(monitor);
  ASSERT_TRUE(monitor.Start());
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());
  const fs::path& folder = option.folder();

  HWND manager = OpenMacroManager(option, kExtraButton);
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(ListCount(manager, kMacroListId), 0);
  ASSERT_TRUE(AddMacro(option, manager, "burst"));

  ClickManagerControl(manager, folder, kRecordDelays);
  option.Settle();
  HWND ok = ManagerControl(manager, folder, kOk);
  ClickManagerControl(manager, folder, kRecord);
  // A recording locks the way out.
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(ok); }, kWaitMs));
  // Pauses between the keys, so that every recorded delay is measurable.
  for (const auto& [key, up] :
       std::vector<std::pair<WORD, bool>>{{'A', false}, {'A', true}, {'B', false}, {'B', true}}) {
    Key(key, up);
    PumpUntil([] { return false; }, 80);
  }
  // Four events with a pause row after each of the first three.
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kEventListId) == 7; }, kWaitMs));
  ClickManagerControl(manager, folder, kRecord);
  option.Settle();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(ok) != FALSE; }, kWaitMs));
  ParkPointer();
  option.Settle();
  RECT shown{};
  GetWindowRect(manager, &shown);
  EXPECT_FALSE(SaveScreenPicture(shown, "option_macro_manager").empty());

  ClickManagerControl(manager, folder, kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  option.Settle();

  // OK saved the library at once.
  const MacroLibrary stored = StoredLibrary(folder);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(FieldText(stored[0].name), u"burst");
  ASSERT_EQ(stored[0].eventCount, 4);
  const uint8_t codes[] = {4, 4, 5, 5};  // A, A, B, B
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE("event " + std::to_string(i));
    EXPECT_EQ(stored[0].events[i].code, codes[i]);
    EXPECT_EQ(stored[0].events[i].action, i % 2 == 0 ? kMacroPress : kMacroRelease);
    // Delays were recorded between the keys; the last event has no pause after it.
    if (i < 3) {
      EXPECT_GT(stored[0].events[i].delay, 0);
    } else {
      EXPECT_EQ(stored[0].events[i].delay, 0);
    }
  }

  // The function menu lists the macro now: assign it to the extra button and apply.
  ASSERT_TRUE(ChooseMacroEntry(option, kExtraButton, 2));
  option.Settle();
  ClickControl(option.window(), folder, kApplyKey);
  option.Settle();

  ParkPointer();
  PumpUntil([] { return false; }, 200);
  InjectionObserver observer;
  observer.Clear();
  SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
  SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
  EXPECT_TRUE(observer.WaitFor(4));
  observer.Idle(200);
  std::vector<SeenKey> seen;
  for (const ObservedInput& input : observer.seen()) {
    if (input.key) seen.push_back({input.code, input.up});
  }
  const std::vector<SeenKey> expected{{'A', false}, {'A', true}, {'B', false}, {'B', true}};
  EXPECT_EQ(seen, expected);
  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(option.WaitForExit());
}

TEST(MacroManager, CancelAndCloseDropTheEdits) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Only");
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());
  const std::string before = ReadFileBytes(dir.path() / "config" / "sequence.dat");

  for (int closeKey : {kCancel, kClose}) {
    SCOPED_TRACE("close key " + std::to_string(closeKey));
    HWND manager = OpenMacroManager(option, 0);
    ASSERT_NE(manager, nullptr);
    ASSERT_EQ(ListCount(manager, kMacroListId), 0);
    ASSERT_TRUE(AddMacro(option, manager, "gone"));
    ClickManagerControl(manager, dir.path(), closeKey);
    ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
    option.Settle();
    EXPECT_EQ(ReadFileBytes(dir.path() / "config" / "sequence.dat"), before);
  }
  // Opened again, the manager shows the library without the dropped macro.
  HWND manager = OpenMacroManager(option, 0);
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(ListCount(manager, kMacroListId), 0);
  ClickManagerControl(manager, dir.path(), kClose);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  EXPECT_TRUE(StoredLibrary(dir.path()).empty());
}

// A mouse step inserted from the event menu lands in front of the selected event; a macro deleted
// after its confirmation leaves the library; OK keeps both.
TEST(MacroManager, EventMenuInsertsAMouseStepAndDeleteAsksFirst) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Only");
  {
    Win32PrivateProfile ini;
    Win32MacroFileOperations files;
    const MacroLibrary library{StoredMacro(u"one", {{4, kMacroPress, 0}, {4, kMacroRelease, 0}}),
                               StoredMacro(u"two", {})};
    ASSERT_EQ(SaveMacroLibrary(library, MacroLibraryPath(Folder(dir.path())), ini, files),
              MacroSaveResult::kSaved);
  }
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());
  HWND manager = OpenMacroManager(option, 0);
  ASSERT_NE(manager, nullptr);
  ASSERT_EQ(ListCount(manager, kMacroListId), 2);
  ASSERT_EQ(ListCount(manager, kEventListId), 2);  // the first macro is selected

  // The release row selected, then Insert mouse button > Left button > Click.
  ClickAt(ListRowPoint(manager, kEventListId, 1));
  option.Settle();
  RightClickAt(ListRowPoint(manager, kEventListId, 1));
  HWND root = WaitForNewMenu({});
  ASSERT_NE(root, nullptr);
  option.Settle();
  ClickMenuLine(root, 5);
  HWND buttons = WaitForNewMenu({root});
  ASSERT_NE(buttons, nullptr);
  option.Settle();
  ClickMenuLine(buttons, 0);
  HWND steps = WaitForNewMenu({root, buttons});
  ASSERT_NE(steps, nullptr);
  option.Settle();
  {
    RECT shown{}, menu{};
    GetWindowRect(manager, &shown);
    for (HWND open : {root, buttons, steps}) {
      GetWindowRect(open, &menu);
      UnionRect(&shown, &shown, &menu);
    }
    EXPECT_FALSE(SaveScreenPicture(shown, "option_macro_event_menu").empty());
  }
  ClickMenuLine(steps, 2);
  ASSERT_TRUE(PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs));
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kEventListId) == 4; }, kWaitMs));

  // A pause put in front of the new press, then edited to a value beyond the largest pause.
  for (int line : {2, 3}) {  // Insert delay on the press row, then Edit delay on the pause row
    ClickAt(ListRowPoint(manager, kEventListId, 1));
    option.Settle();
    RightClickAt(ListRowPoint(manager, kEventListId, 1));
    HWND menu = WaitForNewMenu({});
    ASSERT_NE(menu, nullptr);
    option.Settle();
    ClickMenuLine(menu, line);
    ASSERT_TRUE(PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs));
    option.Settle();
  }
  EXPECT_EQ(ListCount(manager, kEventListId), 5);
  Type("70000\n");
  option.Settle();
  EXPECT_EQ(ListCount(manager, kEventListId), 5);

  // The second macro deleted after its confirmation.
  ClickAt(ListRowPoint(manager, kMacroListId, 1));
  option.Settle();
  ClickManagerControl(manager, dir.path(), kDeleteMacro);
  HWND confirm = WaitForOwnedDialog(manager);
  ASSERT_NE(confirm, nullptr);
  EXPECT_EQ(ListCount(manager, kMacroListId), 2);  // nothing gone before the answer
  wchar_t value[4096] = {};
  GetPrivateProfileStringW(L"BUTTONPOS", L"1", L"", value, 4096,
                           (dir.path() / "skins" / "skin_delete_macro_warn.ini").wstring().c_str());
  const ButtonPosEntry okEntry = ParseButtonPos(FromWide(value));
  ClickAt(
      Middle(OnScreen(confirm, RECT{okEntry.left, okEntry.top, okEntry.right, okEntry.bottom})));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(confirm); }, kWaitMs));
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kMacroListId) == 1; }, kWaitMs));

  ClickManagerControl(manager, dir.path(), kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  option.Settle();
  const MacroLibrary stored = StoredLibrary(dir.path());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(FieldText(stored[0].name), u"one");
  ASSERT_EQ(stored[0].eventCount, 4);
  const uint8_t codes[] = {4, 240, 240, 4};
  const uint8_t actions[] = {kMacroPress, kMacroPress, kMacroRelease, kMacroRelease};
  const uint16_t delays[] = {65535, 0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE("event " + std::to_string(i));
    EXPECT_EQ(stored[0].events[i].code, codes[i]);
    EXPECT_EQ(stored[0].events[i].action, actions[i]);
    EXPECT_EQ(stored[0].events[i].delay, delays[i]);
  }
}

// Export writes the selected macro to a .macro file and import brings it back under a free name;
// a repeat count typed beyond the limit is corrected in the box and kept that way.
TEST(MacroManager, ExportImportAndTheRepeatCount) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Only");
  MacroRecord one = StoredMacro(u"one", {{4, kMacroPress, 12}, {4, kMacroRelease, 0}});
  one.repeatCount = 3;
  {
    Win32PrivateProfile ini;
    Win32MacroFileOperations files;
    ASSERT_EQ(SaveMacroLibrary({one}, MacroLibraryPath(Folder(dir.path())), ini, files),
              MacroSaveResult::kSaved);
  }
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());
  HWND manager = OpenMacroManager(option, 0);
  ASSERT_NE(manager, nullptr);
  HWND count = ManagerControl(manager, dir.path(), kRepeatCount);
  EXPECT_EQ(TextOf(count), L"3");
  // Enter, Escape and Space neither close the manager nor press one of its buttons.
  for (WORD key : {VK_RETURN, VK_ESCAPE, VK_SPACE}) {
    Key(key, false);
    Key(key, true);
  }
  option.Settle();
  EXPECT_EQ(ManagerWindow(), manager);
  EXPECT_EQ(ListCount(manager, kMacroListId), 1);

  const fs::path file = dir.path() / "one.macro";
  ClickManagerControl(manager, dir.path(), kExport);
  ASSERT_TRUE(ChooseFileInDialog(manager, file));
  option.Settle();
  {
    Win32PrivateProfile ini;
    MacroRecord exported{};
    ASSERT_TRUE(ReadMacroFile(Text(file.u16string()), ini, &exported));
    EXPECT_EQ(FieldText(exported.name), u"one");
    EXPECT_EQ(exported.repeatCount, 3);
    EXPECT_EQ(exported.eventCount, 2);
    EXPECT_EQ(exported.events[0].delay, 12);
  }

  // The box emptied waits for digits; 300 becomes 255 at once.
  ClickManagerControl(manager, dir.path(), kRepeatCount);
  option.Settle();
  Key(VK_END, false);
  Key(VK_END, true);
  Key(VK_BACK, false);
  Key(VK_BACK, true);
  option.Settle();
  EXPECT_EQ(TextOf(count), L"");
  Type("300");
  option.Settle();
  EXPECT_EQ(TextOf(count), L"255");

  ClickManagerControl(manager, dir.path(), kImport);
  ASSERT_TRUE(ChooseFileInDialog(manager, file));
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kMacroListId) == 2; }, kWaitMs));
  ClickManagerControl(manager, dir.path(), kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  option.Settle();

  const MacroLibrary stored = StoredLibrary(dir.path());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(FieldText(stored[0].name), u"one");
  EXPECT_EQ(stored[0].repeatCount, 255);
  EXPECT_EQ(FieldText(stored[1].name), u"one1");
  EXPECT_EQ(stored[1].repeatCount, 3);
  ASSERT_EQ(stored[1].eventCount, 2);
  EXPECT_EQ(stored[1].events[0].code, 4);
  EXPECT_EQ(stored[1].events[0].delay, 12);
}

// A name typed without Enter is taken when a button is pressed, as when its box loses the focus.
TEST(MacroManager, NameTypedWithoutEnterIsTakenByOk) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Only");
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());
  HWND manager = OpenMacroManager(option, 0);
  ASSERT_NE(manager, nullptr);
  ClickManagerControl(manager, dir.path(), kNewMacro);
  option.Settle();
  Type("quick");
  ClickManagerControl(manager, dir.path(), kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  option.Settle();
  const MacroLibrary stored = StoredLibrary(dir.path());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(FieldText(stored[0].name), u"quick");
}

}  // namespace
