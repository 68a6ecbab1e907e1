#include "monitor/win32_foreground_system.h"

#include <windows.h>

#include <array>

#include "base/unique_handle.h"

namespace {

// Every path of these short look-ups closes what it opened.
using ScopedHandle = UniqueHandle<HANDLE, &CloseHandle>;

Elevation TokenElevationOf(HANDLE process) {
  ScopedHandle token;
  // An elevated process's token may refuse a non-elevated asker: unknown, never a guess.
  if (!OpenProcessToken(process, TOKEN_QUERY, token.receive())) return Elevation::kUnknown;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size)) {
    return Elevation::kUnknown;
  }
  return elevation.TokenIsElevated != 0 ? Elevation::kElevated : Elevation::kNotElevated;
}

}  // namespace

ForegroundWindow Win32ForegroundSystem::Foreground() {
  HWND window = GetForegroundWindow();
  if (window == nullptr) return {};
  const auto handle = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
  // A window never changes process, and a handle's value comes back for another window only after
  // its slot has been reused tens of thousands of times; so the same window in front needs no
  // second question, which every press would otherwise pay for.
  if (handle == last_.window && last_.processId != 0) return last_;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  last_ = {handle, static_cast<uint32_t>(processId)};
  return last_;
}

std::optional<Text> Win32ForegroundSystem::ImagePath(uint32_t processId) {
  // Limited information is all that an elevated or protected process grants everyone.
  const ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (process.get() == nullptr) return std::nullopt;
  // A GameFile holds at most 499 characters: a longer path names no profile anyway.
  std::array<wchar_t, 1024> path{};
  DWORD length = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length) ||
      length >= path.size()) {
    return std::nullopt;
  }
  return Text(reinterpret_cast<const char16_t*>(path.data()), length);
}

Elevation Win32ForegroundSystem::ProcessElevation(uint32_t processId) {
  const ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (process.get() == nullptr) return Elevation::kUnknown;
  return TokenElevationOf(process.get());
}

bool CurrentProcessElevated() {
  return TokenElevationOf(GetCurrentProcess()) == Elevation::kElevated;
}
