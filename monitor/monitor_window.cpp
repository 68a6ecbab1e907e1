#include "monitor/monitor_window.h"

#include <commctrl.h>
#include <objbase.h>

#include <cwchar>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "monitor/apply_pointer_settings.h"
#include "monitor/button_events.h"
#include "monitor/monitor_state.h"
#include "monitor/tray_icon.h"
#include "platform/library_search.h"
#include "platform/module_folder.h"
#include "platform/proc_address.h"
#include "platform/system_settings_context.h"
#include "platform/win32_registry.h"
#include "settings/catalogue.h"
#include "settings/language_strings.h"

SharedSettingsBlock g_monitorSettings;
Text g_programFolder;

namespace {

HWND FindConfigurator() {
  return FindWindowW(nullptr, Wide(kConfiguratorTitle));
}

}  // namespace

const MonitorWindow::Route MonitorWindow::kRoutes[] = {
    {WM_CREATE, &MonitorWindow::OnCreate},
    {WM_DESTROY, &MonitorWindow::OnDestroy},
    {WM_COMMAND, &MonitorWindow::OnCommand},
    {kMsgSettingsChanged, &MonitorWindow::OnSettingsChanged},
    {kMsgSettingsChangedExternal, &MonitorWindow::OnSettingsChanged},
    {kMsgMouseReport, &MonitorWindow::OnMouseReport},
    {kMsgButtonEvent, &MonitorWindow::OnButtonEvent},
    {kMsgWaitingButtonEvent, &MonitorWindow::OnWaitingButtonEvent},
    {WM_TIMER, &MonitorWindow::OnTimer},
    {kMsgCentrePointer, &MonitorWindow::OnCentrePointer},
    {kMsgTrayNotify, &MonitorWindow::OnTrayNotify},
    {kMsgShowConfigurator, &MonitorWindow::OnShowConfigurator},
    {kMsgForegroundChanged, &MonitorWindow::OnForegroundChanged},
};

MonitorWindow::MonitorWindow() : mouseKey_(SystemRegistry()) {}

