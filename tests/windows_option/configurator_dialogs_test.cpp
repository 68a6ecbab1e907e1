// The configurator's own dialogs met as a user meets them: the profile properties dialog (keys 1
// and 4), the reset confirmation (key 60) and the left-click warning (function menu), in
// Option.exe driven by real clicks at their skin positions and injected typing. Checked in the
// settings files an apply writes and on the screen.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/dialog_steps.h"
#include "tests/windows_option/macro_manager_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/pump.h"

namespace {

namespace fs = std::filesystem;

constexpr int kNewProfileKey = 1;
constexpr int kEditProfileKey = 4;
constexpr int kResetKey = 60;

constexpr wchar_t kProfileSkin[] = L"skin_profile.ini";
constexpr int kNameField = 1, kProgramField = 2, kBrowse = 3, kPropertiesOk = 4,
              kPropertiesCancel = 5, kPropertiesClose = 6;

constexpr wchar_t kResetSkin[] = L"skin_reset_warn.ini";
constexpr wchar_t kClickSkin[] = L"skin_click_warn.ini";
constexpr int kConfirmOk = 1, kConfirmCancel = 2, kConfirmClose = 3;

// The properties dialog's two fields, in creation order: name, then program.
HWND Field(HWND dialog, int index) {
  HWND field = nullptr;
  for (int i = 0; i <= index; ++i) {
    field = FindWindowExW(dialog, field, L"Edit", nullptr);
    if (field == nullptr) return nullptr;
  }
  return field;
}

std::wstring SlotFiles(const fs::path& folder) {
  std::wstring all;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    const std::string bytes =
        ReadFileBytes(folder / "config" / ("Default" + std::to_string(slot) + ".gmp"));
    all += std::wstring(bytes.begin(), bytes.end());
  }
  return all;
}

void SaveDialogPicture(HWND dialog, const char* name) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  EXPECT_FALSE(SaveScreenPicture(rect, name).empty()) << name;
}

class ConfiguratorDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { LayOutConfigurator(dir_.path()); }
  void TearDown() override { ParkPointer(); }

  void Apply(const OptionProcess& option) {
    ClickControl(option.window(), dir_.path(), kApplyKey);
    ASSERT_TRUE(option.WaitUntilIdle());
  }

  TempDir dir_;
};

TEST_F(ConfiguratorDialogsTest, PropertiesOkNamesTheProfileAndApplyPublishesIt) {
  WriteCatalogue(dir_.path(), 1, 1, u"Before");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());

  ClickControl(option.window(), dir_.path(), kEditProfileKey);
  HWND dialog = WaitForOwnedDialog(option.window());
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(Field(dialog, 1), nullptr);
  // Filled from the current slot; the name field has the focus.
  EXPECT_EQ(WindowText(Field(dialog, 0)), L"Before");
  EXPECT_EQ(WindowText(Field(dialog, 1)), L"");
  SaveDialogPicture(dialog, "option_profile_properties");

  // Enter and Escape do not close it.
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_TRUE(IsWindowVisible(dialog));

  // A new name typed over the old one: 25 characters, of which the field keeps 20.
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kNameField);
  PressKey(VK_END);
  for (int i = 0; i < 6; ++i) PressKey(VK_BACK);
  TypeText(L"Racing-and-more-letters-x");
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kProgramField);
  TypeText(L"C:\\Games\\race.exe");
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(WindowText(Field(dialog, 0)), L"Racing-and-more-lett");
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kPropertiesOk);
  ASSERT_TRUE(WaitUntilClosed(dialog));
  ASSERT_TRUE(option.WaitUntilIdle());

  // Only the edited image changed: nothing is written before the apply.
  EXPECT_EQ(FieldText(ReadSlot(dir_.path(), 1)->ProFileName), u"Before");
  Apply(option);
  auto stored = ReadSlot(dir_.path(), 1);
  EXPECT_EQ(FieldText(stored->ProFileName), u"Racing-and-more-lett");
  EXPECT_EQ(FieldText(stored->GameFile), u"C:\\Games\\race.exe");
  EXPECT_EQ(FieldText(ReadSlot(dir_.path(), 0)->ProFileName), u"Default1");
}

