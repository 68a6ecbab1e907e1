// What the main window does with the monitor's notices: a monitor that started, a block to
// reload, device values to take over. The first two replace the edited image, so they pass
// through the modal notice gate.

#include "bridge/change_flags.h"
#include "option/configurator_window.h"
#include "settings/catalogue.h"

LRESULT ConfiguratorWindow::OnMonitorStarted(WPARAM, LPARAM) {
  notices_.Offer(ImageNotice::kMonitorStarted);
  return 0;
}

LRESULT ConfiguratorWindow::OnReloadBlock(WPARAM, LPARAM) {
  notices_.Offer(ImageNotice::kReloadBlock);
  return 0;
}

void ConfiguratorWindow::HandleNotice(ImageNotice notice) {
  if (notice == ImageNotice::kMonitorStarted) {
    TakeStartedMonitor();
  } else {
    ReloadFromBlock();
  }
}

void ConfiguratorWindow::TakeStartedMonitor() {
  // A monitor started after this window has a block this window has not opened yet; without it
  // every later apply would reach the files but never the monitor.
  if (!block_.HasView()) {
    block_.CloseLock();
    block_.OpenLock();
    blockLive_ = block_.OpenBlock();
  }
  block_.Read(*loaded_);
  ClearChangeFlags(*loaded_);
  BoundCurrentProfile(*loaded_);
  *edited_ = *loaded_;
  RefreshMainWindow();
  (void)macros_->MergeButtonMacrosAndSave(*edited_);  // as at start: nothing of the user's is lost
}

void ConfiguratorWindow::ReloadFromBlock() {
  block_.Read(*loaded_);
  // The flags in the block belong to the apply that set them; copied on, the next apply would
  // publish them again as changes.
  ClearChangeFlags(*loaded_);
  BoundCurrentProfile(*loaded_);
  *edited_ = *loaded_;
  RefreshMainWindow();
}

LRESULT ConfiguratorWindow::OnDeviceValuesChanged(WPARAM, LPARAM) {
  // Without a fresh copy of the block there are no new values to take over.
  if (!block_.Read(*loaded_)) return 0;
  const int32_t slot = loaded_->CurrentProfile;
  if (!IsValidProfileIndex(slot)) return 0;
  const ProfileSettings& from = loaded_->profiles[slot];
  ProfileSettings& to = edited_->profiles[slot];
  to.CpiStep = from.CpiStep;
  to.Sensitivity_X = from.Sensitivity_X;
  to.Sensitivity_Y = from.Sensitivity_Y;
  to.PollingRate = from.PollingRate;
  return 0;
}