MonitorWindow::~MonitorWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool MonitorWindow::Create(HINSTANCE instance, bool openConfigurator) {
  instance_ = instance;
  openConfigurator_ = openConfigurator;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = Wide(kMonitorWindowClass);
  RegisterClassW(&wc);
  // Broadcast by a new task bar, after Explorer restarted, which knows no icons yet.
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  activeProfileMessage_ = RegisterWindowMessageW(Wide(kActiveProfileMessageName));
  // Pop-up, never shown; found by its title alone.
  CreateWindowExW(0, Wide(kMonitorWindowClass), Wide(kMonitorTitle), WS_POPUP, 100, 100, 100, 100,
                  nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

LRESULT CALLBACK MonitorWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<MonitorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<MonitorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // Counted so that a report taken while another of the window's messages is being handled
  // (during a call that lets sent messages in, or a menu's loop) does not act halfway through it.
  ++self->handlerDepth_;
  const LRESULT result = self->Handle(window, message, wParam, lParam);
  --self->handlerDepth_;
  return result;
}

LRESULT MonitorWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (running_ && message == taskbarCreated_ && message != 0) {
    AddTrayIcon(window, instance_);
    if (following_) following_->RefreshTip(g_monitorSettings);
    return 0;
  }
  if (running_ && message == activeProfileMessage_ && message != 0) {
    return OnActiveProfileQuestion(wParam, lParam);
  }
  for (const Route& route : kRoutes) {
    if (route.message == message) return (this->*route.handler)(wParam, lParam);
  }
  if (message == WM_NCDESTROY) window_ = nullptr;
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MonitorWindow::OnCreate(WPARAM, LPARAM) {
  CoInitialize(nullptr);
  InitCommonControls();
  shellWorker_.Start();
  g_programFolder = ProgramFolder();
  configIniPath_ = ConfigIniPath(g_programFolder);
  RegisterSessionNotification();
  LoadLanguageLibrary(g_programFolder);
  hookLibrary_.Bind(g_programFolder);
  mouseKey_.Open(u"HKEY_CURRENT_USER\\Control Panel\\Mouse", kRegistryAllAccess);

  const SettingsContext settings = SystemSettingsContext();
  ResetSettingsBlock(g_monitorSettings);
  if (LoadAllSettings(g_monitorSettings, settings) != 1) SetAllDefaults(g_monitorSettings);

  // Without a block (its name taken by another kind of object, or by objects another user owns)
  // the monitor runs on the settings it loaded.
  if (sharedBlock_.Create() != SharedBlock::CreateResult::Created) {
    OutputDebugStringW(L"shared block unavailable; running on the loaded settings\n");
  }
  sharedBlock_.Write(g_monitorSettings);

  // The macro worker plays on its own thread; the actions run on this one.
  macroWorker_ = std::make_unique<MacroWorker>();
  macroWorker_->Start();
  inputSink_ = std::make_unique<Win32InputSink>(&shellWorker_);
  actions_ = std::make_unique<Win32MonitorActions>(window_, *inputSink_, macroWorker_.get(),
                                                   &shellWorker_);
  dispatcher_ = std::make_unique<ButtonDispatcher>(*inputSink_, *actions_);

  SetWindowLongPtrW(window_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  // The files only get what was just loaded from them; a folder that cannot be written loses
  // nothing, and the configurator reports it when the user applies.
  if (!SaveAllSettings(g_monitorSettings, settings)) {
    OutputDebugStringW(L"settings files could not be written\n");
  }
  sharedBlock_.Write(g_monitorSettings);
  if (HWND configurator = FindConfigurator()) PostMessageW(configurator, kMsgMonitorStarted, 0, 0);
  AddTrayIcon(window_, instance_);
  following_ =
      std::make_unique<ProfileFollowing>(window_, kMsgForegroundChanged, kTimerProfileNotice);
  following_->Start(g_monitorSettings);
  TellConfiguratorActiveSlot();
  if (openConfigurator_) PostMessageW(window_, kMsgShowConfigurator, 0, 0);
  if (!WriteMonitorStarted(settings)) OutputDebugStringW(L"config.ini could not be written\n");
  ApplyCurrentPointerSettings();
  keyboardHook_.Install(window_);
  hookLibrary_.Enable(1);
  hookLibrary_.Install(window_);
  running_ = true;
  return 0;
}

LRESULT MonitorWindow::OnDestroy(WPARAM, LPARAM) {
  // A start-up that failed half-way installed no hook and must not close anyone's configurator.
  if (running_) {
    keyboardHook_.Remove();
    hookLibrary_.Remove();
    // Nothing the monitor pressed stays down after it: held buttons and keys, auto-fire, Alt.
    if (dispatcher_) dispatcher_->ReleaseAll();
    // A program's pointer settings do not outlast the monitor: the session keeps the chosen ones.
    if (following_ && following_->ActiveSlot() != g_monitorSettings.CurrentProfile) {
      ApplyPointerSettings(CurrentProfileOrNull(g_monitorSettings), mouseKey_);
    }
    // The configurator never outlives the monitor.
    if (HWND configurator = FindConfigurator()) PostMessageW(configurator, WM_CLOSE, 0, 0);
    Sleep(1000);
  }
  // A playing macro is asked to stop first, so that shutdown does not wait for all its repeats.
  if (macroWorker_) macroWorker_->Stop();
  following_.reset();
  dispatcher_.reset();
  actions_.reset();
  inputSink_.reset();  // it hands calls to the shell worker, stopped below
  if (wtsapi_ != nullptr) {
    using UnregisterFn = BOOL(WINAPI*)(HWND);
    auto unregister = ProcAddress<UnregisterFn>(wtsapi_, "WTSUnRegisterSessionNotification");
    if (unregister != nullptr) unregister(window_);
    FreeLibrary(wtsapi_);
    wtsapi_ = nullptr;
  }
  shellWorker_.Stop();
  CoUninitialize();
  sharedBlock_.CloseBlock();
  sharedBlock_.CloseLock();
  RemoveTrayIcon(window_);
  FreeLanguageLibrary();
  if (running_) PostQuitMessage(0);
  running_ = false;
  return 0;
}

void MonitorWindow::RegisterSessionNotification() {
  wtsapi_ = LoadSystemLibrary(L"wtsapi32.dll");
  if (wtsapi_ == nullptr) return;
  using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
  auto registerFn = ProcAddress<RegisterFn>(wtsapi_, "WTSRegisterSessionNotification");
  if (registerFn == nullptr) return;
  // The session service may not be up yet when the monitor starts with the session.
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (registerFn(window_, 0 /* this session only */)) return;
    Sleep(1000);
  }
}

void MonitorWindow::ApplyCurrentPointerSettings() {
  ApplyPointerSettings(ActiveProfile(), mouseKey_);
}

const ProfileSettings* MonitorWindow::ActiveProfile() const {
  return following_ ? following_->ActiveProfile(g_monitorSettings)
                    : CurrentProfileOrNull(g_monitorSettings);
}

FollowStep MonitorWindow::FollowForeground() {
  if (!following_) return {};
  const FollowStep step = following_->Follow(g_monitorSettings);
  // Exactly as a reload lets go of the old assignments, except for a button held with the very
  // same assignment in both profiles: its own release ends it.
  if (step.switched && dispatcher_) dispatcher_->ReleaseHoldsChangedBy(ActiveProfile());
  return step;
}

void MonitorWindow::CompleteSwitch(const FollowStep& step, bool automatic) {
  if (!following_) return;
  if (step.switched) {
    // A reload applies the pointer settings itself, switch or not.
    if (automatic) ApplyCurrentPointerSettings();
    TellConfiguratorActiveSlot();
  }
  following_->Tell(step, g_monitorSettings, automatic);
}

void MonitorWindow::TellConfiguratorActiveSlot() {
  HWND configurator = FindConfigurator();
  if (configurator == nullptr || !following_) return;
  PostMessageW(configurator, activeProfileMessage_,
               static_cast<WPARAM>(static_cast<uint32_t>(following_->ActiveSlot())),
               following_->ByProgram() ? 1 : 0);
}

LRESULT MonitorWindow::OnForegroundChanged(WPARAM, LPARAM) {
  CompleteSwitch(FollowForeground(), true);
  return 0;
}

LRESULT MonitorWindow::OnActiveProfileQuestion(WPARAM, LPARAM) {
  if (!following_ || !following_->ByProgram()) return 0;
  const int32_t slot = following_->ActiveSlot();
  return IsValidProfileIndex(slot) ? slot + 1 : 0;
}

LRESULT MonitorWindow::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case kCmdShowConfigurator:
      ShowConfigurator(&shellWorker_);
      break;
    case kCmdExitMonitor:
      PostMessageW(window_, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT MonitorWindow::OnSettingsChanged(WPARAM, LPARAM) {
  // Whatever the old assignments hold is let go first: their releases must not depend on what
  // the new ones say.
  if (dispatcher_) dispatcher_->ReleaseAll();
  // Files are not read here: the shared block is the only channel from the configurator.
  sharedBlock_.Read(g_monitorSettings);
  BoundCurrentProfile(g_monitorSettings);
  // The new settings may name other programs or another chosen profile; the user's own change is
  // not announced as an automatic one.
  const FollowStep step = FollowForeground();
  ApplyCurrentPointerSettings();
  CompleteSwitch(step, false);
  return 0;
}

LRESULT MonitorWindow::OnMouseReport(WPARAM wParam, LPARAM lParam) {
  // The hook's watchdog times this thread's answer, not the input the button's function injects.
  ReplyMessage(1);
  if (auto event = TranslateMouseReport(wParam, lParam)) {
    const auto index = static_cast<WPARAM>(event->index);
    const auto kind = static_cast<LPARAM>(event->kind);
    // Performed here, one hop from the hook. Inside another handler, or behind events still
    // waiting, it waits its turn in the queue instead: no handler is interrupted halfway, and a
    // release never overtakes its press.
    if (handlerDepth_ == 1 && waitingReports_ == 0) {
      OnButtonEvent(index, kind);
    } else if (PostMessageW(window_, kMsgWaitingButtonEvent, index, kind)) {
      ++waitingReports_;
    }
  }
  // After the function, which the debug output must not delay.
  wchar_t text[64];
  std::swprintf(text, 64, L"wParam=%x,lParam=%x\n\r", static_cast<unsigned>(wParam),
                static_cast<unsigned>(lParam));
  OutputDebugStringW(text);
  return 1;
}

LRESULT MonitorWindow::OnWaitingButtonEvent(WPARAM wParam, LPARAM lParam) {
  if (waitingReports_ > 0) --waitingReports_;
  return OnButtonEvent(wParam, lParam);
}

LRESULT MonitorWindow::OnButtonEvent(WPARAM wParam, LPARAM lParam) {
  // The window in front decides the profile before the assignment is chosen, so that a button
  // never acts on a stale one even when a foreground event was missed (or never raised).
  const FollowStep step = FollowForeground();
  if (dispatcher_) {
    dispatcher_->DispatchButtonEvent(ActiveProfile(), static_cast<int64_t>(wParam),
                                     static_cast<int64_t>(lParam));
  }
  // The pointer settings and the tray after the button's function: they must not delay it.
  CompleteSwitch(step, true);
  return 1;
}

LRESULT MonitorWindow::OnTimer(WPARAM wParam, LPARAM lParam) {
  if (wParam == kTimerProfileNotice && following_) following_->OnNoticeTimer();
  if (dispatcher_) dispatcher_->OnTimer(static_cast<uint32_t>(wParam));
  return DefWindowProcW(window_, WM_TIMER, wParam, lParam);
}

LRESULT MonitorWindow::OnCentrePointer(WPARAM, LPARAM) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  return 1;
}

LRESULT MonitorWindow::OnTrayNotify(WPARAM, LPARAM lParam) {
  HandleTrayNotification(window_, lParam);
  return 1;
}

LRESULT MonitorWindow::OnShowConfigurator(WPARAM, LPARAM) {
  ShowConfigurator(&shellWorker_);
  return 0;
}