TEST_F(ConfiguratorDialogsTest, NewProfilePropertiesOpenEmptyAndOkClearsBothFields) {
  WriteCatalogue(dir_.path(), 3, 3, u"Named");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());

  ClickControl(option.window(), dir_.path(), kNewProfileKey);
  HWND dialog = WaitForOwnedDialog(option.window());
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(Field(dialog, 1), nullptr);
  EXPECT_EQ(WindowText(Field(dialog, 0)), L"");
  EXPECT_EQ(WindowText(Field(dialog, 1)), L"");
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kPropertiesOk);
  ASSERT_TRUE(WaitUntilClosed(dialog));
  ASSERT_TRUE(option.WaitUntilIdle());
  Apply(option);
  auto stored = ReadSlot(dir_.path(), 3);
  EXPECT_EQ(FieldText(stored->ProFileName), u"");
  EXPECT_EQ(FieldText(stored->GameFile), u"");
}

// Cancel and the close button drop what was typed, and so does Cancel after a program was chosen
// with the browse step (whose file dialog starts with ".exe" in its name field).
TEST_F(ConfiguratorDialogsTest, PropertiesCancelAndCloseChangeNothing) {
  WriteCatalogue(dir_.path(), 0, 0, u"Kept");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());

  for (int key : {kPropertiesCancel, kPropertiesClose, kBrowse}) {
    SCOPED_TRACE("key " + std::to_string(key));
    ClickControl(option.window(), dir_.path(), kEditProfileKey);
    HWND dialog = WaitForOwnedDialog(option.window());
    ASSERT_NE(dialog, nullptr);
    TypeText(L"Typed");
    if (key == kBrowse) {
      ClickDialogControl(dialog, dir_.path(), kProfileSkin, kBrowse);
      HWND chooser = WaitForOwnedDialog(dialog);
      ASSERT_NE(chooser, nullptr);
      HWND name = GetDlgItem(chooser, 0x47c);  // the name field of the explorer-style dialog
      if (name == nullptr) name = GetDlgItem(chooser, 0x480);
      ASSERT_NE(name, nullptr);
      EXPECT_EQ(WindowText(name), L".exe");
      SaveDialogPicture(chooser, "option_program_chooser");
      const fs::path program = dir_.path() / "Option.exe";
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.wstring().c_str()));
      RECT open{};
      GetWindowRect(GetDlgItem(chooser, IDOK), &open);
      ClickAt(POINT{(open.left + open.right) / 2, (open.top + open.bottom) / 2});
      ASSERT_TRUE(WaitUntilClosed(chooser));
      ASSERT_TRUE(option.WaitUntilIdle());
      EXPECT_EQ(_wcsicmp(WindowText(Field(dialog, 1)).c_str(), program.wstring().c_str()), 0)
          << WindowText(Field(dialog, 1)).c_str();
      key = kPropertiesCancel;
    }
    ClickDialogControl(dialog, dir_.path(), kProfileSkin, key);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    ASSERT_TRUE(option.WaitUntilIdle());
  }
  Apply(option);
  auto stored = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(FieldText(stored->ProFileName), u"Kept");
  EXPECT_EQ(FieldText(stored->GameFile), u"");
}

