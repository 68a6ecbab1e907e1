#pragma once
// Edits of one INI settings file, put in place whole: the edits start from the file's current
// text (so keys and sections this system does not know are kept), and Commit writes the complete
// file as UTF-16LE with a byte-order mark through FileStore::WriteWhole. Texts in any language
// survive that way; an ANSI file is read as before and becomes UTF-16LE at its next write.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_store.h"
#include "base/text.h"
#include "settings/ini_text.h"

class SettingsFileEdit {
 public:
  SettingsFileEdit(Text path, FileStore& store, WrittenFileLook look = WrittenFileLook::kAsBefore);
  // Starts from the given file content instead of the target's (an import puts another file's
  // content in the target's place).
  SettingsFileEdit(Text path, FileStore& store, WrittenFileLook look, std::string_view content);

  void WriteString(const Text& section, const Text& key, const Text& value);
  void WriteInt(const Text& section, const Text& key, int32_t value);
  void WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size);
  // Drops every key of the section, for content that is written whole each time (the macro
  // library's numbered records): keys beyond the new count must not linger.
  void RemoveKeys(const Text& section);

  // False when the file could not be read or written; the file on disk is then as it was. A file
  // that already holds the complete text, with the look it keeps, is left untouched (a read-only
  // one is still refused, as its write would be).
  [[nodiscard]] bool Commit();

 private:
  Text path_;
  FileStore& store_;
  WrittenFileLook look_;
  bool readable_ = true;
  // The target's bytes as read, when it was read: a write of the same bytes changes nothing.
  std::optional<std::string> current_;
  IniText ini_;
};
