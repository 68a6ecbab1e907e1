// The monitor as a real process: its start-up and shutdown as seen by the configurator's side,
// reload on notice with the pointer settings taking effect, and its single instance.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "bridge/shared_block.h"
#include "platform/module_folder.h"
#include "platform/win32_private_profile.h"
#include "platform/win32_registry.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "settings/pointer_settings.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/windows_support/live_settings.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/under_wine.h"

namespace {

// A window with the configurator's title that records what it is sent.
class FakeConfigurator {
 public:
  FakeConfigurator() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FakeConfiguratorWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, Wide(kConfiguratorTitle), WS_OVERLAPPEDWINDOW, 0,
                              0, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~FakeConfigurator() { DestroyWindow(window_); }
  HWND window() const { return window_; }
  bool Received(UINT message) const {
    for (UINT m : received_) {
      if (m == message) return true;
    }
    return false;
  }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeConfigurator*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self != nullptr && (message == kMsgMonitorStarted || message == WM_CLOSE)) {
      self->received_.push_back(message);
      return 0;  // a close request is only recorded
    }
    return DefWindowProcW(w, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  std::vector<UINT> received_;
};

void SetMouseValue(const char16_t* name, const char16_t* text) {
  SystemRegistry()
      .OpenOrCreate(RegistryRoot::CurrentUser, kMouseKey, kRegistryAllAccess)
      ->SetText(name, text);
}

void SetMouseRegistry(const char16_t* speed, const char16_t* t1, const char16_t* t2) {
  auto key =
      SystemRegistry().OpenOrCreate(RegistryRoot::CurrentUser, kMouseKey, kRegistryAllAccess);
  key->SetText(u"MouseSpeed", speed);
  key->SetText(u"MouseThreshold1", t1);
  key->SetText(u"MouseThreshold2", t2);
}

Text MouseRegistry(const char16_t* name) {
  auto key = SystemRegistry().OpenOrCreate(RegistryRoot::CurrentUser, kMouseKey, kRegistryRead);
  char16_t buffer[64] = {};
  if (!key || !key->QueryText(name, buffer, sizeof buffer - 2)) return u"<missing>";
  return Text(buffer);
}

TEST(MonitorLifecycle, PublishesTheCatalogueAndAppliesNewSettingsOnNotice) {
  MonitorProcess monitor;
  Win32PrivateProfile ini;
  // Slot 1 has a file of its own and is current; the other slots have none.
  ProfileSettings work;
  std::memset(&work, 0, sizeof work);
  SetProfileDefaults(work, 1);
  // A name and a program path outside any one code page.
  const Text workName = u"Work \u0420\u0430\u0431\u043e\u0442\u0430 \u4ed5\u4e8b Caf\u00e9";
  const Text workProgram = u"C:\\\u30b2\u30fc\u30e0\\\u0438\u0433\u0440\u0430.exe";
  CopyToField(work.ProFileName, workName);
  CopyToField(work.GameFile, workProgram);
  ASSERT_TRUE(SaveProfile(work, SlotFilePath(monitor.installFolder(), 1)));
  IniFile(ConfigIniPath(monitor.installFolder()), ini).WriteInt(u"Setting", u"CurrentProfile", 1);
  // The current profile takes over what Windows uses now.
  SetMouseValue(u"DoubleClickSpeed", u"470");
  SetMouseRegistry(u"1", u"6", u"10");

  FakeConfigurator configurator;
  ASSERT_TRUE(monitor.Start());
  EXPECT_TRUE(PumpUntil([&] { return configurator.Received(kMsgMonitorStarted); }, 10000))
      << "a running configurator hears of the start";

  SharedBlock block;
  ASSERT_TRUE(block.OpenLock());
  ASSERT_TRUE(block.OpenBlock());
  auto image = std::make_unique<SharedSettingsBlock>();
  ASSERT_TRUE(block.Read(*image));
  EXPECT_EQ(image->CurrentProfile, 1);
  EXPECT_EQ(FieldText(image->profiles[1].ProFileName), workName);
  EXPECT_EQ(FieldText(image->profiles[1].GameFile), workProgram);
  {
    // The files the monitor rewrote at its start give them back for the next start.
    ProfileSettings reread{};
    LoadProfile(reread, SlotFilePath(monitor.installFolder(), 1), ini);
    EXPECT_EQ(FieldText(reread.ProFileName), workName);
    EXPECT_EQ(FieldText(reread.GameFile), workProgram);
  }
  EXPECT_EQ(FieldText(image->profiles[0].ProFileName), u"Default1");
  EXPECT_EQ(FieldText(image->profiles[4].ProFileName), u"Default5");
  EXPECT_EQ(image->profiles[1].DbleClickSpeed, 470) << "taken over from the registry at start";
  EXPECT_EQ(ReadLiveSettings().doubleClick, 470u);
  EXPECT_EQ(IniFile(ConfigIniPath(monitor.installFolder()), ini).ReadInt(u"Setting", u"Device", 0),
            1);

  // The configurator's apply: a changed block, then notice 1224, waited for.
  ProfileSettings& current = image->profiles[1];
  current.DbleClickSpeed = 333;
  current.MouseSpeed = 13;
  current.ScrollWheelSpeed = 7;
  current.ScrollWheelFlag = 0;
  current.AccelerationFlag = 0;
  SetMouseRegistry(u"1", u"6", u"10");
  ASSERT_TRUE(block.Write(*image));
  SendMessageW(monitor.window(), kMsgSettingsChanged, 0, 0);

  LiveSettings live = ReadLiveSettings();
  EXPECT_EQ(live.doubleClick, 333u);
  // Wine 8 accepts SPI_SETMOUSESPEED but answers SPI_GETMOUSESPEED with 0 even in the process
  // that set it, so the pointer speed can only be checked on Windows.
  if (!RunningUnderWine()) {
    EXPECT_EQ(live.speed, 13);
  }
  EXPECT_EQ(live.wheelLines, 7u);
  EXPECT_EQ(live.mouse[0], 0);
  EXPECT_EQ(live.mouse[1], 0);
  EXPECT_EQ(live.mouse[2], 0) << "acceleration switched off";
  for (const char16_t* name : {u"MouseSpeed", u"MouseThreshold1", u"MouseThreshold2"}) {
    EXPECT_EQ(MouseRegistry(name), u"0") << "acceleration zeroed in the registry";
  }

  // Page scrolling through the outside senders' notice 1227.
  current.ScrollWheelFlag = 1;
  ASSERT_TRUE(block.Write(*image));
  SendMessageW(monitor.window(), kMsgSettingsChangedExternal, 0, 0);
  // Another process under Wine reads page scrolling back as INT_MAX (its stored text is parsed
  // as a signed number); Windows and Wine's own process give WHEEL_PAGESCROLL.
  const UINT pageLines = ReadLiveSettings().wheelLines;
  EXPECT_TRUE(pageLines == 0xFFFFFFFFu || (RunningUnderWine() && pageLines == 0x7FFFFFFFu))
      << pageLines;

  block.CloseBlock();
  block.CloseLock();
  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(PumpUntil([&] { return configurator.Received(WM_CLOSE); }, 5000))
      << "the configurator never outlives the monitor";
}

TEST(MonitorLifecycle, AcceleratedProfileUsesTheRegistrysValues) {
  MonitorProcess monitor;
  Win32PrivateProfile ini;
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  p.AccelerationFlag = 1;
  p.Acceleration = 8;
  ASSERT_TRUE(SaveProfile(p, SlotFilePath(monitor.installFolder(), 0)));
  SetMouseRegistry(u"1", u"6", u"0");  // row 8: read back as level 8, acceleration on
  IniFile(ConfigIniPath(monitor.installFolder()), ini).WriteInt(u"Setting", u"CurrentProfile", 0);
  ASSERT_TRUE(monitor.Start());
  LiveSettings live = ReadLiveSettings();
  EXPECT_EQ(live.mouse[0], 6);
  EXPECT_EQ(live.mouse[1], 0);
  EXPECT_EQ(live.mouse[2], 1);
  EXPECT_EQ(MouseRegistry(u"MouseThreshold1"), u"6");
  ASSERT_TRUE(monitor.Exit());
}

TEST(MonitorLifecycle, OneInstanceAndTheArgumentOne) {
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  HWND first = monitor.window();

  EXPECT_EQ(monitor.RunSecondInstance(L""), 0);
  EXPECT_EQ(monitor.window(), first);

  // With "1" the first monitor raises the configurator that is already there.
  FakeConfigurator configurator;
  ShowWindow(configurator.window(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(configurator.window()));
  EXPECT_EQ(monitor.RunSecondInstance(L"1"), 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(configurator.window()); }, 10000));
  EXPECT_EQ(monitor.window(), first);
  EXPECT_TRUE(monitor.Running());
  ASSERT_TRUE(monitor.Exit());
}

