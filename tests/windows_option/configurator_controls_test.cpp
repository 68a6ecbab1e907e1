// The configurator's sliders, keys, minimise button and profile file commands, driven from
// outside like a user: track clicks and a thumb drag, Enter and Escape, the common file dialogs
// for export and import. Checked in the settings files the apply writes and on the screen.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/win32_private_profile.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/live_settings.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDoubleClickSpeedKey = 59;

void InjectKey(WORD key) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

void InjectButton(DWORD flags, POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = static_cast<LONG>((point.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((point.y * 65536 + height - 1) / height);
  SendInput(1, &input, sizeof input);
  WaitForInputTaken(point);
}

// The visible dialog box the configurator's window owns, or none.
HWND OwnedDialog(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == s->owner) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Puts a full path into an open file dialog's name field and clicks its open or save button.
bool ChooseFileInDialog(HWND owner, const fs::path& file) {
  HWND dialog = nullptr;
  if (!PumpUntil([&] { return (dialog = OwnedDialog(owner)) != nullptr; }, kWaitMs)) return false;
  if (!WaitUntilThreadIdle(dialog, kIdleWaitMs)) return false;
  // The name field is a combo box in the explorer-style dialog, a plain edit field otherwise.
  HWND name = GetDlgItem(dialog, 0x47c);
  if (name == nullptr) name = GetDlgItem(dialog, 0x480);
  HWND confirm = GetDlgItem(dialog, IDOK);
  if (name == nullptr || confirm == nullptr) return false;
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
  RECT button{};
  GetWindowRect(confirm, &button);
  ClickAt(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  return PumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kWaitMs);
}

HWND SliderThumb(HWND window, int index) {
  HWND track = nullptr;
  for (int i = 0; i <= index; ++i) {
    track = FindWindowExW(window, track, L"ClickSliderTrack", nullptr);
    if (track == nullptr) return nullptr;
  }
  return FindWindowExW(track, nullptr, L"PHSliderThumb", nullptr);
}

class ConfiguratorControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOutConfigurator(dir_.path());
    WriteCatalogue(dir_.path(), 0, 1, u"Second");
  }
  void TearDown() override { ParkPointer(); }

  TempDir dir_;
};

TEST_F(ConfiguratorControlsTest, TrackClicksAndAThumbDragSetTheWindowsSettings) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  const HWND window = option.window();

  // The right end of the pointer-speed track and the left end of the wheel-speed track.
  const RECT pointer = OnScreen(window, MainControlRect(dir_.path(), kPointerSpeedKey));
  ClickAt(POINT{pointer.right - 1, (pointer.top + pointer.bottom) / 2});
  ASSERT_TRUE(option.WaitUntilIdle());
  const RECT wheel = OnScreen(window, MainControlRect(dir_.path(), kWheelSpeedKey));
  ClickAt(POINT{wheel.left, (wheel.top + wheel.bottom) / 2});
  ASSERT_TRUE(option.WaitUntilIdle());

  // The double-click thumb dragged past the right end of its track: the fastest speed.
  HWND thumb = SliderThumb(window, 2);
  ASSERT_NE(thumb, nullptr);
  RECT grip{};
  GetWindowRect(thumb, &grip);
  const RECT track = OnScreen(window, MainControlRect(dir_.path(), kDoubleClickSpeedKey));
  const int y = (grip.top + grip.bottom) / 2;
  InjectButton(0, POINT{(grip.left + grip.right) / 2, y});
  InjectButton(MOUSEEVENTF_LEFTDOWN, POINT{(grip.left + grip.right) / 2, y});
  InjectButton(0, POINT{(grip.left + track.right) / 2, y});
  InjectButton(0, POINT{track.right + 20, y});
  InjectButton(MOUSEEVENTF_LEFTUP, POINT{track.right + 20, y});
  ASSERT_TRUE(option.WaitUntilIdle());

  ClickControl(window, dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  auto stored = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(stored->MouseSpeed, 20);
  EXPECT_EQ(stored->ScrollWheelSpeed, 1);
  EXPECT_EQ(stored->DbleClickSpeed, 200);
}

// The double-click slider sets the time live; choosing another slot or closing without an apply
// puts back the time Windows had (the configurator reads it as the current profile's).
TEST_F(ConfiguratorControlsTest, AnUnappliedDoubleClickTimeIsPutBack) {
  const UINT applied = ReadLiveSettings().doubleClick;
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  const RECT track = OnScreen(option.window(), MainControlRect(dir_.path(), kDoubleClickSpeedKey));
  // The end of the track farther from the time in force.
  const POINT away{applied < 550 ? track.left : track.right - 1, (track.top + track.bottom) / 2};
  for (int key : {kFirstSlotKey + 1, kCloseKey}) {
    ClickAt(away);
    ASSERT_TRUE(option.WaitUntilIdle());
    ASSERT_NE(ReadLiveSettings().doubleClick, applied);
    ClickControl(option.window(), dir_.path(), key);
    if (key != kCloseKey) {
      ASSERT_TRUE(option.WaitUntilIdle());
    } else {
      ASSERT_TRUE(option.WaitForExit());
    }
    EXPECT_EQ(ReadLiveSettings().doubleClick, applied) << "after key " << key;
  }
}

