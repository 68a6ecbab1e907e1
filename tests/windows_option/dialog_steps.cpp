#include "tests/windows_option/dialog_steps.h"

#include <vector>

#include "base/wide.h"
#include "skin/button_pos.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"

namespace fs = std::filesystem;

RECT DialogControlRect(const fs::path& folder, const wchar_t* skinFile, int key) {
  wchar_t value[4096] = {};
  const std::wstring ini = (folder / "skins" / skinFile).wstring();
  GetPrivateProfileStringW(L"BUTTONPOS", std::to_wstring(key).c_str(), L"", value, 4096,
                           ini.c_str());
  const ButtonPosEntry entry = ParseButtonPos(FromWide(value));
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

namespace {

struct DialogSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) == search->owner) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND OwnedDialog(HWND owner) {
  DialogSearch search{owner, nullptr};
  EnumWindows(&FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForOwnedDialog(HWND owner) {
  HWND dialog = nullptr;
  if (!PumpUntil([&] { return (dialog = OwnedDialog(owner)) != nullptr; }, kWaitMs)) return nullptr;
  // Painted and holding the focus before anything is clicked or typed.
  return WaitUntilThreadIdle(dialog, kIdleWaitMs) ? dialog : nullptr;
}

bool WaitUntilClosed(HWND dialog) {
  return PumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kWaitMs);
}

void ClickDialogControl(HWND dialog, const fs::path& folder, const wchar_t* skinFile, int key) {
  const RECT rect = OnScreen(dialog, DialogControlRect(folder, skinFile, key));
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wScan = inputs[1].ki.wScan = c;
    inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
    inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof inputs[0]);
    PumpUntil([] { return false; }, 20);
  }
}

void PressKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
  PumpUntil([] { return false; }, 50);
}

std::wstring WindowText(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return std::wstring(text.data());
}
