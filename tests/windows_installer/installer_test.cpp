// The installer as a user runs it, in a Wine prefix made afresh for this program (see
// scripts/installer-suite.sh): a silent install, the monitor started by the logon command it
// registers, an upgrade over the running monitor, a silent uninstall, and the pages of an
// interactive install and uninstall. The tests build on one another and run in this order.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "installer_names.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_installer/installer_pages.h"
#include "tests/windows_installer/installer_session.h"
#include "tests/windows_support/pump.h"

namespace fs = std::filesystem;

namespace {

// The setup's exit code when something must be closed first (README, for administrators).
constexpr DWORD kNothingChangedExitCode = 3;

const std::string kKeptSettings = "[Kept]\r\nvalue=survives upgrade and uninstall\r\n";

std::wstring Quoted(const std::wstring& path) {
  return L"\"" + path + L"\"";
}

std::wstring SettingsMarker() {
  return DefaultInstallFolder() + L"\\config\\kept.ini";
}

bool ProcessEnded(HANDLE process) {
  return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

class InstallerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::is_regular_file(SetupPath())) << "INSTALLER_SETUP not found";
  }
};

TEST_F(InstallerTest, SilentInstallLaysOutTheProgramsAndRegistersThem) {
  const std::wstring folder = DefaultInstallFolder();
  ASSERT_FALSE(fs::is_directory(folder)) << "the prefix is not fresh";

  ASSERT_EQ(RunToEnd(Quoted(SetupPath()) + L" /S"), 0u);

  for (const wchar_t* file : {L"Monitor.exe", L"Option.exe", L"KBHook.dll", L"lan.dll",
                              L"Uninstall.exe", L"skins\\skin_main.ini"}) {
    EXPECT_TRUE(fs::is_regular_file(folder + L"\\" + file)) << file;
  }
  EXPECT_TRUE(fs::is_directory(folder + L"\\config"));
  EXPECT_TRUE(fs::is_regular_file(ShortcutPath()));

  EXPECT_EQ(ReadUserText(kRunKey, kRunValue), Quoted(folder + L"\\Monitor.exe"));
  struct Expected {
    const wchar_t* name;
    std::wstring text;
  };
  const Expected entry[] = {
      {L"DisplayName", kProductName}, {L"DisplayVersion", kProductVersion},
      {L"Publisher", kPublisher},     {L"DisplayIcon", folder + L"\\Monitor.exe,0"},
      {L"InstallLocation", folder},   {L"UninstallString", Quoted(folder + L"\\Uninstall.exe")},
  };
  for (const Expected& value : entry) {
    EXPECT_EQ(ReadUserText(kUninstallKey, value.name), value.text) << value.name;
  }
  // In KiB: the programs, libraries and skin together are well over a megabyte.
  EXPECT_GT(ReadUserNumber(kUninstallKey, L"EstimatedSize").value_or(0), 1024u);

  // The one version number reaches the programs' own version resources.
  for (const wchar_t* program : {L"Monitor.exe", L"Option.exe"}) {
    EXPECT_EQ(FileVersionText(folder + L"\\" + program, L"ProductVersion"), kProductVersionDotted)
        << program;
  }

  // A silent install starts nothing.
  EXPECT_FALSE(WaitForMonitor(true, 3000));
}

TEST_F(InstallerTest, LogonCommandStartsTheMonitor) {
  const auto command = ReadUserText(kRunKey, kRunValue);
  ASSERT_TRUE(command.has_value());
  // At logon the command runs from wherever the shell is, not from the installation folder.
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  HANDLE monitor = StartProcess(*command, windows);
  ASSERT_NE(monitor, nullptr);
  EXPECT_TRUE(WaitForMonitor(true));
  CloseHandle(monitor);
}

TEST_F(InstallerTest, UpgradeOverARunningMonitorKeepsSettingsAndRestartsIt) {
  ASSERT_TRUE(WaitForMonitor(true, 1000)) << "the monitor of the previous test is not running";
  WriteFileBytes(SettingsMarker(), kKeptSettings);
  ASSERT_EQ(ReadFileBytes(SettingsMarker()), kKeptSettings);
  HANDLE before = OpenMonitorProcess();
  ASSERT_NE(before, nullptr);

  ASSERT_EQ(RunToEnd(Quoted(SetupPath()) + L" /S"), 0u);

  EXPECT_TRUE(ProcessEnded(before)) << "the old monitor was not asked to exit";
  EXPECT_TRUE(WaitForMonitor(true)) << "the monitor was not started again";
  EXPECT_EQ(ReadFileBytes(SettingsMarker()), kKeptSettings);
  CloseHandle(before);
}

