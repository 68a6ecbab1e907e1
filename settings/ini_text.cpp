#include "settings/ini_text.h"

#include <bit>
#include <cstring>

#include "base/ansi_codepage.h"

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

// The system's callers see names and values as zero-terminated strings: a NUL ends them (while
// the line goes on, and its bytes stay in the file).
TextView UpToNul(TextView text) {
  return text.substr(0, text.find(u'\0'));
}

using Kind = IniLine::Kind;

TextView NameOf(TextView text, const IniLine& line) {
  return text.substr(line.begin + line.nameAt, line.nameSize);
}

TextView ValueOf(TextView text, const IniLine& line) {
  return text.substr(line.begin + line.valueAt, line.valueSize);
}

// `part`'s place inside the line starting at `begin`, as offsets into the line.
void Place(TextView text, size_t begin, TextView part, size_t& at, size_t& size) {
  at = static_cast<size_t>(part.data() - text.data()) - begin;
  size = part.size();
}

void Classify(TextView text, IniLine& line) {
  TextView content = TrimProfileSpace(text.substr(line.begin, line.end - line.begin));
  if (content.empty()) {
    line.kind = Kind::kBlank;
  } else if (content.front() == u';') {
    line.kind = Kind::kComment;
  } else if (size_t close = content.rfind(u']');
             content.front() == u'[' && close != TextView::npos) {
    // Up to the last ']'; a '[' line without one is read as any other line.
    line.kind = Kind::kSection;
    Place(text, line.begin, UpToNul(TrimProfileSpace(content.substr(1, close - 1))), line.nameAt,
          line.nameSize);
  } else if (size_t equals = content.find(u'='); equals != TextView::npos) {
    line.kind = Kind::kKey;
    Place(text, line.begin, UpToNul(TrimProfileSpace(content.substr(0, equals))), line.nameAt,
          line.nameSize);
    Place(text, line.begin, UpToNul(TrimProfileSpace(content.substr(equals + 1))), line.valueAt,
          line.valueSize);
  } else {
    line.kind = Kind::kOther;
  }
}

// The line starting at `pos`; CR LF, a lone CR and a lone LF each end a line.
IniLine ReadLine(TextView text, size_t pos) {
  IniLine line;
  line.begin = pos;
  // A plain scan: find_first_of compares every unit against the set through a call, and lines of
  // macro records run to kilobytes.
  line.end = pos;
  while (line.end < text.size() && text[line.end] != u'\r' && text[line.end] != u'\n') ++line.end;
  line.next = line.end;
  if (line.next < text.size()) {
    bool crlf =
        text[line.next] == u'\r' && line.next + 1 < text.size() && text[line.next + 1] == u'\n';
    line.next += crlf ? 2 : 1;
  }
  Classify(text, line);
  return line;
}

// The lines of text[from, to), read from `from`; false when the last of them runs past `to`.
bool ReadLines(TextView text, size_t from, size_t to, std::vector<IniLine>& lines) {
  size_t pos = from;
  while (pos < to) {
    lines.push_back(ReadLine(text, pos));
    pos = lines.back().next;
  }
  return pos == to;
}

constexpr size_t kNone = static_cast<size_t>(-1);

// Where a key is, or would go, as line indices. Only the first section of a name counts, and the
// first key of a name in it; lines before any section belong to none.
struct Location {
  bool section_found = false;
  size_t key = kNone;
  size_t last = kNone;  // the section's last line that is neither blank nor a comment (else its
                        // header)
};

Location Locate(TextView text, const std::vector<IniLine>& lines, TextView section, TextView key) {
  Location where;
  bool inside = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const IniLine& line = lines[i];
    if (line.kind == Kind::kSection) {
      if (inside) break;
      inside = EqualsIgnoreCase(NameOf(text, line), section);
      if (inside) {
        where.section_found = true;
        where.last = i;
      }
    } else if (inside && line.kind == Kind::kKey && EqualsIgnoreCase(NameOf(text, line), key)) {
      where.key = i;
      break;
    } else if (inside && line.kind != Kind::kBlank && line.kind != Kind::kComment) {
      where.last = i;
    }
  }
  return where;
}

// Names are looked up as zero-terminated and trimmed, as the system does.
Location Locate(TextView text, const std::vector<IniLine>& lines, const Text& section,
                const Text& key) {
  return Locate(text, lines, TrimProfileSpace(UpToNul(section)), TrimProfileSpace(UpToNul(key)));
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
    // An odd last byte reads as a unit of its own rather than being lost. Copied whole where the
    // machine is little-endian: a profile file is some 50 KB, read at every apply.
    const size_t units = (bytes.size() - 1) / 2;
    ini.text_.resize(units);
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(ini.text_.data(), bytes.data() + 2, (bytes.size() - 2) & ~size_t{1});
      if (bytes.size() % 2 != 0) ini.text_[units - 1] = static_cast<unsigned char>(bytes.back());
    } else {
      for (size_t u = 0; u < units; ++u) {
        const size_t i = 2 + 2 * u;
        const unsigned low = static_cast<unsigned char>(bytes[i]);
        const unsigned high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        ini.text_[u] = static_cast<char16_t>(low | (high << 8));
      }
    }
  } else {
    ini.text_ = AnsiToText(std::string(bytes));
  }
  ini.IndexLines();
  return ini;
}

