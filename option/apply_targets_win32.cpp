#include "option/apply_targets_win32.h"

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "platform/system_settings_context.h"
#include "settings/catalogue.h"

void Win32ApplyTargets::WriteSharedBlock(const SharedSettingsBlock& image) {
  block_.Write(image);  // without a monitor there is no block, and nothing to tell
}

bool Win32ApplyTargets::SaveAllSettings(const SharedSettingsBlock& image) {
  return ::SaveAllSettings(image, SystemSettingsContext());
}

void Win32ApplyTargets::NotifyMonitor() {
  HWND monitor = FindWindowW(nullptr, Wide(kMonitorTitle));
  if (monitor == nullptr) return;
  // Waits until the monitor has taken the new settings, but never for a monitor that hangs: the
  // configurator would hang with it, holding the mouse capture.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(monitor, kMsgSettingsChanged, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      kMonitorAnswerTimeoutMs, &ignored);
}

bool Win32ApplyTargets::SaveMacroLibrary() {
  return macros_.Save();
}

bool Win32BlockSource::Open() {
  block_.OpenLock();
  return block_.OpenBlock();
}

void Win32BlockSource::Reopen() {
  // The lock too: without a monitor at start there was none to open.
  block_.CloseLock();
  block_.OpenLock();
  (void)block_.OpenBlock();
}

void Win32BlockSource::Close() {
  block_.CloseBlock();
  block_.CloseLock();
}
