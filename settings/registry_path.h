#pragma once
// A registry key named by one full path text, such as "HKEY_CURRENT_USER\Control Panel\Mouse",
// which the monitor keeps open for its own reads and writes.

#include <memory>
#include <optional>

#include "base/text.h"
#include "settings/registry.h"

struct RegistryPath {
  RegistryRoot root;
  Text subkey;
};

// The text up to the first backslash names the root (HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER,
// HKEY_CURRENT_CONFIG, HKEY_CLASSES_ROOT, any case); any other first part selects
// HKEY_LOCAL_MACHINE with the whole text as the sub-key. A text without a backslash is refused.
std::optional<RegistryPath> ParseRegistryPath(TextView fullPath);

class RegistryKeyObject {
 public:
  explicit RegistryKeyObject(Registry& registry) : registry_(registry) {}

  // Opens (creating when missing) the key of a full path with the given access; any key open
  // before is closed first. False when the path is refused or the key cannot be had.
  bool Open(TextView fullPath, uint32_t access);
  void Close() { key_.reset(); }
  bool IsOpen() const { return key_ != nullptr; }

  // Reads a text value into a caller's buffer of `bytes` bytes, always terminated.
  bool ReadText(const Text& name, char16_t* buffer, uint32_t bytes);
  bool WriteText(const Text& name, const Text& text);

 private:
  Registry& registry_;
  std::unique_ptr<RegistryKey> key_;
};
