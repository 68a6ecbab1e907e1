#include "monitor/keyboard_hook.h"

#include <cwchar>

#include "bridge/messages.h"

namespace {

// The hook procedure has no context of its own; there is one keyboard hook per process.
HWND g_centreWindow = nullptr;

void DebugHookHandle(const wchar_t* format, HHOOK hook) {
  wchar_t text[64];
  std::swprintf(text, 64, format, static_cast<unsigned>(reinterpret_cast<uintptr_t>(hook)));
  OutputDebugStringW(text);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (key->vkCode == VK_F13) PostMessageW(g_centreWindow, kMsgCentrePointer, 1, 1);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DWORD WINAPI KeyboardHook::ThreadMain(LPVOID param) {
  auto* self = static_cast<KeyboardHook*>(param);
  // A message queue must exist before the installer may post the quit message.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  self->hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, GetModuleHandleW(nullptr), 0);
  const bool installed = self->hook_ != nullptr;
  SetEvent(self->ready_);
  if (!installed) return 1;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // Unhooked by the thread that hooked, after its last message.
  self->removed_ = UnhookWindowsHookEx(self->hook_) != FALSE;
  return 0;
}

bool KeyboardHook::Install(HWND window) {
  if (thread_ != nullptr) return hook_ != nullptr;
  g_centreWindow = window;
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready_ == nullptr) return false;
  thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_);
  if (thread_ != nullptr) WaitForSingleObject(ready_, INFINITE);
  DebugHookHandle(L"Hhook: %x\r\n", hook_);
  return hook_ != nullptr;
}

void KeyboardHook::Remove() {
  if (thread_ == nullptr) return;
  DebugHookHandle(L"Hhook: %x\r\n", hook_);
  removed_ = false;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, INFINITE);
  OutputDebugStringW(removed_ ? L"UnHhook: Success \r\n" : L"UnHhook: Fail \r\n");
  CloseHandle(thread_);
  CloseHandle(ready_);
  thread_ = nullptr;
  ready_ = nullptr;
  hook_ = nullptr;
}
