// Checks the English string table of lan.dll against the id list, reading lang/lan.rc and
// lang/string_ids.h as the resource compiler would, so that a missing, doubled or overlong text
// is caught without a Windows build.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lang/string_ids.h"

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> FindSourceFile(const std::string& relative) {
  if (const char* dir = std::getenv("SOURCE_DIR")) {
    if (fs::exists(fs::path(dir) / relative)) return fs::path(dir) / relative;
  }
  // Run by hand: from the source tree or from a build folder inside it.
  for (fs::path dir = fs::current_path(); !dir.empty(); dir = dir.parent_path()) {
    if (fs::exists(dir / relative)) return dir / relative;
    if (dir == dir.parent_path()) break;
  }
  return std::nullopt;
}

std::string ReadSource(const std::string& relative) {
  const auto path = FindSourceFile(relative);
  if (!path) return std::string();
  std::ifstream in(*path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// "#define NAME NUMBER" lines of the id header.
std::map<std::string, long> ParseDefines(const std::string& header) {
  std::map<std::string, long> defines;
  std::istringstream lines(header);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string directive, name, value;
    if (!(words >> directive >> name >> value) || directive != "#define") continue;
    if (!std::isdigit(static_cast<unsigned char>(value[0]))) continue;  // the include guard
    defines[name] = std::stol(value, nullptr, 0);
  }
  return defines;
}

struct TableEntry {
  std::string id;  // the name or number as written
  std::u16string text;
};

struct ParsedTable {
  std::vector<TableEntry> entries;
  std::vector<std::string> errors;
  bool hasUtf8CodePage = false;
};

// Appends the UTF-16 form of UTF-8 bytes; false on a malformed sequence.
bool AppendUtf8(const std::string& bytes, size_t& i, std::u16string& out) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  int extra = lead < 0x80             ? 0
              : (lead & 0xE0) == 0xC0 ? 1
              : (lead & 0xF0) == 0xE0 ? 2
              : (lead & 0xF8) == 0xF0 ? 3
                                      : -1;
  if (extra < 0 || i + extra >= bytes.size()) return false;
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return false;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  static const char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  i += extra + 1;
  if (c >= 0x10000) {
    out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
  return true;
}

// The STRINGTABLE blocks of a resource script: "ID "text"" or "ID, "text"" between BEGIN/END
// or braces. Comments and preprocessor lines are skipped; "" and the usual backslash escapes
// inside a text are understood.
ParsedTable ParseStringTables(const std::string& rc) {
  ParsedTable table;
  enum Kind { kWord, kString, kComma, kOpen, kClose };
  struct Token {
    Kind kind;
    std::string word;
    std::u16string text;
  };
  std::vector<Token> tokens;
  size_t i = 0;
  bool lineStart = true;
  while (i < rc.size()) {
    const char c = rc[i];
    if (c == '\n') {
      lineStart = true;
      ++i;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '#' && lineStart) {
      const size_t end = rc.find('\n', i);
      const std::string line = rc.substr(i, end == std::string::npos ? std::string::npos : end - i);
      if (line.find("code_page(65001)") != std::string::npos) table.hasUtf8CodePage = true;
      i = end == std::string::npos ? rc.size() : end;
    } else if (rc.compare(i, 2, "//") == 0) {
      i = rc.find('\n', i);
      if (i == std::string::npos) i = rc.size();
    } else if (rc.compare(i, 2, "/*") == 0) {
      i = rc.find("*/", i);
      i = i == std::string::npos ? rc.size() : i + 2;
    } else if (c == '"' || (c == 'L' && i + 1 < rc.size() && rc[i + 1] == '"')) {
      lineStart = false;
      i += c == 'L' ? 2 : 1;
      Token token{kString, {}, {}};
      bool closed = false;
      while (i < rc.size() && !closed) {
        if (rc[i] == '"' && i + 1 < rc.size() && rc[i + 1] == '"') {
          token.text.push_back(u'"');
          i += 2;
        } else if (rc[i] == '"') {
          closed = true;
          ++i;
        } else if (rc[i] == '\n') {
          break;
        } else if (rc[i] == '\\' && i + 1 < rc.size()) {
          static const std::map<char, char16_t> kEscapes = {
              {'n', u'\n'}, {'t', u'\t'}, {'r', u'\r'}, {'a', u'\a'}, {'\\', u'\\'}, {'"', u'"'}};
          const auto escape = kEscapes.find(rc[i + 1]);
          if (escape == kEscapes.end()) {
            table.errors.push_back("unsupported escape \\" + std::string(1, rc[i + 1]));
          } else {
            token.text.push_back(escape->second);
          }
          i += 2;
        } else if (!AppendUtf8(rc, i, token.text)) {
          table.errors.push_back("malformed UTF-8 in a text");
          ++i;
        }
      }
      if (!closed) table.errors.push_back("unterminated text");
      tokens.push_back(token);
    } else if (c == ',' || c == '{' || c == '}') {
      lineStart = false;
      tokens.push_back({c == ',' ? kComma : c == '{' ? kOpen : kClose, {}, {}});
      ++i;
    } else {
      lineStart = false;
      const size_t start = i;
      while (i < rc.size() && !std::isspace(static_cast<unsigned char>(rc[i])) && rc[i] != ',' &&
             rc[i] != '"' && rc[i] != '{' && rc[i] != '}')
        ++i;
      tokens.push_back({kWord, rc.substr(start, i - start), {}});
    }
  }

  const auto isOpen = [](const Token& t) {
    return t.kind == kOpen || (t.kind == kWord && t.word == "BEGIN");
  };
  const auto isClose = [](const Token& t) {
    return t.kind == kClose || (t.kind == kWord && t.word == "END");
  };
  for (size_t t = 0; t < tokens.size(); ++t) {
    if (tokens[t].kind != kWord || tokens[t].word != "STRINGTABLE") continue;
    while (t < tokens.size() && !isOpen(tokens[t])) ++t;  // skips the table's options
    for (++t; t < tokens.size() && !isClose(tokens[t]);) {
      if (tokens[t].kind != kWord) {
        table.errors.push_back("expected an id in a string table");
        ++t;
        continue;
      }
      TableEntry entry{tokens[t].word, {}};
      if (++t < tokens.size() && tokens[t].kind == kComma) ++t;
      if (t >= tokens.size() || tokens[t].kind != kString) {
        table.errors.push_back("no text after id " + entry.id);
        continue;
      }
      entry.text = tokens[t++].text;
      table.entries.push_back(entry);
    }
    if (t >= tokens.size()) table.errors.push_back("string table without END");
  }
  return table;
}

// Everything wrong with a table, as readable messages; empty when the table is complete.
std::vector<std::string> TableProblems(const std::vector<uint16_t>& ids,
                                       const std::map<std::string, long>& defines,
                                       const std::vector<TableEntry>& entries) {
  std::vector<std::string> problems;
  std::map<long, int> count;
  for (const TableEntry& entry : entries) {
    long id = -1;
    if (const auto named = defines.find(entry.id); named != defines.end()) {
      id = named->second;
    } else if (std::isdigit(static_cast<unsigned char>(entry.id[0]))) {
      id = std::stol(entry.id, nullptr, 0);
    } else {
      problems.push_back("unknown name " + entry.id);
      continue;
    }
    if (++count[id] == 2)
      problems.push_back("id " + std::to_string(id) + " has more than one text");
    if (entry.text.empty()) problems.push_back("id " + std::to_string(id) + " has an empty text");
    if (entry.text.size() > 259) problems.push_back("id " + std::to_string(id) + " is too long");
  }
  const std::set<long> known(ids.begin(), ids.end());
  for (const auto& [id, n] : count) {
    if (!known.count(id)) problems.push_back("id " + std::to_string(id) + " is not in the id list");
  }
  for (long id : known) {
    if (!count.count(id)) problems.push_back("id " + std::to_string(id) + " has no text");
  }
  return problems;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

const std::vector<uint16_t> kIds(std::begin(kAllStringIds), std::end(kAllStringIds));

class LanguageTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string header = ReadSource("lang/string_ids.h");
    rc_ = ReadSource("lang/lan.rc");
    ASSERT_FALSE(header.empty()) << "lang/string_ids.h not found; set SOURCE_DIR";
    ASSERT_FALSE(rc_.empty()) << "lang/lan.rc not found; set SOURCE_DIR";
    defines_ = ParseDefines(header);
    table_ = ParseStringTables(rc_);
    ASSERT_TRUE(table_.errors.empty()) << Join(table_.errors);
    for (const TableEntry& entry : table_.entries) {
      if (const auto named = defines_.find(entry.id); named != defines_.end()) {
        text_[named->second] = entry.text;
      } else if (std::isdigit(static_cast<unsigned char>(entry.id[0]))) {
        text_[std::stol(entry.id, nullptr, 0)] = entry.text;
      }
    }
  }

  std::string rc_;
  std::map<std::string, long> defines_;
  ParsedTable table_;
  std::map<long, std::u16string> text_;
};

