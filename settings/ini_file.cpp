#include "settings/ini_file.h"

#include <array>

Text IniFile::ReadString(const Text& section, const Text& key, const Text& fallback) const {
  std::array<char16_t, kReadBufferChars> buffer{};
  uint32_t n = profile_.GetString(section, key, fallback, buffer.data(), kReadBufferChars, path_);
  if (n >= kReadBufferChars) n = kReadBufferChars - 1;
  return Text(buffer.data(), n);
}

bool IniFile::WriteString(const Text& section, const Text& key, const Text& value) const {
  return profile_.WriteString(section, key, value, path_);
}

int32_t IniFile::ReadInt(const Text& section, const Text& key, int32_t fallback) const {
  return static_cast<int32_t>(profile_.GetInt(section, key, fallback, path_));
}

bool IniFile::WriteInt(const Text& section, const Text& key, int32_t value) const {
  return profile_.WriteString(section, key, FormatInt(value), path_);
}

bool IniFile::ReadStruct(const Text& section, const Text& key, void* buffer, uint32_t size) const {
  return profile_.GetStruct(section, key, buffer, size, path_);
}

bool IniFile::WriteStruct(const Text& section, const Text& key, const void* buffer,
                          uint32_t size) const {
  return profile_.WriteStruct(section, key, buffer, size, path_);
}