// A program path longer than the profile can hold is refused, never cut to another path: OK
// leaves the dialog open and writes nothing; the user can still shorten it or cancel.
TEST_F(ConfiguratorDialogsTest, PropertiesRefuseAProgramPathTooLongForTheProfile) {
  WriteCatalogue(dir_.path(), 0, 0, u"Kept");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ClickControl(option.window(), dir_.path(), kEditProfileKey);
  HWND dialog = WaitForOwnedDialog(option.window());
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(Field(dialog, 1), nullptr);
  TypeText(L"X");  // the focused name field starts with its text selected
  const std::wstring tooLong = L"C:\\" + std::wstring(493, L'p') + L".exe";  // 500 characters
  SendMessageW(Field(dialog, 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tooLong.c_str()));
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kPropertiesOk);
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_TRUE(IsWindowVisible(dialog));
  // One character fewer fits exactly.
  SendMessageW(Field(dialog, 1), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(tooLong.substr(1).c_str()));
  // Clicked again at once, as a user would: within the double-click time of the first click.
  ClickDialogControl(dialog, dir_.path(), kProfileSkin, kPropertiesOk);
  ASSERT_TRUE(WaitUntilClosed(dialog));
  ASSERT_TRUE(option.WaitUntilIdle());
  Apply(option);
  auto stored = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(FieldText(stored->GameFile).size(), 499u);
  EXPECT_EQ(FieldText(stored->ProFileName), u"X");  // typed over the selected name
}

TEST_F(ConfiguratorDialogsTest, ResetDeclinedChangesNothingAndConfirmedResetsAndApplies) {
  WriteCatalogue(dir_.path(), 2, 2, u"Custom");
  const std::string configBefore = ReadFileBytes(dir_.path() / "config.ini");
  const std::wstring slotsBefore = SlotFiles(dir_.path());
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  // The main window somewhere else than where it starts, so that centring shows.
  SetWindowPos(option.window(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(option.WaitUntilIdle());

  for (int key : {kConfirmCancel, kConfirmClose, kConfirmOk}) {
    SCOPED_TRACE("key " + std::to_string(key));
    ClickControl(option.window(), dir_.path(), kResetKey);
    HWND dialog = WaitForOwnedDialog(option.window());
    ASSERT_NE(dialog, nullptr);
    RECT main{}, box{};
    GetWindowRect(option.window(), &main);
    GetWindowRect(dialog, &box);
    EXPECT_NEAR((box.left + box.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (main.top + main.bottom) / 2, 1);
    if (key == kConfirmCancel) {
      RECT both{};
      UnionRect(&both, &main, &box);
      EXPECT_FALSE(SaveScreenPicture(both, "option_reset_warning").empty());
    }
    ClickDialogControl(dialog, dir_.path(), kResetSkin, key);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    ASSERT_TRUE(option.WaitUntilIdle());
    if (key != kConfirmOk) {
      EXPECT_TRUE(ShowsCheckedSlot(option, 2));
      EXPECT_EQ(ReadFileBytes(dir_.path() / "config.ini"), configBefore);
      EXPECT_EQ(SlotFiles(dir_.path()), slotsBefore);
    }
  }
  // Confirmed: every slot back to its defaults, slot 0 current, written without an apply click.
  ASSERT_TRUE(PumpUntil([&] { return StoredCurrentProfile(dir_.path()) == 0; }, kWaitMs));
  EXPECT_TRUE(ShowsCheckedSlot(option, 0));
  auto reset = ReadSlot(dir_.path(), 2);
  auto defaults = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*defaults, 2);
  EXPECT_EQ(FieldText(reset->ProFileName), FieldText(defaults->ProFileName));
  EXPECT_EQ(reset->MacroKeyInfo[5].functionCode, defaults->MacroKeyInfo[5].functionCode);
}

// Row 0 holds the profile's only left click: giving it another function shows the warning, and
// whichever button closes it the row keeps code 1.
TEST_F(ConfiguratorDialogsTest, ClickWarningGuardsTheLastLeftClickWhateverCloses) {
  WriteCatalogue(dir_.path(), 0, 4, u"Other");
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());

  for (int key : {kConfirmOk, kConfirmCancel, kConfirmClose}) {
    SCOPED_TRACE("key " + std::to_string(key));
    ASSERT_TRUE(ChooseFunction(option, 0, kMiddleClickEntry));
    HWND dialog = WaitForOwnedDialog(option.window());
    ASSERT_NE(dialog, nullptr);
    if (key == kConfirmOk) SaveDialogPicture(dialog, "option_click_warning");
    ClickDialogControl(dialog, dir_.path(), kClickSkin, key);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    ASSERT_TRUE(option.WaitUntilIdle());
  }
  // Another row takes the middle click without a warning.
  ASSERT_TRUE(ChooseFunction(option, 2, kMiddleClickEntry - 1));
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(OwnedDialog(option.window()), nullptr);
  Apply(option);
  auto stored = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(stored->MacroKeyInfo[0].functionCode, 1);
  EXPECT_EQ(stored->MacroKeyInfo[2].functionCode, 2);
}

// A settings file that cannot be written (held open by another program here) is reported once
// the apply is done, and keeps what it held.
TEST_F(ConfiguratorDialogsTest, AFailedSaveIsReportedAndTheFileKept) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  Apply(option);
  const fs::path slot = dir_.path() / "config" / "Default0.gmp";
  const std::string before = ReadFileBytes(slot);
  HANDLE held =
      CreateFileW(slot.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(ChooseFunction(option, 2, kMiddleClickEntry - 1));
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir_.path(), kApplyKey);
  HWND dialog = WaitForOwnedDialog(option.window());
  ASSERT_NE(dialog, nullptr);
  SaveDialogPicture(dialog, "option_save_failed");
  ClickDialogControl(dialog, dir_.path(), kClickSkin, kConfirmOk);
  EXPECT_TRUE(WaitUntilClosed(dialog));
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(slot), before);
  EXPECT_TRUE(option.Running());
}