TEST_F(LanguageTableTest, EveryIdHasExactlyOneUsableText) {
  EXPECT_EQ(TableProblems(kIds, defines_, table_.entries), std::vector<std::string>{})
      << Join(TableProblems(kIds, defines_, table_.entries));
}

TEST_F(LanguageTableTest, HeaderNamesAndIdListAgree) {
  // Each name has its own number, and the list holds each named number exactly once.
  std::map<long, std::string> byNumber;
  for (const auto& [name, number] : defines_) {
    EXPECT_TRUE(byNumber.emplace(number, name).second)
        << name << " and " << byNumber[number] << " share " << number;
  }
  std::multiset<long> listed(kIds.begin(), kIds.end());
  for (const auto& [number, name] : byNumber) {
    EXPECT_EQ(listed.count(number), 1u) << name << " (" << number << ") in kAllStringIds";
  }
  EXPECT_EQ(listed.size(), byNumber.size()) << "kAllStringIds holds an unnamed or repeated id";
  EXPECT_TRUE(std::is_sorted(kIds.begin(), kIds.end()));
}

// The ids the two programs read, by window, as ranges; kept apart from the header so that an id
// dropped from the header is noticed.
TEST(LanguageIdList, HoldsEveryIdTheProgramsRead) {
  const struct {
    const char* user;
    int first, last;
  } kRead[] = {
      {"main window captions and texts", 1, 12},
      {"confirmation dialogs", 20, 23},
      {"delete-macro message", 25, 25},
      {"no-macro message", 27, 27},
      {"reset confirmation", 29, 32},
      {"record button", 43, 43},
      {"macro manager buttons", 46, 52},
      {"modifier toggles", 53, 57},
      {"tray menu and tip", 1002, 1004},
      {"function menu and labels", 1005, 1016},
      {"labels and macro submenu", 1018, 1021},
      {"labels and multimedia menu", 1024, 1039},
      {"labels, event menu, macro manager item", 1041, 1067},
      {"office and Windows menus", 1074, 1089},
      {"single key", 1097, 1097},
      {"key names", 1098, 1104},
      {"save failed", 1105, 1105},
      {"import launch question", 1106, 1109},
      {"tray: active profile, its notices", 1110, 1116},
  };
  const std::set<uint16_t> listed(std::begin(kAllStringIds), std::end(kAllStringIds));
  size_t total = 0;
  for (const auto& range : kRead) {
    for (int id = range.first; id <= range.last; ++id) {
      EXPECT_TRUE(listed.count(static_cast<uint16_t>(id))) << id << " (" << range.user << ")";
    }
    total += range.last - range.first + 1;
  }
  EXPECT_EQ(listed.size(), total) << "kAllStringIds holds an id that no program reads";
}

