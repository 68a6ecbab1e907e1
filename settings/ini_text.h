#pragma once
// An INI file's text in memory, read and edited by the rules the system's private-profile
// functions follow on the same bytes. The portable private-profile engine reads and writes files
// through it, and whole-file settings writes edit it before the file is replaced in one step.
//
// A text starting with the bytes FF FE is UTF-16LE; any other is Windows-1252. Edits keep the
// bytes they have no business with (blank lines, comments, odd spacing, text before the first
// section, line ends of other lines).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

enum class IniEncoding : uint8_t { kAnsi, kUtf16 };

// One line of an IniText as the system reads it: where it lies in the text, and where its name and
// value lie inside it.
struct IniLine {
  enum class Kind : uint8_t { kBlank, kComment, kSection, kKey, kOther };
  size_t begin = 0;
  size_t end = 0;   // end of the content, before the line break
  size_t next = 0;  // start of the following line; equals `end` only on a last line without break
  Kind kind = Kind::kBlank;
  size_t nameAt = 0;  // section or key name, trimmed; offsets from `begin`
  size_t nameSize = 0;
  size_t valueAt = 0;  // key value, trimmed
  size_t valueSize = 0;
};

class IniText {
 public:
  IniText() = default;
  static IniText FromBytes(std::string_view bytes);

  // The file's bytes in the given encoding (UTF-16LE with its byte-order mark).
  std::string ToBytes(IniEncoding encoding) const;

  IniEncoding encoding() const { return encoding_; }
  const Text& text() const { return text_; }

  // The key's value as the system reads it (trimmed, up to a NUL; quotes kept), or nothing when
  // the section or the key is missing.
  std::optional<Text> Find(const Text& section, const Text& key) const;

  // WritePrivateProfileString with a value: replaces the first key of the name in the first
  // section of the name, or adds the key (and the section) where the system would.
  void Set(const Text& section, const Text& key, const Text& value);

  // Removes every key line of the first section of the name; the header and the section's blank
  // lines and comments stay.
  void RemoveKeys(const Text& section);

 private:
  // Puts `with` in the place of lines [first, end) (at the end of the text when `first` is past
  // the last line) and reads only the new lines again, so that a run of edits (a whole profile's
  // keys) costs no parse of the whole text per key.
  void ReplaceLines(size_t first, size_t end, const Text& with);
  void IndexLines();

  IniEncoding encoding_ = IniEncoding::kAnsi;
  Text text_;
  std::vector<IniLine> lines_;  // always the lines of text_
};

// The value WritePrivateProfileStruct stores: the bytes in upper-case hexadecimal digits, then
// their sum modulo 256 as the checksum byte.
Text StructHex(const void* buffer, uint32_t size);
