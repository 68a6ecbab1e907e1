#pragma once
// Reading many keys of a file that does not change while it is read (a skin description: a
// window's every control looks up its place): each file is read once, through the file store,
// and every key is then answered from memory by the portable engine's rules, which are the
// system's. The system's functions open the file again for every key, about a quarter of a
// millisecond each under Wine, and a window has dozens of controls.
//
// The engine reads an ANSI file as Windows-1252; the system reads it in the machine's code page.
// The two agree on ASCII, so an ANSI file with any other byte is left to the system's functions.
//
// Read-only: a write is refused, so that nothing is written past the kept text.

#include <map>
#include <optional>

#include "base/file_store.h"
#include "settings/ini_text.h"
#include "settings/portable_private_profile.h"

class ReadOnceProfile : public PortablePrivateProfile {
 public:
  explicit ReadOnceProfile(FileStore& files = SystemFileStore(),
                           PrivateProfile& system = SystemPrivateProfile())
      : files_(files), system_(system) {}

  uint32_t GetString(const Text& section, const Text& key, const Text& fallback, char16_t* buffer,
                     uint32_t size, const Text& path) override;
  uint32_t GetInt(const Text& section, const Text& key, int32_t fallback,
                  const Text& path) override;
  bool GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                 const Text& path) override;
  bool WriteString(const Text&, const Text&, const Text&, const Text&) override { return false; }
  bool WriteStruct(const Text&, const Text&, const void*, uint32_t, const Text&) override {
    return false;
  }

 protected:
  std::optional<Text> FindValue(const Text& section, const Text& key, const Text& path) override;

 private:
  struct Kept {
    bool bySystem = false;        // an ANSI text beyond ASCII: the system's code page decides
    std::optional<IniText> text;  // nothing when the file was missing or unreadable (defaults)
  };
  const Kept& Read(const Text& path);

  FileStore& files_;
  PrivateProfile& system_;
  std::map<Text, Kept> kept_;
};
