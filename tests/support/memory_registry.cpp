#include "tests/support/memory_registry.h"

#include <algorithm>
#include <cstring>

class MemoryRegistryKey : public RegistryKey {
 public:
  MemoryRegistryKey(MemoryRegistry& owner, MemoryRegistry::KeyId id, Text subkey)
      : owner_(owner), id_(std::move(id)), subkey_(std::move(subkey)) {}

  bool QueryText(const Text& name, char16_t* buffer, uint32_t bytes) override {
    auto& values = owner_.keys_[id_];
    auto it = values.find(MemoryRegistry::Fold(name));
    if (it == values.end() || !it->second.isText) return false;
    const Text& text = it->second.text;
    const uint32_t needed = static_cast<uint32_t>((text.size() + 1) * sizeof(char16_t));
    if (needed > bytes) {
      // Like ERROR_MORE_DATA: the caller's buffer is left with whatever it had.
      return false;
    }
    std::memcpy(buffer, text.c_str(), needed);
    return true;
  }

  bool SetText(const Text& name, const Text& text) override {
    owner_.keys_[id_][MemoryRegistry::Fold(name)] = {text, true};
    owner_.writes_.push_back(TextToAscii(subkey_) + "\\" + TextToAscii(name) + "=" +
                             TextToAscii(text));
    return true;
  }

 private:
  MemoryRegistry& owner_;
  MemoryRegistry::KeyId id_;
  Text subkey_;
};

MemoryRegistry::KeyId MemoryRegistry::Id(RegistryRoot root, const Text& subkey) {
  return {root, Fold(subkey)};
}

Text MemoryRegistry::Fold(const Text& name) {
  Text folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
  return folded;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenOrCreate(RegistryRoot root, const Text& subkey,
                                                          uint32_t access) {
  lastAccess_ = access;
  KeyId id = Id(root, subkey);
  if (refused_.count(id)) return nullptr;
  keys_[id];  // created when missing
  return std::make_unique<MemoryRegistryKey>(*this, id, subkey);
}

void MemoryRegistry::Set(RegistryRoot root, const Text& subkey, const Text& name,
                         const Text& text) {
  keys_[Id(root, subkey)][Fold(name)] = {text, true};
}

void MemoryRegistry::SetBinary(RegistryRoot root, const Text& subkey, const Text& name) {
  keys_[Id(root, subkey)][Fold(name)] = {u"", false};
}

std::optional<Text> MemoryRegistry::Get(RegistryRoot root, const Text& subkey,
                                        const Text& name) const {
  auto key = keys_.find(Id(root, subkey));
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(Fold(name));
  if (value == key->second.end() || !value->second.isText) return std::nullopt;
  return value->second.text;
}

void MemoryRegistry::Refuse(RegistryRoot root, const Text& subkey) {
  refused_.insert(Id(root, subkey));
}
