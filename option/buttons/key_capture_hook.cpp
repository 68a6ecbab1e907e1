#include "option/buttons/key_capture_hook.h"

#include <cstdint>
#include <cwchar>

#include "option/keyboard_capture_rule.h"

namespace {

// A hook procedure has no context of its own: the running capture's target.
HHOOK g_captureHook = nullptr;
HWND g_captureTarget = nullptr;
KeyboardCaptureRule g_captureRule;

void DebugHookHandle(HHOOK hook) {
  wchar_t text[64];
  std::swprintf(text, 64, L"Hhook: %x\r\n",
                static_cast<unsigned>(reinterpret_cast<uintptr_t>(hook)));
  OutputDebugStringW(text);
}

LRESULT CALLBACK CaptureKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION || lParam == 0) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  const CapturedKey decision =
      g_captureRule.Decide(event->vkCode, event->flags, static_cast<uint64_t>(event->dwExtraInfo));
  if (decision.take) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%x\n", static_cast<unsigned>(event->vkCode));
    OutputDebugStringW(text);
    PostMessageW(g_captureTarget, kMsgCapturedKey, event->vkCode,
                 static_cast<LPARAM>(event->flags) & kCapturedKeyReleased);
  }
  if (decision.swallow) return 1;  // the key goes to the capture only
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool KeyCaptureHook::Install(HWND target) {
  if (hook_ != nullptr || g_captureHook != nullptr || target == nullptr) return false;
  g_captureTarget = target;
  g_captureRule = KeyboardCaptureRule();
  hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, CaptureKeyboardProc, GetModuleHandleW(nullptr), 0);
  DebugHookHandle(hook_);
  if (hook_ == nullptr) {
    g_captureTarget = nullptr;
    return false;
  }
  g_captureHook = hook_;
  return true;
}

void KeyCaptureHook::Remove() {
  if (hook_ == nullptr) return;
  DebugHookHandle(hook_);
  const bool removed = UnhookWindowsHookEx(hook_) != FALSE;
  OutputDebugStringW(removed ? L"UnHhook: Success \r\n" : L"UnHhook: Fail \r\n");
  hook_ = nullptr;
  g_captureHook = nullptr;
  g_captureTarget = nullptr;
}
