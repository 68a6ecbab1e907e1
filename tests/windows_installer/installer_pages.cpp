#include "tests/windows_installer/installer_pages.h"

#include <algorithm>

#include "tests/windows_installer/installer_session.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/window_picture.h"

namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

// Top-level windows come in z-order, so a question comes before the page it was asked over.
BOOL CALLBACK MatchVisibleDialog(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (processId == search->processId && IsWindowVisible(window) &&
      std::wstring(className) == L"#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

std::wstring TextWithoutAccelerator(HWND control) {
  wchar_t text[64] = {};
  GetWindowTextW(control, text, 64);
  std::wstring result = text;
  result.erase(std::remove(result.begin(), result.end(), L'&'), result.end());
  return result;
}

}  // namespace

SetupPages::SetupPages(const std::wstring& commandLine)
    : process_(StartProcess(commandLine, L"")) {}

SetupPages::~SetupPages() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
  CloseHandle(process_);
}

HWND SetupPages::Window() const {
  WindowSearch search{GetProcessId(process_), nullptr};
  EnumWindows(MatchVisibleDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SetupPages::WaitForPage(const std::wstring& nextText, DWORD timeoutMs) {
  return PumpUntil(
      [&] {
        HWND next = GetDlgItem(Window(), kNextButton);
        return next != nullptr && IsWindowEnabled(next) && TextWithoutAccelerator(next) == nextText;
      },
      timeoutMs);
}

bool SetupPages::WaitForQuestion(int buttonId, DWORD timeoutMs) {
  return PumpUntil([&] { return GetDlgItem(Window(), buttonId) != nullptr; }, timeoutMs);
}

bool SetupPages::Press(int buttonId) {
  HWND window = Window();
  HWND button = GetDlgItem(window, buttonId);
  if (button == nullptr) return false;
  return PostMessageW(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != FALSE;
}

void SetupPages::SavePicture(const std::string& name) const {
  HWND window = Window();
  // The page's controls paint after its buttons change: let the setup's queue run empty first.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveScreenPicture(window, name);
}

bool SetupPages::WaitForEnd(DWORD timeoutMs) {
  return PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
}