// An open configurator may hold changes not yet applied, and its file cannot be replaced: a silent
// setup, which cannot ask for it to be closed, changes nothing and says so by its exit code.
TEST_F(InstallerTest, SilentSetupLeavesAnOpenConfiguratorAndTheMonitorAlone) {
  const std::wstring folder = DefaultInstallFolder();
  HANDLE monitor = OpenMonitorProcess();
  ASSERT_NE(monitor, nullptr) << "the monitor of the previous test is not running";
  HANDLE configurator = StartProcess(Quoted(folder + L"\\Option.exe"), folder);
  ASSERT_NE(configurator, nullptr);
  ASSERT_TRUE(PumpUntil([] { return ConfiguratorWindow() != nullptr; }, 60000));

  EXPECT_EQ(RunToEnd(Quoted(SetupPath()) + L" /S"), kNothingChangedExitCode);
  EXPECT_FALSE(ProcessEnded(monitor)) << "the monitor was stopped although nothing was installed";
  EXPECT_FALSE(ProcessEnded(configurator));

  PostMessageW(ConfiguratorWindow(), WM_CLOSE, 0, 0);
  if (!PumpUntil([configurator] { return ProcessEnded(configurator); }, 30000)) {
    TerminateProcess(configurator, 1);
  }
  CloseHandle(configurator);
  CloseHandle(monitor);
}

TEST_F(InstallerTest, SilentUninstallRemovesAllButTheSettings) {
  const std::wstring folder = DefaultInstallFolder();
  HANDLE monitor = OpenMonitorProcess();
  ASSERT_NE(monitor, nullptr) << "the monitor of the previous test is not running";
  const auto uninstall = ReadUserText(kUninstallKey, L"UninstallString");
  ASSERT_TRUE(uninstall.has_value());

  ASSERT_EQ(RunToEnd(*uninstall + L" /S"), 0u);
  // The uninstaller runs on from a copy of itself, so that it can remove its own file.
  // The settings are the folder config\ and config.ini, which the monitor writes at its start.
  EXPECT_TRUE(PumpUntil([&] { return ListFolder(folder) == L"config config.ini"; }, 60000))
      << "left: " << testing::PrintToString(ListFolder(folder));

  EXPECT_TRUE(ProcessEnded(monitor)) << "the monitor was not asked to exit";
  EXPECT_EQ(ReadFileBytes(SettingsMarker()), kKeptSettings);
  EXPECT_FALSE(ReadUserText(kRunKey, kRunValue).has_value());
  EXPECT_FALSE(UserKeyExists(kUninstallKey));
  EXPECT_FALSE(fs::is_regular_file(ShortcutPath()));
  CloseHandle(monitor);
}

// The pages a user sees, saved as pictures, over the settings the silent uninstall kept; the last
// page's offer starts the monitor.
TEST_F(InstallerTest, InteractiveInstallShowsItsPagesAndStartsTheMonitorAtTheEnd) {
  SetupPages setup(Quoted(SetupPath()));
  ASSERT_TRUE(setup.Started());
  ASSERT_TRUE(setup.WaitForPage(L"Next >")) << "no welcome page";
  setup.SavePicture("installer_1_welcome");
  ASSERT_TRUE(setup.Press(SetupPages::kNextButton));
  ASSERT_TRUE(setup.WaitForPage(L"Install")) << "no folder page";
  setup.SavePicture("installer_2_folder");
  ASSERT_TRUE(setup.Press(SetupPages::kNextButton));
  ASSERT_TRUE(setup.WaitForPage(L"Finish")) << "no finish page";
  setup.SavePicture("installer_3_finish");
  EXPECT_FALSE(WaitForMonitor(true, 1000)) << "started before the user said so";
  ASSERT_TRUE(setup.Press(SetupPages::kNextButton));
  EXPECT_TRUE(setup.WaitForEnd());
  EXPECT_TRUE(WaitForMonitor(true)) << "the finish page's offer did not start the monitor";
}

// The uninstaller as a user runs it from the list of installed apps, answering that the settings
// need not be kept. It runs in place (_?=), so that its end can be waited for; that leaves its own
// file, which it otherwise removes from a copy of itself.
TEST_F(InstallerTest, InteractiveUninstallCanRemoveTheSettingsToo) {
  const std::wstring folder = DefaultInstallFolder();
  ASSERT_TRUE(WaitForMonitor(true, 1000)) << "the monitor of the previous test is not running";
  ASSERT_TRUE(fs::is_regular_file(SettingsMarker()))
      << "the settings kept by the silent uninstall are gone";
  const auto uninstall = ReadUserText(kUninstallKey, L"UninstallString");
  ASSERT_TRUE(uninstall.has_value());

  SetupPages uninstaller(*uninstall + L" _?=" + folder);
  ASSERT_TRUE(uninstaller.Started());
  ASSERT_TRUE(uninstaller.WaitForPage(L"Uninstall")) << "no confirmation page";
  uninstaller.SavePicture("uninstaller_1_confirm");
  ASSERT_TRUE(uninstaller.Press(SetupPages::kNextButton));
  ASSERT_TRUE(uninstaller.WaitForQuestion(IDNO)) << "the settings were not asked about";
  uninstaller.SavePicture("uninstaller_2_keep_settings");
  ASSERT_TRUE(uninstaller.Press(IDNO));
  ASSERT_TRUE(uninstaller.WaitForPage(L"Close"));
  ASSERT_TRUE(uninstaller.Press(SetupPages::kNextButton));
  EXPECT_TRUE(uninstaller.WaitForEnd());

  EXPECT_TRUE(WaitForMonitor(false));
  EXPECT_EQ(ListFolder(folder), L"Uninstall.exe");
  EXPECT_FALSE(UserKeyExists(kUninstallKey));
  DeleteFileW((folder + L"\\Uninstall.exe").c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
