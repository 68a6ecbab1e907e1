#include "settings/ini_text.h"

#include "base/ansi_codepage.h"

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

// The system's callers see names and values as zero-terminated strings: a NUL ends them (while
// the line goes on, and its bytes stay in the file).
TextView UpToNul(TextView text) {
  return text.substr(0, text.find(u'\0'));
}

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

Text KeyLine(TextView key, TextView value) {
  return Text(key) + u"=" + Text(value) + kLineBreak;
}

}  // namespace

IniText IniText::FromBytes(std::string_view bytes) {
  IniText ini;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    ini.encoding_ = IniEncoding::kUtf16;
    ini.text_.reserve(bytes.size() / 2);
    // An odd last byte reads as a unit of its own rather than being lost.
    for (size_t i = 2; i < bytes.size(); i += 2) {
      unsigned low = static_cast<unsigned char>(bytes[i]);
      unsigned high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
      ini.text_.push_back(static_cast<char16_t>(low | (high << 8)));
    }
  } else {
    ini.text_ = AnsiToText(std::string(bytes));
  }
  return ini;
}

std::string IniText::ToBytes(IniEncoding encoding) const {
  if (encoding == IniEncoding::kAnsi) return TextToAnsi(text_);
  std::string bytes;
  bytes.reserve(2 + 2 * text_.size());
  bytes += "\xFF\xFE";
  for (char16_t c : text_) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::optional<Text> IniText::Find(const Text& section, const Text& key) const {
  Location where = Locate(text_, section, key);
  if (!where.key) return std::nullopt;
  return Text(where.key->value);
}

void IniText::Set(const Text& section, const Text& key, const Text& value) {
  const TextView section_name = UpToNul(section);
  const TextView key_name = UpToNul(key);
  const TextView value_text = UpToNul(value);
  Text& text = text_;
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
}

void IniText::RemoveKeys(const Text& section) {
  const TextView wanted = TrimProfileSpace(UpToNul(section));
  Text kept;
  kept.reserve(text_.size());
  bool inside = false;
  bool seen = false;
  for (size_t pos = 0; pos < text_.size();) {
    const Line line = ReadLine(text_, pos);
    pos = line.next;
    if (line.kind == LineKind::kSection) {
      inside = !seen && EqualsIgnoreCase(line.name, wanted);
      seen = seen || inside;
    }
    if (inside && line.kind == LineKind::kKey) continue;
    kept.append(text_, line.begin, line.next - line.begin);
  }
  text_ = std::move(kept);
}

Text StructHex(const void* buffer, uint32_t size) {
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
  return hex;
}
