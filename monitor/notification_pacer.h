#pragma once
// At most one tray notification per period, so that focus flickering between programs does not
// bury the user in them. A notice offered too soon waits for the end of the period; only the
// latest waiting one is shown then, and not at all when it repeats the last one shown.

#include <cstdint>
#include <optional>

#include "base/text.h"

class NotificationPacer {
 public:
  static constexpr uint64_t kPeriodMs = 1000;

  struct Decision {
    std::optional<Text> showNow;
    // Call Due() after this many milliseconds (a one-shot timer); none when nothing waits or a
    // call is already due.
    std::optional<uint64_t> callBackInMs;
  };

  [[nodiscard]] Decision Offer(Text notice, uint64_t nowMs);
  // The waiting notice to show now, if any; a call before its time keeps it waiting.
  [[nodiscard]] Decision Due(uint64_t nowMs);

 private:
  bool shownOnce_ = false;
  uint64_t lastShownMs_ = 0;
  Text lastShown_;
  std::optional<Text> waiting_;
  bool callBackPending_ = false;

  Decision Show(Text notice, uint64_t nowMs);
};
