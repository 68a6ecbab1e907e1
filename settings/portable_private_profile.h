#pragma once
// The private-profile functions without Windows, behaving as Windows does on the same files, so
// that the settings logic runs and is tested natively. The Windows build uses the real functions
// (platform/win32_private_profile.h); the Wine test programs compare the two.
//
// Files are read and written whole on every call. A file starting with the bytes FF FE is UTF-16LE;
// any other file is Windows-1252, as is every new file. Writes edit the file in place: bytes the
// write has no business with (blank lines, comments, odd spacing, text before the first section,
// line ends of other lines) stay as they are.
//
// Not supported: the registry redirection of INI files (IniFileMapping) that Windows honours, and
// bare file names, which Windows puts in the Windows folder; callers pass full paths.

#include <cstdint>
#include <optional>

#include "base/text.h"
#include "settings/private_profile.h"

class PortablePrivateProfile : public PrivateProfile {
 public:
  uint32_t GetString(const Text& section, const Text& key, const Text& fallback, char16_t* buffer,
                     uint32_t size, const Text& path) override;
  bool WriteString(const Text& section, const Text& key, const Text& value,
                   const Text& path) override;
  uint32_t GetInt(const Text& section, const Text& key, int32_t fallback,
                  const Text& path) override;
  // On failure the buffer is left untouched.
  bool GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                 const Text& path) override;
  // A null buffer (which would delete the key on Windows) is refused.
  bool WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size,
                   const Text& path) override;

 protected:
  // The key's value as the file holds it, or nothing when the file, the section or the key is
  // missing. Every read goes through here.
  virtual std::optional<Text> FindValue(const Text& section, const Text& key, const Text& path);
};
