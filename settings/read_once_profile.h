#pragma once
// Reading many keys of a file that does not change while it is read (a skin description: a
// window's every control looks up its place): each file is read once, through the file store,
// and every key is then answered from memory by the portable engine's rules, which are the
// system's. The system's functions open the file again for every key, about a quarter of a
// millisecond each under Wine, and a window has dozens of controls.
//
// Read-only: a write is refused, so that nothing is written past the kept text.

#include <map>
#include <optional>

#include "base/file_store.h"
#include "settings/ini_text.h"
#include "settings/portable_private_profile.h"

class ReadOnceProfile : public PortablePrivateProfile {
 public:
  explicit ReadOnceProfile(FileStore& files = SystemFileStore()) : files_(files) {}

  bool WriteString(const Text&, const Text&, const Text&, const Text&) override { return false; }
  bool WriteStruct(const Text&, const Text&, const void*, uint32_t, const Text&) override {
    return false;
  }

 protected:
  std::optional<Text> FindValue(const Text& section, const Text& key, const Text& path) override;

 private:
  FileStore& files_;
  // Per path: the text, or nothing when the file was missing or unreadable (the keys' defaults).
  std::map<Text, std::optional<IniText>> kept_;
};