HWND FindConfiguratorWindow() {
  return FindWindowW(nullptr, Wide(kConfiguratorTitle));
}

TEST(MonitorLifecycle, ArgumentOneStartsTheConfiguratorAndExitClosesIt) {
  MonitorProcess monitor;
  ASSERT_EQ(FindConfiguratorWindow(), nullptr);
  ASSERT_TRUE(monitor.Start(L"1"));
  EXPECT_TRUE(PumpUntil([] { return FindConfiguratorWindow() != nullptr; }, 20000))
      << "Option.exe beside the monitor was started";
  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(PumpUntil([] { return FindConfiguratorWindow() == nullptr; }, 10000))
      << "the configurator never outlives the monitor";
}

TEST(MonitorLifecycle, TrayDoubleClickRaisesTheConfigurator) {
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  FakeConfigurator configurator;
  ShowWindow(configurator.window(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(configurator.window()));
  PostMessageW(monitor.window(), kMsgTrayNotify, 102, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(configurator.window()); }, 10000));
  ASSERT_TRUE(monitor.Exit());
}

TEST(MonitorLifecycle, CopiesGoOnAfterAnOwnerDiedHoldingTheMutex) {
  MonitorProcess monitor;
  IniFile(ConfigIniPath(monitor.installFolder()), SystemPrivateProfile())
      .WriteInt(u"Setting", u"CurrentProfile", 0);
  ASSERT_TRUE(monitor.Start());
  SharedBlock block;
  ASSERT_TRUE(block.OpenLock());
  ASSERT_TRUE(block.OpenBlock());
  auto image = std::make_unique<SharedSettingsBlock>();
  ASSERT_TRUE(block.Read(*image));
  image->profiles[0].DbleClickSpeed = 611;
  ASSERT_TRUE(block.Write(*image));

  // A thread that takes the mutex and ends without releasing it abandons it, as a killed
  // process would.
  std::thread([] {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, Wide(kSharedBlockMutex));
    WaitForSingleObject(mutex, INFINITE);
    CloseHandle(mutex);
  }).join();

  SendMessageW(monitor.window(), kMsgSettingsChanged, 0, 0);
  EXPECT_EQ(ReadLiveSettings().doubleClick, 611u) << "the monitor's copy went through";
  // Nobody holds the mutex afterwards.
  HANDLE mutex = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, Wide(kSharedBlockMutex));
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(WaitForSingleObject(mutex, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  ASSERT_TRUE(monitor.Exit());
}

TEST(MonitorLifecycle, RunsOnTheFilesWhenTheBlockCannotBeCreated) {
  MonitorProcess monitor;
  Win32PrivateProfile ini;
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 2);
  ASSERT_TRUE(SaveProfile(p, SlotFilePath(monitor.installFolder(), 2)));
  SetMouseValue(u"DoubleClickSpeed", u"555");
  IniFile(ConfigIniPath(monitor.installFolder()), ini).WriteInt(u"Setting", u"CurrentProfile", 2);
  // Another kind of object already has the block's name: the mapping cannot be created.
  HANDLE squatter = CreateEventW(nullptr, TRUE, FALSE, Wide(kSharedBlockName));
  ASSERT_NE(squatter, nullptr);

  ASSERT_TRUE(monitor.Start());
  EXPECT_EQ(ReadLiveSettings().doubleClick, 555u);
  SetDoubleClickTime(200);
  EXPECT_EQ(ReadLiveSettings().doubleClick, 200u);
  SendMessageW(monitor.window(), kMsgSettingsChanged, 0, 0);
  EXPECT_EQ(ReadLiveSettings().doubleClick, 555u) << "a notice re-applies the settings loaded";
  SharedBlock block;
  EXPECT_FALSE(block.OpenBlock());
  ASSERT_TRUE(monitor.Exit());
  CloseHandle(squatter);
}

}  // namespace
