#include "settings/settings_file_edit.h"

#include <string>

SettingsFileEdit::SettingsFileEdit(Text path, FileStore& store, WrittenFileLook look)
    : path_(std::move(path)), store_(store), look_(look) {
  std::string bytes;
  switch (store_.Read(path_, bytes)) {
    case FileReadResult::kRead:
      ini_ = IniText::FromBytes(bytes);
      current_ = std::move(bytes);
      break;
    case FileReadResult::kMissing:
      break;
    case FileReadResult::kFailed:
      readable_ = false;
      break;
  }
}

SettingsFileEdit::SettingsFileEdit(Text path, FileStore& store, WrittenFileLook look,
                                   std::string_view content)
    : path_(std::move(path)), store_(store), look_(look), ini_(IniText::FromBytes(content)) {}

void SettingsFileEdit::WriteString(const Text& section, const Text& key, const Text& value) {
  ini_.Set(section, key, value);
}

void SettingsFileEdit::WriteInt(const Text& section, const Text& key, int32_t value) {
  ini_.Set(section, key, FormatInt(value));
}

void SettingsFileEdit::WriteStruct(const Text& section, const Text& key, const void* buffer,
                                   uint32_t size) {
  ini_.Set(section, key, StructHex(buffer, size));
}

void SettingsFileEdit::RemoveKeys(const Text& section) {
  ini_.RemoveKeys(section);
}

bool SettingsFileEdit::Commit() {
  // A file that is there but could not be read is never replaced by one built from nothing.
  if (!readable_) return false;
  const std::string bytes = ini_.ToBytes(IniEncoding::kUtf16);
  // An apply saves every settings file and usually changes one or none; each write costs a flush
  // to the disk. A write of the bytes the file holds would keep its look (kAsBefore) too.
  if (look_ == WrittenFileLook::kAsBefore && current_ == bytes) return store_.MayReplace(path_);
  return store_.WriteWhole(path_, bytes, look_);
}
