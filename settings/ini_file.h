#pragma once
// Access to one INI file: the six operations every settings, macro and skin file goes through.

#include <cstdint>

#include "base/text.h"
#include "settings/private_profile.h"

class IniFile {
 public:
  // Values read with ReadString are cut to this many characters less one.
  static constexpr uint32_t kReadBufferChars = 4096;

  explicit IniFile(Text path, PrivateProfile& profile = SystemPrivateProfile())
      : path_(std::move(path)), profile_(profile) {}

  Text ReadString(const Text& section, const Text& key, const Text& fallback) const;
  bool WriteString(const Text& section, const Text& key, const Text& value) const;
  int32_t ReadInt(const Text& section, const Text& key, int32_t fallback) const;
  bool WriteInt(const Text& section, const Text& key, int32_t value) const;
  bool ReadStruct(const Text& section, const Text& key, void* buffer, uint32_t size) const;
  bool WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size) const;

  const Text& path() const { return path_; }

 private:
  Text path_;
  PrivateProfile& profile_;
};
