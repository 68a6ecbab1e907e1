#pragma once
// Playback of one macro button's recorded keys and mouse buttons, and the start and stop protocol
// between the monitor window's thread and the macro worker thread. The worker only waits for its
// play message and calls Play; every decision lives here, against an InputSink whose clock times
// the playback: each event is due at the playback's start plus the pauses recorded before it, so
// the time injections take and the timer's errors do not add up along a macro.

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "input/input_sink.h"
#include "monitor/dispatch/monitor_actions.h"
#include "settings/profile_settings.h"

// A key held longer than this starts to repeat, as the keyboard's typematic delay does.
inline constexpr uint32_t kMacroHoldDelayMs = 500;
// The typematic step; also the longest single wait, so a stop is noticed within one step. An
// event found due later than this was held up (the thread not scheduled, the system suspended)
// rather than mistimed: the rest of the macro is moved back by the delay instead of being played
// in a burst to catch up.
inline constexpr uint32_t kMacroRepeatStepMs = 33;
// Between the releases of keys still held when a playback ends.
inline constexpr uint32_t kMacroReleasePauseMs = 50;

// Where a playback ended, for the worker's debug line ("g_iCurAction= %d,start=%d,end=%d\n").
struct MacroPlaybackEnd {
  int32_t currentIndex = 0;
  int32_t start = 0;
  int32_t end = 0;
};

class MacroPlayer {
 public:
  enum class Request : uint8_t {
    kIgnored,        // a macro without events
    kStarted,        // copied; the caller posts the play message to the worker
    kStopRequested,  // a playback runs or waits for the worker; it is asked to stop
  };

  // Window thread. A press of any macro button while a playback runs asks it to stop; otherwise
  // the macro is copied and the caller must hand it to the worker (Play) or, when the message
  // cannot be posted, call AbandonStart.
  Request StartOrStop(const MacroRequest& macro);

  // When the play message could not be delivered (no worker): the player is idle again.
  void AbandonStart();

  // Any thread. Shutdown calls it before waiting for the worker, so a long macro ends within one
  // repeat step instead of playing to its end.
  void RequestStop() { stop_.store(true, std::memory_order_relaxed); }

  // True from a start until the worker's playback has ended.
  bool IsPlaying() const { return playing_.load(std::memory_order_acquire); }

  // Worker thread: plays the macro taken over by the last start; nothing when none is pending.
  MacroPlaybackEnd Play(InputSink& sink);

 private:
  bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }
  // Waits until `origin` + `offset` (microseconds on the sink's clock) in steps no longer than
  // the repeat step; false when a stop cut it short. Moves `origin` on after a hold-up.
  bool WaitUntil(InputSink& sink, uint64_t& origin, uint64_t offset) const;
  // The key pressed at `pressedAt` is held until `releaseAt` (offsets from `origin`).
  void HoldKey(InputSink& sink, uint8_t virtualKey, uint16_t scanCode, uint64_t& origin,
               uint64_t pressedAt, uint64_t releaseAt) const;
  void ReleaseHeld(InputSink& sink);

  // Written by the window thread only while playing_ is clear; read by the worker after it has
  // seen playing_ set.
  std::array<MacroEvent, kMaxMacroEvents> buffer_{};
  int32_t eventCount_ = 0;
  int32_t repeatCount_ = 1;
  // Key codes pressed and not yet released, oldest first; private to the worker.
  std::vector<uint8_t> pressed_;

  // Set by the window thread when it hands a macro over (so that a second press before the worker
  // has begun stops it instead of overwriting the buffer under it), cleared by the worker.
  std::atomic<bool> playing_{false};
  std::atomic<bool> stop_{false};
  static_assert(std::atomic<bool>::is_always_lock_free);
};
