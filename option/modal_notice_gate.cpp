#include "option/modal_notice_gate.h"

void ModalNoticeGate::Offer(ImageNotice notice) {
  if (depth_ == 0) {
    handle_(notice);
    return;
  }
  (notice == ImageNotice::kMonitorStarted ? monitorStarted_ : reload_) = true;
}

void ModalNoticeGate::Leave() {
  if (--depth_ > 0) return;
  const bool started = monitorStarted_;
  const bool reload = reload_;
  monitorStarted_ = reload_ = false;
  if (started) {
    handle_(ImageNotice::kMonitorStarted);
  } else if (reload) {
    handle_(ImageNotice::kReloadBlock);
  }
}
