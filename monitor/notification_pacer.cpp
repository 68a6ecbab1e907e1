#include "monitor/notification_pacer.h"

#include <utility>

NotificationPacer::Decision NotificationPacer::Show(Text notice, uint64_t nowMs) {
  shownOnce_ = true;
  lastShownMs_ = nowMs;
  lastShown_ = notice;
  Decision decision;
  decision.showNow = std::move(notice);
  return decision;
}

NotificationPacer::Decision NotificationPacer::Offer(Text notice, uint64_t nowMs) {
  // A clock that went backwards (a tick count from another source) counts as a period passed.
  const bool periodOver = !shownOnce_ || nowMs < lastShownMs_ || nowMs - lastShownMs_ >= kPeriodMs;
  if (periodOver && !callBackPending_) {
    waiting_.reset();
    return Show(std::move(notice), nowMs);
  }
  waiting_ = std::move(notice);
  Decision decision;
  if (!callBackPending_) {
    callBackPending_ = true;
    decision.callBackInMs = kPeriodMs - (nowMs - lastShownMs_);
  }
  return decision;
}

NotificationPacer::Decision NotificationPacer::Due(uint64_t nowMs) {
  if (!callBackPending_) return {};
  if (nowMs >= lastShownMs_ && nowMs - lastShownMs_ < kPeriodMs) {
    Decision decision;
    decision.callBackInMs = kPeriodMs - (nowMs - lastShownMs_);
    return decision;  // still pending: the timer came early
  }
  callBackPending_ = false;
  std::optional<Text> waiting = std::move(waiting_);
  waiting_.reset();
  if (!waiting || *waiting == lastShown_) return {};
  return Show(std::move(*waiting), nowMs);
}
