// The monitor never leaves the mouse worse off than without it: a first start in an empty folder,
// a start after a monitor that ended abruptly while another process held the block, and a task
// bar that starts again all leave clicks working and the tray icon in place.

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs
// clang-format on

#include <memory>
#include <thread>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "bridge/shared_block.h"
#include "monitor/tray_icon.h"
#include "platform/module_folder.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "settings/ini_file.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"

namespace {

// An ordinary window under the pointer that counts the left clicks it gets.
class ClickTarget {
 public:
  ClickTarget() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ResilienceClickTarget";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
    window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100,
                              300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    SetCursorPos(250, 200);
  }
  ~ClickTarget() { DestroyWindow(window_); }

  // One click of the simulated physical mouse; true once the window has seen its down and up.
  bool Clicked() {
    downs_ = ups_ = 0;
    Click();
    return Seen(1, 10000);
  }
  static void Click() {
    SimulateMouse(MOUSEEVENTF_LEFTDOWN);
    SimulateMouse(MOUSEEVENTF_LEFTUP);
  }
  // Pumps until the window has seen `clicks` downs and ups in all.
  bool Seen(int clicks, DWORD timeoutMs) {
    return PumpUntil([this, clicks] { return downs_ >= clicks && ups_ >= clicks; }, timeoutMs);
  }
  int downs() const { return downs_; }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ClickTarget*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self != nullptr && message == WM_LBUTTONDOWN) ++self->downs_;
    if (self != nullptr && message == WM_LBUTTONUP) ++self->ups_;
    return DefWindowProcW(w, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  int downs_ = 0;
  int ups_ = 0;
};

int StoredCurrentProfile(const MonitorProcess& monitor) {
  return IniFile(ConfigIniPath(monitor.installFolder()), SystemPrivateProfile())
      .ReadInt(u"Setting", u"CurrentProfile", -1);
}

TEST(MonitorResilience, FirstStartInAnEmptyFolderLetsClicksThrough) {
  MonitorProcess monitor;  // no config.ini, no profiles
  ASSERT_TRUE(monitor.Start());
  ClickTarget target;
  EXPECT_TRUE(target.Clicked()) << "the first slot's left click reaches the window";
  EXPECT_EQ(StoredCurrentProfile(monitor), 0);
  ASSERT_TRUE(monitor.Exit());
}

TEST(MonitorResilience, StartsAgainAfterAnAbruptEndWhileTheBlockIsHeld) {
  auto first = std::make_unique<MonitorProcess>();
  ASSERT_TRUE(first->Start());
  SharedBlock held;  // as a configurator would hold it
  ASSERT_TRUE(held.OpenLock());
  ASSERT_TRUE(held.OpenBlock());
  ASSERT_TRUE(TerminateProcess(first->process(), 9));
  WaitForSingleObject(first->process(), 10000);

  MonitorProcess second;
  IniFile(ConfigIniPath(second.installFolder()), SystemPrivateProfile())
      .WriteInt(u"Setting", u"CurrentProfile", 2);
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.Running());
  auto image = std::make_unique<SharedSettingsBlock>();
  ASSERT_TRUE(held.Read(*image));
  EXPECT_EQ(image->CurrentProfile, 2) << "the new monitor published its catalogue";
  ClickTarget target;
  EXPECT_TRUE(target.Clicked());
  ASSERT_TRUE(second.Exit());
}

// While the monitor's window thread hangs, the mouse keeps working: clicks pass through to the
// window once the reports have waited a quarter of a second, and the click the monitor was given
// before is still performed, whole, once the thread is back.
TEST(MonitorResilience, AHangingWindowThreadLetsClicksThrough) {
  constexpr UINT kMsgSpyHoldThread = WM_APP + 26;  // see message_spy.cpp
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  const HMODULE spy = LoadLibraryW(Wide(ProgramFolder() + u"message_spy.dll"));
  ASSERT_NE(spy, nullptr);
  auto proc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void (*)()>(GetProcAddress(spy, "SpyGetMessage")));
  const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, proc, spy,
                                       GetWindowThreadProcessId(monitor.window(), nullptr));
  ASSERT_NE(hook, nullptr);
  ClickTarget target;

  // Held once it no longer answers; the spy may need a moment to be loaded into the monitor.
  bool held = false;
  for (int attempt = 0; attempt < 5 && !held; ++attempt) {
    PostMessageW(monitor.window(), kMsgSpyHoldThread, 4000, 0);
    DWORD_PTR ignored = 0;
    held = SendMessageTimeoutW(monitor.window(), WM_NULL, 0, 0, SMTO_NORMAL, 300, &ignored) == 0;
  }
  ASSERT_TRUE(held) << "the monitor's thread was never held";
  ClickTarget::Click();  // reported and swallowed: the monitor will perform it later
  PumpUntil([] { return false; }, 400);
  EXPECT_EQ(target.downs(), 0) << "the monitor cannot have performed it yet";
  const DWORD start = GetTickCount();
  ClickTarget::Click();  // the reports have waited too long: this one goes straight through
  EXPECT_TRUE(target.Seen(1, 2000));
  EXPECT_LT(GetTickCount() - start, 2000u) << "it waited for the monitor";
  EXPECT_TRUE(target.Seen(2, 10000)) << "the first click, performed once the thread is back";

  UnhookWindowsHookEx(hook);
  ASSERT_TRUE(monitor.Exit());
  FreeLibrary(spy);
}

// Another process that holds the block's mutex and hangs delays the monitor's reload by a second
// at most, and buttons keep working.
TEST(MonitorResilience, AHeldBlockMutexDelaysAReloadBySecondAtMost) {
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE finish = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, Wide(kSharedBlockMutex));
    WaitForSingleObject(mutex, INFINITE);
    SetEvent(taken);
    WaitForSingleObject(finish, 30000);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  });
  ASSERT_EQ(WaitForSingleObject(taken, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  const DWORD start = GetTickCount();
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutW(monitor.window(), kMsgSettingsChanged, 0, 0, SMTO_NORMAL, 10000,
                                &ignored),
            0);
  EXPECT_LT(GetTickCount() - start, 3000u);
  ClickTarget target;
  EXPECT_TRUE(target.Clicked());
  SetEvent(finish);
  holder.join();
  CloseHandle(taken);
  CloseHandle(finish);
  ASSERT_TRUE(monitor.Exit());
}

TEST(MonitorResilience, TrayIconComesBackWhenTheTaskBarStartsAgain) {
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = monitor.window();
  icon.uID = kTrayIconId;
  // A task bar that starts again knows no icons: the same as the icon taken away.
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon));
  SendMessageW(monitor.window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon was added again";
  ASSERT_TRUE(monitor.Exit());
}

}  // namespace
