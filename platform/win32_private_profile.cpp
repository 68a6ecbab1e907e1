#include "platform/win32_private_profile.h"

#include <windows.h>

#include "base/wide.h"

uint32_t Win32PrivateProfile::GetString(const Text& section, const Text& key, const Text& fallback,
                                        char16_t* buffer, uint32_t size, const Text& path) {
  return GetPrivateProfileStringW(Wide(section), Wide(key), Wide(fallback), Wide(buffer), size,
                                  Wide(path));
}

bool Win32PrivateProfile::WriteString(const Text& section, const Text& key, const Text& value,
                                      const Text& path) {
  return WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(path)) != FALSE;
}

uint32_t Win32PrivateProfile::GetInt(const Text& section, const Text& key, int32_t fallback,
                                     const Text& path) {
  return GetPrivateProfileIntW(Wide(section), Wide(key), fallback, Wide(path));
}

bool Win32PrivateProfile::GetStruct(const Text& section, const Text& key, void* buffer,
                                    uint32_t size, const Text& path) {
  return GetPrivateProfileStructW(Wide(section), Wide(key), buffer, size, Wide(path)) != FALSE;
}

bool Win32PrivateProfile::WriteStruct(const Text& section, const Text& key, const void* buffer,
                                      uint32_t size, const Text& path) {
  // The function never writes through its buffer; the parameter lacks const for history's sake.
  return WritePrivateProfileStructW(Wide(section), Wide(key), const_cast<void*>(buffer), size,
                                    Wide(path)) != FALSE;
}

PrivateProfile& SystemPrivateProfile() {
  static Win32PrivateProfile profile;
  return profile;
}
