#pragma once
// The registry as the settings store needs it: keys opened (or created) by root and sub-key, text
// values read into a caller's byte-sized buffer and written as REG_SZ.

#include <cstdint>
#include <memory>

#include "base/text.h"

enum class RegistryRoot : uint8_t { ClassesRoot, CurrentUser, LocalMachine, CurrentConfig };

// Access masks, numerically those of Windows.
inline constexpr uint32_t kRegistryAllAccess = 0xF003F;  // KEY_ALL_ACCESS
inline constexpr uint32_t kRegistryRead = 0x20019;       // KEY_READ

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;  // closes the key

  // RegQueryValueExW into `bytes` bytes. False when the value is missing, is not text, or does not
  // fit; the buffer's contents are then unspecified.
  virtual bool QueryText(const Text& name, char16_t* buffer, uint32_t bytes) = 0;

  // RegSetValueExW as REG_SZ, the byte size including the terminating zero.
  virtual bool SetText(const Text& name, const Text& text) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key with the given access, and creates it when it cannot be opened. Null when
  // neither works.
  virtual std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, const Text& subkey,
                                                    uint32_t access) = 0;
};