std::string IniText::ToBytes(IniEncoding encoding) const {
  if (encoding == IniEncoding::kAnsi) return TextToAnsi(text_);
  std::string bytes(2 + 2 * text_.size(), '\0');
  bytes[0] = '\xFF';
  bytes[1] = '\xFE';
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(bytes.data() + 2, text_.data(), 2 * text_.size());
  } else {
    for (size_t u = 0; u < text_.size(); ++u) {
      bytes[2 + 2 * u] = static_cast<char>(text_[u] & 0xFF);
      bytes[3 + 2 * u] = static_cast<char>(text_[u] >> 8);
    }
  }
  return bytes;
}

std::optional<Text> IniText::Find(const Text& section, const Text& key) const {
  const Location where = Locate(text_, lines_, section, key);
  if (where.key == kNone) return std::nullopt;
  return Text(ValueOf(text_, lines_[where.key]));
}

void IniText::Set(const Text& section, const Text& key, const Text& value) {
  const TextView section_name = UpToNul(section);
  const TextView key_name = UpToNul(key);
  const TextView value_text = UpToNul(value);
  const Location where = Locate(text_, lines_, section, key);
  // A last line without a line break gets one before anything follows it.
  auto unended = [this](size_t line) {
    return line + 1 == lines_.size() && lines_[line].next == lines_[line].end;
  };
  auto content = [this](size_t line) {
    return Text(text_, lines_[line].begin, lines_[line].end - lines_[line].begin);
  };
  if (!where.section_found) {
    const Text added =
        u"[" + Text(section_name) + u"]" + kLineBreak + KeyLine(key_name, value_text);
    if (!lines_.empty() && unended(lines_.size() - 1)) {
      const size_t last = lines_.size() - 1;
      ReplaceLines(last, last + 1, content(last) + kLineBreak + added);
    } else {
      ReplaceLines(lines_.size(), lines_.size(), added);
    }
  } else if (where.key != kNone) {
    // The line keeps the key as the file spells it and its own line break. A line that already
    // reads so stays (an apply sets every key of a file, and most keep their values).
    const IniLine& line = lines_[where.key];
    Text replacement = Text(NameOf(text_, line)) + u"=" + Text(value_text);
    if (TextView(text_).substr(line.begin, line.end - line.begin) == replacement) return;
    replacement.append(text_, line.end, line.next - line.end);
    ReplaceLines(where.key, where.key + 1, replacement);
  } else if (unended(where.last)) {
    ReplaceLines(where.last, where.last + 1,
                 content(where.last) + kLineBreak + KeyLine(key_name, value_text));
  } else {
    // A new key follows the section's last line of substance, ahead of trailing blank lines and
    // comments (which usually introduce the next section).
    ReplaceLines(where.last + 1, where.last + 1, KeyLine(key_name, value_text));
  }
}

void IniText::ReplaceLines(size_t first, size_t end, const Text& with) {
  const size_t from = first < lines_.size() ? lines_[first].begin : text_.size();
  const size_t to = end > first ? lines_[end - 1].next : from;
  text_.replace(from, to - from, with);
  std::vector<IniLine> added;
  // The new lines must end where the old ones did, and the line before them must still end where
  // they begin (a lone CR before a new LF would join them): otherwise everything is read again.
  const bool aligned =
      ReadLines(text_, from, from + with.size(), added) &&
      (first == 0 || ReadLine(text_, lines_[first - 1].begin).next == lines_[first - 1].next);
  if (!aligned) {
    IndexLines();
    return;
  }
  for (size_t i = end; i < lines_.size(); ++i) {
    lines_[i].begin = lines_[i].begin - to + from + with.size();
    lines_[i].end = lines_[i].end - to + from + with.size();
    lines_[i].next = lines_[i].next - to + from + with.size();
  }
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
               lines_.begin() + static_cast<std::ptrdiff_t>(end));
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(first), added.begin(), added.end());
}

void IniText::IndexLines() {
  lines_.clear();
  (void)ReadLines(text_, 0, text_.size(), lines_);
}

void IniText::RemoveKeys(const Text& section) {
  const TextView wanted = TrimProfileSpace(UpToNul(section));
  Text kept;
  kept.reserve(text_.size());
  bool inside = false;
  bool seen = false;
  for (const IniLine& line : lines_) {
    if (line.kind == Kind::kSection) {
      inside = !seen && EqualsIgnoreCase(NameOf(text_, line), wanted);
      seen = seen || inside;
    }
    if (inside && line.kind == Kind::kKey) continue;
    kept.append(text_, line.begin, line.next - line.begin);
  }
  text_ = std::move(kept);
  IndexLines();
}

Text StructHex(const void* buffer, uint32_t size) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  Text hex(2 * static_cast<size_t>(size) + 2, u'0');
  unsigned char sum = 0;
  auto put = [&hex](size_t at, unsigned char byte) {
    hex[at] = kHex[byte >> 4];
    hex[at + 1] = kHex[byte & 0x0F];
  };
  for (size_t i = 0; i < size; ++i) {
    put(2 * i, bytes[i]);
    sum = static_cast<unsigned char>(sum + bytes[i]);
  }
  put(2 * static_cast<size_t>(size), sum);
  return hex;
}
