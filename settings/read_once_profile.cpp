#include "settings/read_once_profile.h"

#include <string>

std::optional<Text> ReadOnceProfile::FindValue(const Text& section, const Text& key,
                                               const Text& path) {
  auto it = kept_.find(path);
  if (it == kept_.end()) {
    std::string bytes;
    std::optional<IniText> text;
    if (files_.Read(path, bytes) == FileReadResult::kRead) text = IniText::FromBytes(bytes);
    it = kept_.emplace(path, std::move(text)).first;
  }
  if (!it->second) return std::nullopt;
  return it->second->Find(section, key);
}
