#include "settings/portable_private_profile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "settings/ini_text.h"

namespace fs = std::filesystem;

namespace {

// A file's text, or nothing when there was no file to read.
std::optional<IniText> Load(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff length = in.tellg();
  if (length < 0) return std::nullopt;
  std::string bytes(static_cast<size_t>(length), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), length)) return std::nullopt;
  return IniText::FromBytes(bytes);
}

bool Save(const fs::path& path, const IniText& ini, IniEncoding encoding) {
  // Only a regular file is (re)written: opening a pipe or a device here could block.
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) return false;
  const std::string bytes = ini.ToBytes(encoding);
  // Opening fails without creating anything when the folder is missing.
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

// The system's callers see names and values as zero-terminated strings.
TextView UpToNul(TextView text) {
  return text.substr(0, text.find(u'\0'));
}

TextView StripQuotes(TextView value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// RtlUnicodeStringToInteger with base 0: white space (every unit up to the space), an optional
// sign, a lower-case 0x / 0o / 0b prefix, then digits up to the first one out of range. The
// value wraps modulo 2^32; no digits give 0.
uint32_t ParseProfileInt(TextView text) {
  size_t i = 0;
  while (i < text.size() && text[i] <= u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == u'0') {
    switch (text[i + 1]) {
      case u'x':
        base = 16;
        break;
      case u'o':
        base = 8;
        break;
      case u'b':
        base = 2;
        break;
      default:
        break;
    }
    if (base != 10) i += 2;
  }
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    char16_t c = text[i];
    uint32_t digit = base;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
      digit = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    }
    if (digit >= base) break;
    value = value * base + digit;
  }
  return negative ? 0u - value : value;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

std::optional<Text> PortablePrivateProfile::FindValue(const Text& section, const Text& key,
                                                      const Text& path) {
  std::optional<IniText> ini = Load(ToFilesystemPath(path));
  if (!ini) return std::nullopt;
  return ini->Find(section, key);
}

uint32_t PortablePrivateProfile::GetString(const Text& section, const Text& key,
                                           const Text& fallback, char16_t* buffer, uint32_t size,
                                           const Text& path) {
  if (size == 0 || buffer == nullptr) return 0;
  std::optional<Text> value = FindValue(section, key, path);
  if (!value) {
    // The default loses its trailing spaces (only spaces), then its quotes like a value.
    TextView shortened = UpToNul(fallback);
    size_t keep = shortened.find_last_not_of(u' ');
    value = Text(shortened.substr(0, keep == TextView::npos ? 0 : keep + 1));
  }
  TextView shown = StripQuotes(*value);
  size_t count = std::min<size_t>(shown.size(), size - 1);
  std::copy_n(shown.data(), count, buffer);
  buffer[count] = u'\0';
  return static_cast<uint32_t>(count);
}

bool PortablePrivateProfile::WriteString(const Text& section, const Text& key, const Text& value,
                                         const Text& path) {
  const fs::path file = ToFilesystemPath(path);
  // A new file is Windows-1252, as the system's ANSI-first writer makes it.
  IniText ini = Load(file).value_or(IniText());
  ini.Set(section, key, value);
  return Save(file, ini, ini.encoding());
}

uint32_t PortablePrivateProfile::GetInt(const Text& section, const Text& key, int32_t fallback,
                                        const Text& path) {
  std::optional<Text> value = FindValue(section, key, path);
  if (!value) return static_cast<uint32_t>(fallback);
  TextView number = StripQuotes(*value);
  if (number.empty()) return static_cast<uint32_t>(fallback);
  return ParseProfileInt(number);
}

bool PortablePrivateProfile::GetStruct(const Text& section, const Text& key, void* buffer,
                                       uint32_t size, const Text& path) {
  if (buffer == nullptr && size > 0) return false;
  std::optional<Text> value = FindValue(section, key, path);
  if (!value || value->size() != 2 * static_cast<uint64_t>(size) + 2) return false;
  std::vector<unsigned char> bytes(static_cast<size_t>(size) + 1);
  for (size_t i = 0; i < bytes.size(); ++i) {
    int high = HexDigit((*value)[2 * i]);
    int low = HexDigit((*value)[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<unsigned char>(high * 16 + low);
  }
  unsigned char sum = 0;
  for (size_t i = 0; i < size; ++i) sum = static_cast<unsigned char>(sum + bytes[i]);
  if (sum != bytes[size]) return false;
  std::copy_n(bytes.data(), size, static_cast<unsigned char*>(buffer));
  return true;
}

bool PortablePrivateProfile::WriteStruct(const Text& section, const Text& key, const void* buffer,
                                         uint32_t size, const Text& path) {
  if (buffer == nullptr && size > 0) return false;
  return WriteString(section, key, StructHex(buffer, size), path);
}
