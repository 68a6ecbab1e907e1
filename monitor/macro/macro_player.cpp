#include "monitor/macro/macro_player.h"

#include <algorithm>
#include <cstddef>

#include "input/key_table.h"
#include "input/win_input_values.h"

namespace {

// A macro that presses without releasing grows the list on every pass; only the newest entries
// can ever be released, so the oldest are dropped beyond this many.
constexpr std::size_t kPressedLimit = 1024;

constexpr MouseExtraInfo kMouseExtra = MouseExtraInfo::kCurrentMessage;

constexpr uint64_t kStepUs = uint64_t{kMacroRepeatStepMs} * 1000;
constexpr uint64_t kHoldDelayUs = uint64_t{kMacroHoldDelayMs} * 1000;

bool IsMouseCode(uint8_t code) {
  return code >= kKeyCodeMouseLeft && code <= kKeyCodeMouseX1;
}

MouseButtonFlags MouseButtonOf(uint8_t code) {
  MouseButtonFlags button{};
  MouseButtonOfCode(code, &button);  // only called for codes 240 to 244
  return button;
}

// Left and right Shift, Ctrl and Alt are played as the generic key.
uint8_t PlayedVirtualKey(uint8_t code, const KeyboardLayout& layout) {
  return GenericModifier(TranslateKeyCode(code, layout));
}

}  // namespace

MacroPlayer::Request MacroPlayer::StartOrStop(const MacroRequest& macro) {
  if (macro.events.empty()) return Request::kIgnored;
  if (playing_.load(std::memory_order_acquire)) {
    RequestStop();
    return Request::kStopRequested;
  }
  // A count beyond the buffer would play whatever follows it; the buffer's 40 are played.
  const std::size_t count = std::min<std::size_t>(macro.events.size(), kMaxMacroEvents);
  std::copy_n(macro.events.begin(), count, buffer_.begin());
  eventCount_ = static_cast<int32_t>(count);
  repeatCount_ = macro.repeatCount < 1 ? 1 : macro.repeatCount;
  stop_.store(false, std::memory_order_relaxed);
  playing_.store(true, std::memory_order_release);
  return Request::kStarted;
}

void MacroPlayer::AbandonStart() {
  playing_.store(false, std::memory_order_release);
}

bool MacroPlayer::WaitUntil(InputSink& sink, uint64_t& origin, uint64_t offset) const {
  for (;;) {
    const uint64_t now = sink.NowMicroseconds();
    const uint64_t due = origin + offset;
    if (now >= due) {
      if (now - due > kStepUs) origin = now - offset;
      return true;
    }
    if (StopRequested()) return false;
    sink.SleepUntil(std::min(due, now + kStepUs));
  }
}

// A press followed by a long pause was a key held down: after the typematic delay the key-down is
// sent again every step, as the keyboard's own repetition does (no release between repeats), each
// on the playback's schedule; a step that would end after the release is not begun.
void MacroPlayer::HoldKey(InputSink& sink, uint8_t virtualKey, uint16_t scanCode, uint64_t& origin,
                          uint64_t pressedAt, uint64_t releaseAt) const {
  for (uint64_t at = pressedAt + kHoldDelayUs; at + kStepUs <= releaseAt; at += kStepUs) {
    if (!WaitUntil(sink, origin, at) || StopRequested()) return;
    sink.SendKey(virtualKey, scanCode, 0);
  }
  WaitUntil(sink, origin, releaseAt);
}

// When a playback ends, stopped or not, what the macro pressed and has not released is released,
// newest first, each key or button once.
void MacroPlayer::ReleaseHeld(InputSink& sink) {
  std::vector<uint8_t> released;
  while (!pressed_.empty()) {
    const uint8_t code = pressed_.back();
    pressed_.pop_back();
    if (std::find(released.begin(), released.end(), code) != released.end()) continue;
    released.push_back(code);
    if (IsMouseCode(code)) {
      const MouseButtonFlags button = MouseButtonOf(code);
      sink.SendMouse(button.up, button.data, kMouseExtra);
    } else {
      const uint8_t key = PlayedVirtualKey(code, sink.Layout());
      sink.SendKey(key, sink.Layout().ScanCodeOf(key), kKeyEventKeyUp);
    }
    sink.Sleep(kMacroReleasePauseMs);
  }
}

MacroPlaybackEnd MacroPlayer::Play(InputSink& sink) {
  MacroPlaybackEnd result;
  if (!playing_.load(std::memory_order_acquire)) return result;
  result.end = eventCount_;
  pressed_.clear();
  pressed_.reserve(kMaxMacroEvents);

  // Event times are offsets from the playback's start (`origin`): the sum of the pauses before
  // them, in microseconds.
  uint64_t origin = sink.NowMicroseconds();
  uint64_t at = 0;
  bool stopped = false;
  for (int32_t pass = 0; pass < repeatCount_ && !stopped; ++pass) {
    for (int32_t j = 0; j < eventCount_; ++j) {
      const MacroEvent event = buffer_[static_cast<std::size_t>(j)];
      // This event is due at `eventAt`, the next one at `at`.
      const uint64_t eventAt = at;
      at += uint64_t{event.delay == 0 ? 1u : event.delay} * 1000;
      result.currentIndex = j;
      if (StopRequested()) {
        stopped = true;
        break;
      }

      if (IsMouseCode(event.code)) {
        const MouseButtonFlags button = MouseButtonOf(event.code);
        if (event.action == kMacroPress) {
          pressed_.push_back(event.code);
          sink.SendMouse(button.down, button.data, kMouseExtra);
        } else if (event.action == kMacroRelease) {
          const auto newest = std::find(pressed_.rbegin(), pressed_.rend(), event.code);
          if (newest != pressed_.rend()) pressed_.erase(std::next(newest).base());
          sink.SendMouse(button.up, button.data, kMouseExtra);
        }
        WaitUntil(sink, origin, at);
      } else {
        const uint8_t key = PlayedVirtualKey(event.code, sink.Layout());
        if (key == 0) {
          // A code the key table does not know would send virtual key 0; it is skipped and only
          // its pause kept, so the rest of the macro keeps its timing.
          WaitUntil(sink, origin, at);
          continue;
        }
        const uint16_t scan = sink.Layout().ScanCodeOf(key);
        if (event.action == kMacroPress) {
          pressed_.push_back(event.code);
          sink.SendKey(key, scan, 0);
          HoldKey(sink, key, scan, origin, eventAt, at);
        } else if (event.action == kMacroRelease) {
          const auto newest = std::find(pressed_.rbegin(), pressed_.rend(), event.code);
          if (newest != pressed_.rend()) pressed_.erase(std::next(newest).base());
          sink.SendKey(key, scan, kKeyEventKeyUp);
          WaitUntil(sink, origin, at);
        } else {
          // Neither press nor release: a key-down here would never be released and leave the
          // key stuck, so the event is skipped and only its pause kept, as for a mouse button.
          WaitUntil(sink, origin, at);
        }
      }
      if (pressed_.size() > kPressedLimit) pressed_.erase(pressed_.begin());
    }
    if (StopRequested()) stopped = true;
  }

  ReleaseHeld(sink);
  playing_.store(false, std::memory_order_release);
  return result;
}