// An imported profile whose buttons start programs asks first, naming them: kept, they stay;
// removed, those buttons get their defaults and the rest of the profile is imported.
TEST_F(ConfiguratorDialogsTest, AnImportThatStartsProgramsAsksFirst) {
  constexpr int kImportKey = 2;
  const fs::path incoming = dir_.path() / "shared.gmp";
  {
    auto profile = std::make_unique<ProfileSettings>();
    SetProfileDefaults(*profile, 0);
    CopyToField(profile->ProFileName, u"Shared");
    profile->MacroKeyInfo[3].functionCode = 86;
    CopyToField(profile->MacroKeyInfo[3].programPath, u"C:\\Tools\\payload.cmd");
    ASSERT_TRUE(SaveProfile(*profile, incoming.u16string()));
  }
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  for (int answer : {kConfirmCancel, kConfirmOk}) {
    ClickControl(option.window(), dir_.path(), kImportKey);
    ASSERT_TRUE(macro_steps::ChooseFileInDialog(option.window(), incoming));
    HWND question = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return (question = OwnedDialog(option.window())) != nullptr; }, kWaitMs));
    ASSERT_TRUE(option.WaitUntilIdle());
    if (answer == kConfirmOk) SaveDialogPicture(question, "option_import_launch_question");
    ClickDialogControl(question, dir_.path(), kClickSkin, answer);
    ASSERT_TRUE(WaitUntilClosed(question));
    ASSERT_TRUE(option.WaitUntilIdle());
    ASSERT_TRUE(PumpUntil(
        [&] { return FieldText(ReadSlot(dir_.path(), 0)->ProFileName) == u"Shared"; }, kWaitMs));
    EXPECT_EQ(ReadSlot(dir_.path(), 0)->MacroKeyInfo[3].functionCode,
              answer == kConfirmOk ? 86 : kDefaultButtonFunctions[3]);
    // The slot goes back to another profile, so that the second import is seen.
    auto other = std::make_unique<ProfileSettings>();
    SetProfileDefaults(*other, 0);
    ASSERT_TRUE(SaveProfile(*other, (dir_.path() / "config" / "Default0.gmp").u16string()));
  }
}

}  // namespace
