#pragma once
// The private-profile interface over the Win32 functions themselves: what the programs use, and
// the reference the Wine tests hold the portable engine to.
//
// The registry redirection of INI files that Windows honours (IniFileMapping) is out of scope:
// the settings files are not meant to be mapped, and the portable engine does not model it.

#include <cstdint>

#include "base/text.h"
#include "settings/private_profile.h"

class Win32PrivateProfile : public PrivateProfile {
 public:
  uint32_t GetString(const Text& section, const Text& key, const Text& fallback, char16_t* buffer,
                     uint32_t size, const Text& path) override;
  bool WriteString(const Text& section, const Text& key, const Text& value,
                   const Text& path) override;
  uint32_t GetInt(const Text& section, const Text& key, int32_t fallback,
                  const Text& path) override;
  bool GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                 const Text& path) override;
  bool WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size,
                   const Text& path) override;
};
