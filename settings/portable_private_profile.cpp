#include "settings/portable_private_profile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "settings/ansi_codepage.h"
#include "settings/file_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

enum class Encoding { kAnsi, kUtf16 };

// A file as UTF-16 text; `exists` is false when there was no file to read.
struct Document {
  bool exists = false;
  Encoding encoding = Encoding::kAnsi;
  Text text;
};

enum class LineKind { kBlank, kComment, kSection, kKey, kOther };

// One line of a document: positions index the document's text; name and value view into it.
struct Line {
  size_t begin = 0;
  size_t end = 0;   // end of the content, before the line break
  size_t next = 0;  // start of the following line; equals `end` only on a last line without break
  LineKind kind = LineKind::kBlank;
  TextView name;   // section or key name, trimmed
  TextView value;  // key value, trimmed
};

// The system's callers see names and values as zero-terminated strings: a NUL ends them (while
// the line goes on, and its bytes stay in the file).
TextView UpToNul(TextView text) {
  return text.substr(0, text.find(u'\0'));
}

Document Load(const fs::path& path) {
  Document doc;
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return doc;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return doc;
  const std::streamoff length = in.tellg();
  if (length < 0) return doc;
  std::string bytes(static_cast<size_t>(length), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), length)) return doc;
  doc.exists = true;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    doc.encoding = Encoding::kUtf16;
    doc.text.reserve(bytes.size() / 2);
    // An odd last byte reads as a unit of its own rather than being lost.
    for (size_t i = 2; i < bytes.size(); i += 2) {
      unsigned low = static_cast<unsigned char>(bytes[i]);
      unsigned high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
      doc.text.push_back(static_cast<char16_t>(low | (high << 8)));
    }
  } else {
    doc.text = AnsiToText(bytes);
  }
  return doc;
}

bool Save(const fs::path& path, const Document& doc) {
  // Only a regular file is (re)written: opening a pipe or a device here could block.
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) return false;
  std::string bytes;
  if (doc.encoding == Encoding::kUtf16) {
    bytes.reserve(2 + 2 * doc.text.size());
    bytes += "\xFF\xFE";
    for (char16_t c : doc.text) {
      bytes.push_back(static_cast<char>(c & 0xFF));
      bytes.push_back(static_cast<char>(c >> 8));
    }
  } else {
    bytes = TextToAnsi(doc.text);
  }
  // Opening fails without creating anything when the folder is missing.
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

void Classify(TextView text, Line& line) {
  TextView content = TrimProfileSpace(text.substr(line.begin, line.end - line.begin));
  if (content.empty()) {
    line.kind = LineKind::kBlank;
  } else if (content.front() == u';') {
    line.kind = LineKind::kComment;
  } else if (size_t close = content.rfind(u']');
             content.front() == u'[' && close != TextView::npos) {
    // Up to the last ']'; a '[' line without one is read as any other line.
    line.kind = LineKind::kSection;
    line.name = UpToNul(TrimProfileSpace(content.substr(1, close - 1)));
  } else if (size_t equals = content.find(u'='); equals != TextView::npos) {
    line.kind = LineKind::kKey;
    line.name = UpToNul(TrimProfileSpace(content.substr(0, equals)));
    line.value = UpToNul(TrimProfileSpace(content.substr(equals + 1)));
  } else {
    line.kind = LineKind::kOther;
  }
}

// The line starting at `pos`; CR LF, a lone CR and a lone LF each end a line.
Line ReadLine(TextView text, size_t pos) {
  Line line;
  line.begin = pos;
  line.end = text.find_first_of(u"\r\n", pos);
  if (line.end == TextView::npos) line.end = text.size();
  line.next = line.end;
  if (line.next < text.size()) {
    bool crlf =
        text[line.next] == u'\r' && line.next + 1 < text.size() && text[line.next + 1] == u'\n';
    line.next += crlf ? 2 : 1;
  }
  Classify(text, line);
  return line;
}

// Where a key is, or would go. Only the first section of a name counts, and the first key of a
// name in it; lines before any section belong to none.
struct Location {
  bool section_found = false;
  std::optional<Line> key;
  Line last;  // the section's last line that is neither blank nor a comment (else its header)
};

Location Locate(TextView text, TextView section, TextView key) {
  Location where;
  bool inside = false;
  for (size_t pos = 0; pos < text.size();) {
    Line line = ReadLine(text, pos);
    pos = line.next;
    if (line.kind == LineKind::kSection) {
      if (inside) break;
      inside = EqualsIgnoreCase(line.name, section);
      if (inside) {
        where.section_found = true;
        where.last = line;
      }
    } else if (inside && line.kind == LineKind::kKey && EqualsIgnoreCase(line.name, key)) {
      where.key = line;
      break;
    } else if (inside && line.kind != LineKind::kBlank && line.kind != LineKind::kComment) {
      where.last = line;
    }
  }
  return where;
}

// Names are looked up as zero-terminated and trimmed, as the system does.
Location Locate(TextView text, const Text& section, const Text& key) {
  return Locate(text, TrimProfileSpace(UpToNul(section)), TrimProfileSpace(UpToNul(key)));
}

// The value of the key, or nothing when the file, the section or the key is missing.
std::optional<Text> FindValue(const Text& section, const Text& key, const Text& path) {
  Document doc = Load(ToFilesystemPath(path));
  if (!doc.exists) return std::nullopt;
  Location where = Locate(doc.text, section, key);
  if (!where.key) return std::nullopt;
  return Text(where.key->value);
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

Text KeyLine(TextView key, TextView value) {
  return Text(key) + u"=" + Text(value) + kLineBreak;
}

}  // namespace

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
  const TextView section_name = UpToNul(section);
  const TextView key_name = UpToNul(key);
  const TextView value_text = UpToNul(value);
  const fs::path file = ToFilesystemPath(path);
  Document doc = Load(file);
  Text& text = doc.text;
  const Location where = Locate(text, section, key);
  if (!where.section_found) {
    if (!text.empty() && text.back() != u'\r' && text.back() != u'\n') text += kLineBreak;
    text += u"[" + Text(section_name) + u"]" + kLineBreak + KeyLine(key_name, value_text);
  } else if (where.key) {
    // The line keeps the key as the file spells it and its own line break.
    Text replacement = Text(where.key->name) + u"=" + Text(value_text);
    text.replace(where.key->begin, where.key->end - where.key->begin, replacement);
  } else {
    // A new key follows the section's last line of substance, ahead of trailing blank lines and
    // comments (which usually introduce the next section).
    const Line& last = where.last;
    Text insertion = last.next == last.end ? Text(kLineBreak) : Text();
    insertion += KeyLine(key_name, value_text);
    text.insert(last.next, insertion);
  }
  return Save(file, doc);
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
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  Text hex;
  hex.reserve(2 * static_cast<size_t>(size) + 2);
  unsigned char sum = 0;
  auto append = [&hex](unsigned char byte) {
    hex.push_back(kHex[byte >> 4]);
    hex.push_back(kHex[byte & 0x0F]);
  };
  for (size_t i = 0; i < size; ++i) {
    append(bytes[i]);
    sum = static_cast<unsigned char>(sum + bytes[i]);
  }
  append(sum);
  return WriteString(section, key, hex, path);
}
