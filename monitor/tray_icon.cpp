#include "monitor/tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "lang/string_ids.h"
#include "platform/module_folder.h"
#include "platform/shell_worker.h"
#include "settings/language_strings.h"

namespace {

NOTIFYICONDATAW IconData(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  return data;
}

void BringForward(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetActiveWindow(window);
}

// The tray's text fields are fixed arrays; a longer text is cut to fit.
template <size_t N>
void CopyCut(wchar_t (&field)[N], TextView text) {
  const size_t n = std::min(text.size(), N - 1);
  std::copy_n(text.data(), n, field);
  field[n] = 0;
}

void ShowMenu(HWND owner) {
  SetForegroundWindow(GetLastActivePopup(owner));
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  AppendMenuW(menu, MF_STRING, kCmdShowConfigurator,
              Wide(LanguageString(IDS_TRAY_OPEN_CONFIGURATOR)));
  SetMenuDefaultItem(menu, kCmdShowConfigurator, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kCmdExitMonitor, Wide(LanguageString(IDS_TRAY_EXIT)));
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
  // Lets the menu's dismissal complete when the user clicks elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
}

}  // namespace

void AddTrayIcon(HWND owner, HINSTANCE instance) {
  NOTIFYICONDATAW data = IconData(owner);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kMsgTrayNotify;
  data.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconResource));
  CopyCut(data.szTip, LanguageString(IDS_TRAY_TOOLTIP));
  Shell_NotifyIconW(NIM_ADD, &data);
}

bool SetTrayTip(HWND owner, TextView tip) {
  NOTIFYICONDATAW data = IconData(owner);
  data.uFlags = NIF_TIP;
  CopyCut(data.szTip, tip);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void ShowTrayNotice(HWND owner, TextView title, TextView text) {
  NOTIFYICONDATAW data = IconData(owner);
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO;
  CopyCut(data.szInfoTitle, title);
  CopyCut(data.szInfo, text);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void RemoveTrayIcon(HWND owner) {
  NOTIFYICONDATAW data = IconData(owner);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

void HandleTrayNotification(HWND owner, LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      BringForward(GetLastActivePopup(owner));
      PostMessageW(owner, kMsgShowConfigurator, 0, 0);
      break;
    case WM_LBUTTONDBLCLK:
      PostMessageW(owner, kMsgShowConfigurator, 0, 0);
      break;
    case WM_RBUTTONDOWN:
      ShowMenu(owner);
      break;
    default:
      break;
  }
}

void ShowConfigurator(ShellWorker* shell) {
  HWND configurator = FindWindowW(nullptr, Wide(kConfiguratorTitle));
  if (configurator != nullptr) {
    BringForward(configurator);
    return;
  }
  Text path = RunningModulePath();
  const size_t slash = path.rfind(u'\\');
  path = (slash == Text::npos ? Text() : path.substr(0, slash)) + u"\\Option.exe";
  if (shell == nullptr) return;
  shell->Run([path](IShellDispatch*) {
    ShellExecuteW(nullptr, L"open", Wide(path), nullptr, nullptr, SW_SHOW);
  });
}
