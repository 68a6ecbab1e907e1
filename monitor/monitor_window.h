#pragma once
// The monitor's hidden window: the address other programs send their notices to, the owner of
// the shared block, the hooks and the tray icon. Its message table is the monitor's only entry
// point for events.

#include <windows.h>

#include <memory>

#include "base/text.h"
#include "bridge/shared_block.h"
#include "monitor/dispatch/button_dispatcher.h"
#include "monitor/hook_library.h"
#include "monitor/keyboard_hook.h"
#include "monitor/macro_worker.h"
#include "monitor/profile_following.h"
#include "monitor/win32_monitor_actions.h"
#include "platform/shell_worker.h"
#include "platform/win32_input_sink.h"
#include "settings/registry_path.h"

class MonitorWindow {
 public:
  MonitorWindow();
  ~MonitorWindow();
  MonitorWindow(const MonitorWindow&) = delete;
  MonitorWindow& operator=(const MonitorWindow&) = delete;

  // Creates the window; its creation runs the whole start-up. False when it failed (for example
  // when another process already owns the shared block).
  bool Create(HINSTANCE instance, bool openConfigurator);
  HWND handle() const { return window_; }

 private:
  using Handler = LRESULT (MonitorWindow::*)(WPARAM, LPARAM);
  struct Route {
    UINT message;
    Handler handler;
  };
  static const Route kRoutes[];
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM, LPARAM);
  LRESULT OnCommand(WPARAM, LPARAM);
  LRESULT OnSettingsChanged(WPARAM, LPARAM);
  LRESULT OnMouseReport(WPARAM, LPARAM);
  LRESULT OnButtonEvent(WPARAM, LPARAM);
  LRESULT OnWaitingButtonEvent(WPARAM, LPARAM);
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnCentrePointer(WPARAM, LPARAM);
  LRESULT OnTrayNotify(WPARAM, LPARAM);
  LRESULT OnShowConfigurator(WPARAM, LPARAM);
  LRESULT OnForegroundChanged(WPARAM, LPARAM);
  LRESULT OnActiveProfileQuestion(WPARAM, LPARAM);

  void RegisterSessionNotification();
  void ApplyCurrentPointerSettings();
  // The profile the monitor acts on: the program in front's, else the chosen one.
  const ProfileSettings* ActiveProfile() const;
  // Follows the window in front; a switch first ends what the old profile's buttons hold.
  [[nodiscard]] FollowStep FollowForeground();
  // After a step: pointer settings (for an automatic switch), tray and configurator learn of it.
  void CompleteSwitch(const FollowStep& step, bool automatic);
  // Posts the active slot to a running configurator, which marks that slot's button.
  void TellConfiguratorActiveSlot();

  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  bool openConfigurator_ = false;
  bool running_ = false;           // start-up completed
  UINT taskbarCreated_ = 0;        // registered message: the icon is to be added again
  UINT activeProfileMessage_ = 0;  // registered message: the active slot, asked or told
  int handlerDepth_ = 0;           // calls of the window procedure on the thread's stack
  int waitingReports_ = 0;         // report events posted to wait their turn, not yet run
  Text configIniPath_;
  HMODULE wtsapi_ = nullptr;
  ShellWorker shellWorker_;  // shell calls, off this thread
  HookLibrary hookLibrary_;
  KeyboardHook keyboardHook_;
  RegistryKeyObject mouseKey_;
  SharedBlock sharedBlock_;
  std::unique_ptr<Win32InputSink> inputSink_;
  std::unique_ptr<MacroWorker> macroWorker_;
  std::unique_ptr<Win32MonitorActions> actions_;
  std::unique_ptr<ButtonDispatcher> dispatcher_;
  std::unique_ptr<ProfileFollowing> following_;
};
