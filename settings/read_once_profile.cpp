#include "settings/read_once_profile.h"

#include <algorithm>
#include <string>

namespace {

bool AnsiBeyondAscii(const std::string& bytes, const IniText& text) {
  return text.encoding() == IniEncoding::kAnsi &&
         std::any_of(bytes.begin(), bytes.end(),
                     [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
}

}  // namespace

const ReadOnceProfile::Kept& ReadOnceProfile::Read(const Text& path) {
  auto it = kept_.find(path);
  if (it != kept_.end()) return it->second;
  Kept kept;
  std::string bytes;
  if (files_.Read(path, bytes) == FileReadResult::kRead) {
    IniText text = IniText::FromBytes(bytes);
    kept.bySystem = AnsiBeyondAscii(bytes, text);
    if (!kept.bySystem) kept.text = std::move(text);
  }
  return kept_.emplace(path, std::move(kept)).first->second;
}

uint32_t ReadOnceProfile::GetString(const Text& section, const Text& key, const Text& fallback,
                                    char16_t* buffer, uint32_t size, const Text& path) {
  if (Read(path).bySystem) return system_.GetString(section, key, fallback, buffer, size, path);
  return PortablePrivateProfile::GetString(section, key, fallback, buffer, size, path);
}

uint32_t ReadOnceProfile::GetInt(const Text& section, const Text& key, int32_t fallback,
                                 const Text& path) {
  if (Read(path).bySystem) return system_.GetInt(section, key, fallback, path);
  return PortablePrivateProfile::GetInt(section, key, fallback, path);
}

bool ReadOnceProfile::GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                                const Text& path) {
  if (Read(path).bySystem) return system_.GetStruct(section, key, buffer, size, path);
  return PortablePrivateProfile::GetStruct(section, key, buffer, size, path);
}

std::optional<Text> ReadOnceProfile::FindValue(const Text& section, const Text& key,
                                               const Text& path) {
  const Kept& kept = Read(path);
  if (!kept.text) return std::nullopt;
  return kept.text->Find(section, key);
}