// The thumbs take their picture's shape: none shows its key-colour corners over the track.
TEST_F(ConfiguratorControlsTest, SliderThumbsShowNoKeyColour) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  for (int index = 0; index < 3; ++index) {
    HWND thumb = SliderThumb(option.window(), index);
    ASSERT_NE(thumb, nullptr) << index;
    RECT rect{};
    GetWindowRect(thumb, &rect);
    const ScreenPixels shown = CaptureScreen(rect);
    int magenta = 0;
    for (size_t i = 0; i + 2 < shown.bytes.size(); i += 4) {
      magenta += shown.bytes[i] == 255 && shown.bytes[i + 1] == 0 && shown.bytes[i + 2] == 255;
    }
    EXPECT_EQ(magenta, 0) << "slider " << index;
  }
}

// The row's default button restores the selected row only; the all-rows button every row.
TEST_F(ConfiguratorControlsTest, RestoreButtonsBringBackTheDefaultFunctions) {
  constexpr int kRestoreRowKey = 55;
  constexpr int kRestoreAllRowsKey = 44;
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  for (int button : {1, 3, 4}) {
    ASSERT_TRUE(ChooseFunction(option, button, kMiddleClickEntry)) << button;
    ASSERT_TRUE(option.WaitUntilIdle());
  }
  ClickControl(option.window(), dir_.path(), kRestoreRowKey);  // row 4 is selected
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  auto stored = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(stored->MacroKeyInfo[1].functionCode, kMiddleClickCode);
  EXPECT_EQ(stored->MacroKeyInfo[3].functionCode, kMiddleClickCode);
  EXPECT_EQ(stored->MacroKeyInfo[4].functionCode, kDefaultButtonFunctions[4]);

  ClickControl(option.window(), dir_.path(), kRestoreAllRowsKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  stored = ReadSlot(dir_.path(), 0);
  for (int button = 0; button < kButtonCount; ++button) {
    EXPECT_EQ(stored->MacroKeyInfo[button].functionCode, kDefaultButtonFunctions[button]) << button;
  }
}

TEST_F(ConfiguratorControlsTest, EnterAndEscapeLeaveTheWindowOpenAndMinimiseWorks) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), dir_.path(), kEmblemKey);  // a control without a command
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_EQ(GetForegroundWindow(), option.window());
  InjectKey(VK_ESCAPE);
  InjectKey(VK_RETURN);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_TRUE(option.Running());
  EXPECT_NE(option.window(), nullptr);

  ClickControl(option.window(), dir_.path(), kMinimiseKey);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(option.window()) != FALSE; }, kWaitMs));
  EXPECT_TRUE(option.Running());
}

TEST_F(ConfiguratorControlsTest, ExportWritesTheEditedProfileAndImportReplacesTheSlotAndApplies) {
  constexpr int kExportKey = 3;
  constexpr int kImportKey = 2;
  // The file to import: a named profile whose third button scrolls up.
  {
    auto incoming = std::make_unique<ProfileSettings>();
    SetProfileDefaults(*incoming, 0);
    CopyToField(incoming->ProFileName, u"Imported");
    incoming->MacroKeyInfo[2].functionCode = 9;
    Win32PrivateProfile ini;
    ASSERT_TRUE(SaveProfile(*incoming, (dir_.path() / "incoming.gmp").u16string()));
  }

  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), dir_.path(), kFirstSlotKey + 1);
  ASSERT_TRUE(option.WaitUntilIdle());
  // Chosen but not applied: the export still carries it.
  ASSERT_TRUE(ChooseFunction(option, 1, kMiddleClickEntry));
  ASSERT_TRUE(option.WaitUntilIdle());

  const fs::path exported = dir_.path() / "exported.gmp";
  ClickControl(option.window(), dir_.path(), kExportKey);
  ASSERT_TRUE(ChooseFileInDialog(option.window(), exported));
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_TRUE(PumpUntil([&] { return fs::exists(exported); }, kWaitMs));
  {
    Win32PrivateProfile ini;
    auto written = std::make_unique<ProfileSettings>();
    LoadProfile(*written, exported.u16string(), ini);
    EXPECT_EQ(FieldText(written->ProFileName), u"Second");
    EXPECT_EQ(written->MacroKeyInfo[1].functionCode, kMiddleClickCode);
  }
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 0);  // export applies nothing

  // A cancelled import applies nothing, not even the pending choices.
  ClickControl(option.window(), dir_.path(), kImportKey);
  HWND chooser = nullptr;
  ASSERT_TRUE(
      PumpUntil([&] { return (chooser = OwnedDialog(option.window())) != nullptr; }, kWaitMs));
  PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(chooser); }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(StoredCurrentProfile(dir_.path()), 0);

  ClickControl(option.window(), dir_.path(), kImportKey);
  ASSERT_TRUE(ChooseFileInDialog(option.window(), dir_.path() / "incoming.gmp"));
  ASSERT_TRUE(option.WaitUntilIdle());
  // The import applies: slot 1 is current in config.ini and its file holds the imported profile.
  ASSERT_TRUE(PumpUntil([&] { return StoredCurrentProfile(dir_.path()) == 1; }, kWaitMs));
  auto slot = ReadSlot(dir_.path(), 1);
  EXPECT_EQ(FieldText(slot->ProFileName), u"Imported");
  EXPECT_EQ(slot->MacroKeyInfo[2].functionCode, 9);
  const DWORD attributes =
      GetFileAttributesW((dir_.path() / "config" / "Default1.gmp").wstring().c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(option.Running());
}

}  // namespace