TEST_F(LanguageTableTest, TextsHoldNoControlCharactersOrAmpersands) {
  // The dialogs draw control characters as visible marks, and the owner-drawn menus take '&'
  // for a mnemonic prefix and hide it.
  for (const auto& [id, text] : text_) {
    for (char16_t c : text) {
      EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != u'&') << "id " << id << " character " << int(c);
    }
  }
}

TEST_F(LanguageTableTest, TrayTipFitsTheIconTipField) {
  // The notification icon's tip field takes 127 characters; a longer tip would be cut.
  EXPECT_LE(text_[IDS_TRAY_TOOLTIP].size(), 127u);
}

TEST_F(LanguageTableTest, ShiftPrefixJoinsLikeTheFixedPrefixes) {
  // A combination label is "Ctrl+" + Shift prefix + "Alt+" + key name.
  const std::u16string& prefix = text_[IDS_KEY_SHIFT_PREFIX];
  ASSERT_FALSE(prefix.empty());
  EXPECT_EQ(prefix.back(), u'+');
}

TEST_F(LanguageTableTest, NonAsciiTextsAreDeclaredUtf8) {
  bool nonAscii = false;
  for (unsigned char c : rc_) nonAscii |= c >= 0x80;
  if (nonAscii) {
    EXPECT_TRUE(table_.hasUtf8CodePage) << "add #pragma code_page(65001)";
  }
}

