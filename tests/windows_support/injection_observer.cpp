#include "tests/windows_support/injection_observer.h"

#include "kbhook/mouse_report.h"
#include "tests/windows_support/pump.h"

namespace {

// Hook procedures have no context pointer; one observer exists at a time.
std::vector<ObservedInput> g_seen;
bool g_swallowKeys = true;

bool IsRelease(WPARAM message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
         message == WM_XBUTTONUP;
}

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_seen.push_back({true, k->vkCode, (k->flags & LLKHF_UP) != 0, (k->flags & LLKHF_INJECTED) != 0,
                      0, CounterNow()});
    if (g_swallowKeys) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam != WM_MOUSEMOVE) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (m->dwExtraInfo != kDeviceSimulationMarker) {
      const int delta = wParam == WM_MOUSEWHEEL || wParam == WM_MOUSEHWHEEL
                            ? static_cast<short>(HIWORD(m->mouseData))
                            : 0;
      g_seen.push_back({false, static_cast<DWORD>(wParam), IsRelease(wParam),
                        (m->flags & LLMHF_INJECTED) != 0, delta, CounterNow()});
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

InjectionObserver::InjectionObserver(bool swallowKeys) {
  g_seen.clear();
  g_seen.reserve(4096);
  g_swallowKeys = swallowKeys;
  keyHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyHook, GetModuleHandleW(nullptr), 0);
  mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, GetModuleHandleW(nullptr), 0);
}

InjectionObserver::~InjectionObserver() {
  if (keyHook_ != nullptr) UnhookWindowsHookEx(keyHook_);
  if (mouseHook_ != nullptr) UnhookWindowsHookEx(mouseHook_);
}

const std::vector<ObservedInput>& InjectionObserver::seen() const {
  return g_seen;
}

void InjectionObserver::Clear() {
  g_seen.clear();
}

bool InjectionObserver::WaitFor(std::size_t count, DWORD timeoutMs) const {
  return PumpUntil([count] { return g_seen.size() >= count; }, timeoutMs);
}

void InjectionObserver::Idle(DWORD milliseconds) const {
  PumpUntil([] { return false; }, milliseconds);
}

void SimulateMouse(DWORD flags, DWORD data) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  input.mi.dwExtraInfo = kDeviceSimulationMarker;
  SendInput(1, &input, sizeof input);
}

LONGLONG CounterNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double CounterMilliseconds(LONGLONG from, LONGLONG to) {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return static_cast<double>(to - from) * 1000.0 / frequency;
}
