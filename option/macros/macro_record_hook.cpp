#include "option/macros/macro_record_hook.h"

#include <cwchar>

#include "option/keyboard_capture_rule.h"
#include "option/macros/macro_manager_view.h"

namespace {

// The hook procedure has no context argument; one recording at a time exists in the process.
HHOOK g_hook = nullptr;
HWND g_target = nullptr;
KeyboardCaptureRule g_rule;

LRESULT CALLBACK RecordingKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION || g_target == nullptr || lParam == 0) {
    return CallNextHookEx(g_hook, code, wParam, lParam);
  }
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  const CapturedKey decision =
      g_rule.Decide(key->vkCode, key->flags, static_cast<uint64_t>(key->dwExtraInfo));
  if (decision.take) {
    PostMessageW(g_target, kMacroKeyMessage, static_cast<WPARAM>(key->vkCode & 0xFF),
                 (key->flags & LLKHF_UP) != 0 ? kMacroKeyReleased : 0);
  }
  // Swallowed: the keystroke belongs to the macro, not to whatever window has the focus.
  if (decision.swallow) return 1;
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

bool InstallRecordingHook(HWND target) {
  if (g_hook != nullptr || target == nullptr) return false;
  g_target = target;
  g_rule = KeyboardCaptureRule();
  g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, RecordingKeyboardProc, GetModuleHandleW(nullptr), 0);
  wchar_t trace[64];
  std::swprintf(trace, 64, L"Hhook: %x\r\n",
                static_cast<unsigned>(reinterpret_cast<uintptr_t>(g_hook)));
  OutputDebugStringW(trace);
  if (g_hook == nullptr) g_target = nullptr;
  return g_hook != nullptr;
}

void RemoveRecordingHook() {
  if (g_hook == nullptr) return;
  const bool removed = UnhookWindowsHookEx(g_hook) != 0;
  OutputDebugStringW(removed ? L"UnHhook: Success \r\n" : L"UnHhook: Fail \r\n");
  g_hook = nullptr;
  g_target = nullptr;
}

bool RecordingHookInstalled() {
  return g_hook != nullptr;
}
