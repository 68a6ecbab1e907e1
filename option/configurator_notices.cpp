// What the main window does with the monitor's notices: a monitor that started, a block to
// reload, device values to take over. The first two replace the edited image, so they pass
// through the modal notice gate; the model decides what each does to the images.

#include "option/configurator_window.h"

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
    model_->TakeStartedMonitor();
  } else {
    model_->ReloadFromBlock();
  }
  RefreshMainWindow();
}

LRESULT ConfiguratorWindow::OnDeviceValuesChanged(WPARAM, LPARAM) {
  model_->TakeDeviceValues();
  return 0;
}
