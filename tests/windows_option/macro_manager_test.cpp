// The macro manager as a user meets it: opened from the function menu of a running Option.exe,
// a macro made, recorded with typed keys and kept with OK or dropped with Cancel; a kept macro is
// assigned to a button and, once applied, played by a running monitor.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/wide.h"
#include "option/macros/macro_library.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/profile_defaults.h"
#include "skin/button_pos.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/macro_manager_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/pump.h"

using namespace macro_steps;

namespace {

namespace fs = std::filesystem;

constexpr int kExtraButton = 3;  // the row of the first extra button

// A monitor in its own installation folder with the configurator beside it; slot 0 current.
void LayOutMonitorAndConfigurator(MonitorProcess& monitor) {
  LayOutConfigurator(monitor.folder().path());
  auto first = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*first, 0);
  monitor.WriteCurrentProfile(*first);
}

struct SeenKey {
  DWORD key;
  bool up;
  friend bool operator==(const SeenKey&, const SeenKey&) = default;
};

// A click of the first extra button, acting as the mouse, and the keys the monitor plays for it.
std::vector<SeenKey> KeysPlayedForAClick(InjectionObserver& observer, size_t expected) {
  observer.Clear();
  SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
  SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
  EXPECT_TRUE(observer.WaitFor(expected));
  observer.Idle(200);
  std::vector<SeenKey> seen;
  for (const ObservedInput& input : observer.seen()) {
    if (input.key) seen.push_back({input.code, input.up});
  }
  return seen;
}

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
  ASSERT_TRUE(option.WaitUntilIdle());
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
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(ok) != FALSE; }, kWaitMs));
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());
  RECT shown{};
  GetWindowRect(manager, &shown);
  EXPECT_FALSE(SaveScreenPicture(shown, "option_macro_manager").empty());

  ClickManagerControl(manager, folder, kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());

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
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), folder, kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());

  ParkPointer();
  PumpUntil([] { return false; }, 200);
  InjectionObserver observer;
  const std::vector<SeenKey> expected{{'A', false}, {'A', true}, {'B', false}, {'B', true}};
  EXPECT_EQ(KeysPlayedForAClick(observer, 4), expected);

  // The macro recorded anew in the manager reaches the button that plays it at the next apply:
  // the button's own copy would otherwise come back into the library at the next start.
  manager = OpenMacroManager(option, kExtraButton);
  ASSERT_NE(manager, nullptr);
  ok = ManagerControl(manager, folder, kOk);
  ClickManagerControl(manager, folder, kRecord);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(ok); }, kWaitMs));
  for (const bool up : {false, true}) {
    Key('C', up);
    PumpUntil([] { return false; }, 80);
  }
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kEventListId) >= 2; }, kWaitMs));
  ClickManagerControl(manager, folder, kRecord);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(ok) != FALSE; }, kWaitMs));
  ClickManagerControl(manager, folder, kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), folder, kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(ReadSlot(folder, 0)->MacroKeyInfo[kExtraButton].eventCount, 2);
  ParkPointer();
  const std::vector<SeenKey> recordedAnew{{'C', false}, {'C', true}};
  EXPECT_EQ(KeysPlayedForAClick(observer, 2), recordedAnew);
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
    ASSERT_TRUE(option.WaitUntilIdle());
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
    const MacroLibrary library{StoredMacro(u"one", {{4, kMacroPress, 0}, {4, kMacroRelease, 0}}),
                               StoredMacro(u"two", {})};
    ASSERT_EQ(SaveMacroLibrary(library, MacroLibraryPath(Folder(dir.path()))),
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
  ASSERT_TRUE(option.WaitUntilIdle());
  RightClickAt(ListRowPoint(manager, kEventListId, 1));
  HWND root = WaitForNewMenu({});
  ASSERT_NE(root, nullptr);
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickMenuLine(root, 5);
  HWND buttons = WaitForNewMenu({root});
  ASSERT_NE(buttons, nullptr);
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickMenuLine(buttons, 0);
  HWND steps = WaitForNewMenu({root, buttons});
  ASSERT_NE(steps, nullptr);
  ASSERT_TRUE(option.WaitUntilIdle());
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
    ASSERT_TRUE(option.WaitUntilIdle());
    RightClickAt(ListRowPoint(manager, kEventListId, 1));
    HWND menu = WaitForNewMenu({});
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(option.WaitUntilIdle());
    ClickMenuLine(menu, line);
    ASSERT_TRUE(PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs));
    ASSERT_TRUE(option.WaitUntilIdle());
  }
  EXPECT_EQ(ListCount(manager, kEventListId), 5);
  Type("70000\n");
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(ListCount(manager, kEventListId), 5);

  // The second macro deleted after its confirmation.
  ClickAt(ListRowPoint(manager, kMacroListId, 1));
  ASSERT_TRUE(option.WaitUntilIdle());
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
  ASSERT_TRUE(option.WaitUntilIdle());
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
    ASSERT_EQ(SaveMacroLibrary({one}, MacroLibraryPath(Folder(dir.path()))),
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
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(ManagerWindow(), manager);
  EXPECT_EQ(ListCount(manager, kMacroListId), 1);

  const fs::path file = dir.path() / "one.macro";
  ClickManagerControl(manager, dir.path(), kExport);
  ASSERT_TRUE(ChooseFileInDialog(manager, file));
  ASSERT_TRUE(option.WaitUntilIdle());
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
  ASSERT_TRUE(option.WaitUntilIdle());
  Key(VK_END, false);
  Key(VK_END, true);
  Key(VK_BACK, false);
  Key(VK_BACK, true);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(TextOf(count), L"");
  Type("300");
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(TextOf(count), L"255");

  ClickManagerControl(manager, dir.path(), kImport);
  ASSERT_TRUE(ChooseFileInDialog(manager, file));
  EXPECT_TRUE(PumpUntil([&] { return ListCount(manager, kMacroListId) == 2; }, kWaitMs));
  ClickManagerControl(manager, dir.path(), kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());

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
// An OK whose library cannot be written says so and keeps the manager open with its edits.
TEST(MacroManager, NameTypedWithoutEnterIsTakenByOkAndKeptThroughAFailedSave) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Only");
  const fs::path library = dir.path() / "config" / "sequence.dat";
  fs::remove(library);
  fs::create_directory(library);  // no file can take a folder's place
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());
  HWND manager = OpenMacroManager(option, 0);
  ASSERT_NE(manager, nullptr);
  ClickManagerControl(manager, dir.path(), kNewMacro);
  ASSERT_TRUE(option.WaitUntilIdle());
  Type("quick");
  ClickManagerControl(manager, dir.path(), kOk);
  HWND warning = WaitForOwnedDialog(manager);
  ASSERT_NE(warning, nullptr);
  wchar_t value[4096] = {};
  GetPrivateProfileStringW(L"BUTTONPOS", L"1", L"", value, 4096,
                           (dir.path() / "skins" / "skin_click_warn.ini").wstring().c_str());
  const ButtonPosEntry okEntry = ParseButtonPos(FromWide(value));
  ClickAt(
      Middle(OnScreen(warning, RECT{okEntry.left, okEntry.top, okEntry.right, okEntry.bottom})));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(warning); }, kWaitMs));
  ASSERT_EQ(ManagerWindow(), manager);
  fs::remove(library);
  ClickManagerControl(manager, dir.path(), kOk);
  ASSERT_TRUE(PumpUntil([] { return ManagerWindow() == nullptr; }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());
  const MacroLibrary stored = StoredLibrary(dir.path());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(FieldText(stored[0].name), u"quick");
}

}  // namespace
