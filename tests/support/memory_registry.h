#pragma once
// An in-memory registry for native tests: keys by root and sub-key (case-insensitive), text
// values, the same buffer-size rule as RegQueryValueExW, and keys that can be made to fail.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/registry.h"

class MemoryRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, const Text& subkey,
                                            uint32_t access) override;

  // Direct access for arranging and checking tests.
  void Set(RegistryRoot root, const Text& subkey, const Text& name, const Text& text);
  // A value of another type than text (REG_DWORD and the like).
  void SetBinary(RegistryRoot root, const Text& subkey, const Text& name);
  std::optional<Text> Get(RegistryRoot root, const Text& subkey, const Text& name) const;
  void Refuse(RegistryRoot root, const Text& subkey);  // open and create fail from now on

  // Every write, in order, as "subkey\name=text".
  const std::vector<std::string>& writes() const { return writes_; }
  uint32_t lastAccess() const { return lastAccess_; }

 private:
  friend class MemoryRegistryKey;
  struct Value {
    Text text;
    bool isText = true;
  };
  using KeyId = std::pair<RegistryRoot, Text>;  // sub-key folded to upper case
  static KeyId Id(RegistryRoot root, const Text& subkey);
  static Text Fold(const Text& name);

  std::map<KeyId, std::map<Text, Value>> keys_;
  std::set<KeyId> refused_;
  std::vector<std::string> writes_;
  uint32_t lastAccess_ = 0;
};
