#pragma once
// An input sink that sends nothing: it records every call with the time of a virtual clock that
// its Sleep and SleepUntil advance (and each injection, by a chosen cost, to stand for the time
// a real injection takes), so tests can compare exact sequences of events, pauses and times.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "input/input_sink.h"

struct InputRecord {
  enum class Kind : uint8_t { kKey, kMouse, kSleep, kLock, kShell };
  Kind kind = Kind::kKey;
  uint32_t flags = 0;     // key: kKeyEvent*; mouse: kMouseEvent*
  int32_t value = 0;      // key: virtual key; mouse: data; sleep: milliseconds; shell: request
  uint16_t scanCode = 0;  // key only
  MouseExtraInfo extra = MouseExtraInfo::kZero;  // mouse only
  uint64_t time = 0;          // the virtual clock when the call was made, in ms; not compared
  uint64_t microseconds = 0;  // the same, exactly; not compared

  bool SameAs(const InputRecord& other) const;
  std::string Describe() const;
};

// Builders for expected sequences.
InputRecord KeyRecord(uint8_t virtualKey, uint16_t scanCode, uint32_t flags);
InputRecord MouseRecord(uint32_t flags, int32_t data, MouseExtraInfo extra);
InputRecord SleepRecord(uint32_t milliseconds);
InputRecord LockRecord();
InputRecord ShellRecord(ShellRequest request);

// The first difference between two sequences, naming its index: an entry that differs, one that
// is missing from `actual`, or a spurious one in it. Empty when they are the same.
std::string FirstDifference(const std::vector<InputRecord>& expected,
                            const std::vector<InputRecord>& actual);

// A layout given by a list of (virtual key, scan code) pairs, one per key; unknown keys give 0.
class TableKeyboardLayout : public KeyboardLayout {
 public:
  struct Key {
    uint8_t virtualKey;
    uint16_t scanCode;
  };
  explicit TableKeyboardLayout(std::vector<Key> keys) : keys_(std::move(keys)) {}
  uint16_t ScanCodeOf(uint8_t virtualKey) const override;
  uint8_t VirtualKeyAt(uint16_t scanCode) const override;

 private:
  std::vector<Key> keys_;
};

class RecordingInput : public InputSink {
 public:
  explicit RecordingInput(const KeyboardLayout& layout) : layout_(layout) {}

  void SendKey(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) override;
  void SendMouse(uint32_t flags, int32_t data, MouseExtraInfo extra) override;
  void Sleep(uint32_t milliseconds) override;
  uint64_t NowMicroseconds() override { return now_; }
  // Recorded as a sleep of the whole milliseconds to the deadline (none when it has passed).
  void SleepUntil(uint64_t deadlineMicroseconds) override;
  void LockWorkstation() override;
  void Shell(ShellRequest request) override;
  const KeyboardLayout& Layout() const override { return layout_; }

  const std::vector<InputRecord>& Records() const { return records_; }
  uint64_t Now() const { return now_ / 1000; }  // milliseconds
  void Clear() { records_.clear(); }
  // Every later SendKey and SendMouse advances the clock by this much after it is recorded.
  void SetInjectionCost(uint64_t microseconds) { injectionCost_ = microseconds; }
  // The clock jumps ahead, as when the thread was not scheduled for that long.
  void Stall(uint64_t microseconds) { now_ += microseconds; }

 private:
  void Add(InputRecord record);

  const KeyboardLayout& layout_;
  std::vector<InputRecord> records_;
  uint64_t now_ = 0;  // microseconds
  uint64_t injectionCost_ = 0;
};