// The checker itself must notice each kind of fault.
TEST(LanguageTableChecker, ReportsEachKindOfFault) {
  const std::map<std::string, long> defines = {{"IDS_A", 1}, {"IDS_B", 2}, {"IDS_C", 3}};
  const std::vector<uint16_t> ids = {1, 2, 3};
  const struct {
    const char* rc;
    const char* problem;  // nullptr: no problem expected
  } kCases[] = {
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B, \"b\" 3 \"c\" END", nullptr},
      {"STRINGTABLE { IDS_A \"a\" IDS_B \"b\" } STRINGTABLE { IDS_C \"c\" }", nullptr},
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B \"b\" END", "id 3 has no text"},
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B \"b\" IDS_C \"c\" 1 \"d\" END",
       "id 1 has more than one text"},
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B \"\" IDS_C \"c\" END", "id 2 has an empty text"},
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B \"b\" IDS_C \"c\" IDS_D \"d\" END",
       "unknown name IDS_D"},
      {"STRINGTABLE BEGIN IDS_A \"a\" IDS_B \"b\" IDS_C \"c\" 7 \"d\" END",
       "id 7 is not in the id list"},
  };
  for (const auto& c : kCases) {
    const ParsedTable table = ParseStringTables(c.rc);
    ASSERT_EQ(table.errors, std::vector<std::string>{}) << c.rc;
    const std::vector<std::string> problems = TableProblems(ids, defines, table.entries);
    if (c.problem == nullptr) {
      EXPECT_EQ(problems, std::vector<std::string>{}) << c.rc;
    } else {
      EXPECT_EQ(problems, std::vector<std::string>{c.problem}) << c.rc;
    }
  }
}

TEST(LanguageTableChecker, MeasuresTextsInUtf16Units) {
  const std::map<std::string, long> defines = {{"IDS_A", 1}};
  // 259 three-byte characters fit; one more does not. A character beyond the basic plane counts
  // twice, as LoadStringW counts it.
  std::string fits, tooLong, astral;
  for (int k = 0; k < 259; ++k) fits += "\xE2\x80\xA6";
  tooLong = fits + "\xE2\x80\xA6";
  for (int k = 0; k < 130; ++k) astral += "\xF0\x9F\x96\xB1";
  const struct {
    std::string text;
    size_t units;
    bool ok;
  } kCases[] = {{fits, 259, true}, {tooLong, 260, false}, {astral, 260, false}};
  for (const auto& c : kCases) {
    const ParsedTable table = ParseStringTables("STRINGTABLE BEGIN IDS_A \"" + c.text + "\" END");
    ASSERT_EQ(table.entries.size(), 1u);
    EXPECT_EQ(table.entries[0].text.size(), c.units);
    EXPECT_EQ(TableProblems({1}, defines, table.entries).empty(), c.ok);
  }
}

TEST(LanguageTableChecker, ReadsTextsAsTheResourceCompilerDoes) {
  const struct {
    const char* rc;
    std::u16string text;
  } kCases[] = {
      {"STRINGTABLE BEGIN 1 \"say \"\"hi\"\"\" END", u"say \"hi\""},
      {"STRINGTABLE BEGIN 1 L\"tab\\there\" END", u"tab\there"},
      {"// STRINGTABLE BEGIN 1 \"x\" END\nSTRINGTABLE BEGIN /* 2 \"y\" */ 1 \"z\" END", u"z"},
      {"#define X 1\nSTRINGTABLE\nLANGUAGE 9, 1\nBEGIN 1, \"caf\xC3\xA9\" END", u"caf\u00E9"},
  };
  for (const auto& c : kCases) {
    const ParsedTable table = ParseStringTables(c.rc);
    ASSERT_EQ(table.errors, std::vector<std::string>{}) << c.rc;
    ASSERT_EQ(table.entries.size(), 1u) << c.rc;
    EXPECT_EQ(table.entries[0].text, c.text) << c.rc;
  }
  EXPECT_FALSE(ParseStringTables("STRINGTABLE BEGIN 1 \"\xC3\" END").errors.empty());
  EXPECT_FALSE(ParseStringTables("STRINGTABLE BEGIN 1 \"open END").errors.empty());
  EXPECT_FALSE(ParseStringTables("STRINGTABLE BEGIN 1 2 END").errors.empty());
}

}  // namespace
