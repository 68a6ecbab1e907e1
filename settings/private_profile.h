#pragma once
// The Windows private-profile (INI) functions as an interface, so that the settings logic runs on
// the real functions in the programs and on the portable engine natively, and the two can be
// compared on the same inputs. Each call names the file; nothing is held open between calls.

#include <cstdint>

#include "base/text.h"

class PrivateProfile {
 public:
  virtual ~PrivateProfile() = default;

  // GetPrivateProfileStringW for one key: copies at most size - 1 characters of the value (or of
  // the default when the file, section or key is missing), terminates them and returns their count.
  // A size of 0 returns 0 and leaves the buffer alone.
  virtual uint32_t GetString(const Text& section, const Text& key, const Text& fallback,
                             char16_t* buffer, uint32_t size, const Text& path) = 0;

  // WritePrivateProfileStringW with a value: adds or replaces the key. False when the file cannot
  // be written (for example a missing folder).
  virtual bool WriteString(const Text& section, const Text& key, const Text& value,
                           const Text& path) = 0;

  // GetPrivateProfileIntW.
  virtual uint32_t GetInt(const Text& section, const Text& key, int32_t fallback,
                          const Text& path) = 0;

  // GetPrivateProfileStructW: true only when the value is exactly 2 * size + 2 hexadecimal digits
  // and its checksum byte matches; on failure the buffer's contents are unspecified.
  virtual bool GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                         const Text& path) = 0;

  // WritePrivateProfileStructW: upper-case hexadecimal digits followed by the checksum byte.
  virtual bool WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size,
                           const Text& path) = 0;
};

// The implementation the programs use: the Win32 functions in the Windows build, the portable
// engine elsewhere.
PrivateProfile& SystemPrivateProfile();
