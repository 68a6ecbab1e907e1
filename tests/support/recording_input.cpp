#include "tests/support/recording_input.h"

#include <cstdio>

namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

}  // namespace

bool InputRecord::SameAs(const InputRecord& other) const {
  if (kind != other.kind) return false;
  switch (kind) {
    case Kind::kKey:
      return value == other.value && scanCode == other.scanCode && flags == other.flags;
    case Kind::kMouse:
      return flags == other.flags && value == other.value && extra == other.extra;
    case Kind::kSleep:
    case Kind::kShell:
      return value == other.value;
    case Kind::kLock:
      return true;
  }
  return false;
}

std::string InputRecord::Describe() const {
  switch (kind) {
    case Kind::kKey:
      return "key vk=" + Hex(static_cast<uint32_t>(value)) + " scan=" + Hex(scanCode) +
             " flags=" + Hex(flags);
    case Kind::kMouse:
      return "mouse flags=" + Hex(flags) + " data=" + std::to_string(value) +
             (extra == MouseExtraInfo::kZero ? " extra=0" : " extra=message");
    case Kind::kSleep:
      return "sleep " + std::to_string(value) + " ms";
    case Kind::kLock:
      return "lock workstation";
    case Kind::kShell:
      return value == static_cast<int32_t>(ShellRequest::kFindFiles) ? "shell FindFiles"
                                                                     : "shell FileRun";
  }
  return "?";
}

InputRecord KeyRecord(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) {
  InputRecord r;
  r.kind = InputRecord::Kind::kKey;
  r.value = virtualKey;
  r.scanCode = scanCode;
  r.flags = flags;
  return r;
}

InputRecord MouseRecord(uint32_t flags, int32_t data, MouseExtraInfo extra) {
  InputRecord r;
  r.kind = InputRecord::Kind::kMouse;
  r.flags = flags;
  r.value = data;
  r.extra = extra;
  return r;
}

InputRecord SleepRecord(uint32_t milliseconds) {
  InputRecord r;
  r.kind = InputRecord::Kind::kSleep;
  r.value = static_cast<int32_t>(milliseconds);
  return r;
}

InputRecord LockRecord() {
  InputRecord r;
  r.kind = InputRecord::Kind::kLock;
  return r;
}

InputRecord ShellRecord(ShellRequest request) {
  InputRecord r;
  r.kind = InputRecord::Kind::kShell;
  r.value = static_cast<int32_t>(request);
  return r;
}

std::string FirstDifference(const std::vector<InputRecord>& expected,
                            const std::vector<InputRecord>& actual) {
  const size_t common = expected.size() < actual.size() ? expected.size() : actual.size();
  for (size_t i = 0; i < common; ++i) {
    if (!expected[i].SameAs(actual[i])) {
      return "entry " + std::to_string(i) + ": expected " + expected[i].Describe() + ", got " +
             actual[i].Describe();
    }
  }
  if (actual.size() < expected.size()) {
    return "missing entry " + std::to_string(common) + ": " + expected[common].Describe();
  }
  if (actual.size() > expected.size()) {
    return "spurious entry " + std::to_string(common) + ": " + actual[common].Describe();
  }
  return {};
}

uint16_t TableKeyboardLayout::ScanCodeOf(uint8_t virtualKey) const {
  for (const Key& key : keys_) {
    if (key.virtualKey == virtualKey) return key.scanCode;
  }
  return 0;
}

uint8_t TableKeyboardLayout::VirtualKeyAt(uint16_t scanCode) const {
  if (scanCode == 0) return 0;
  for (const Key& key : keys_) {
    if (key.scanCode == scanCode) return key.virtualKey;
  }
  return 0;
}

void RecordingInput::Add(InputRecord record) {
  record.time = now_ / 1000;
  record.microseconds = now_;
  records_.push_back(std::move(record));
}

void RecordingInput::SendKey(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) {
  Add(KeyRecord(virtualKey, scanCode, flags));
  now_ += injectionCost_;
}

void RecordingInput::SendMouse(uint32_t flags, int32_t data, MouseExtraInfo extra) {
  Add(MouseRecord(flags, data, extra));
  now_ += injectionCost_;
}

void RecordingInput::Sleep(uint32_t milliseconds) {
  Add(SleepRecord(milliseconds));
  now_ += uint64_t{milliseconds} * 1000;
}

void RecordingInput::SleepUntil(uint64_t deadlineMicroseconds) {
  if (deadlineMicroseconds <= now_) return;
  Add(SleepRecord(static_cast<uint32_t>((deadlineMicroseconds - now_) / 1000)));
  now_ = deadlineMicroseconds;
}

void RecordingInput::LockWorkstation() {
  Add(LockRecord());
}

void RecordingInput::Shell(ShellRequest request) {
  Add(ShellRecord(request));
}
