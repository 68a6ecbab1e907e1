// The portable INI engine against the system's private-profile functions: each scenario runs the
// same operations through both, each on its own copy of a file, and compares every return value,
// every value read and the files' bytes afterwards. Where the system here (Wine) is known to differ
// from the portable engine, the difference is pinned exactly in its own table.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_private_profile.h"
#include "settings/portable_private_profile.h"
#include "tests/windows_support/under_wine.h"

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the temporary path with one sub-folder per implementation.
class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    root_ = fs::path(std::wstring(temp, n)) /
            (L"ini-agreement-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++));
    created_ = CreateDirectoryW(root_.c_str(), nullptr) &&
               CreateDirectoryW((root_ / L"win").c_str(), nullptr) &&
               CreateDirectoryW((root_ / L"portable").c_str(), nullptr);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  bool created() const { return created_; }
  fs::path Side(const wchar_t* side, const wchar_t* file) const { return root_ / side / file; }

 private:
  fs::path root_;
  bool created_ = false;
};

std::optional<std::string> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A UTF-16LE file with its byte order mark.
std::string Utf16File(TextView text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

Text PathText(const fs::path& path) {
  const std::wstring wide = path.wstring();
  return Text(wide.begin(), wide.end());
}

std::string ShowText(TextView text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F && c != u'\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    }
  }
  return out;
}

std::string ShowBytes(const std::optional<std::string>& bytes) {
  if (!bytes) return "(no file)";
  std::string out;
  for (char c : *bytes) {
    auto b = static_cast<unsigned char>(c);
    if (b == '\r') {
      out += "\\r";
    } else if (b == '\n') {
      out += "\\n\n";  // a real break too, so that failures print a readable diff
    } else if (b >= 0x20 && b < 0x7F && b != '\\') {
      out.push_back(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\x%02X", b);
      out += escaped;
    }
  }
  return out;
}

enum class Kind { kGet, kGetRaw, kPut, kInt, kStruct, kStructRaw, kPutStruct };

struct Op {
  Kind kind;
  Text section;
  Text key;
  Text text;  // default of a read, value of a write
  uint32_t size = 0;
  std::string bytes;  // struct to write
  int32_t fallback = 0;
};

// A read of a value into a buffer of `size` units pre-filled with '#'; the result shows the
// return value and the buffer up to and including the terminator (the whole buffer for kGetRaw).
Op Get(Text section, Text key, uint32_t size = 64, Text fallback = u"DEF") {
  return {Kind::kGet, std::move(section), std::move(key), std::move(fallback), size};
}
Op GetRaw(Text section, Text key, uint32_t size, Text fallback = u"DEF") {
  return {Kind::kGetRaw, std::move(section), std::move(key), std::move(fallback), size};
}
Op Put(Text section, Text key, Text value) {
  return {Kind::kPut, std::move(section), std::move(key), std::move(value)};
}
Op Int(Text section, Text key, int32_t fallback = 7777) {
  return {Kind::kInt, std::move(section), std::move(key), u"", 0, "", fallback};
}
// A struct read into a buffer pre-filled with CC; the bytes show only on success (always for
// kStructRaw).
Op Struct(Text section, Text key, uint32_t size) {
  return {Kind::kStruct, std::move(section), std::move(key), u"", size};
}
Op StructRaw(Text section, Text key, uint32_t size) {
  return {Kind::kStructRaw, std::move(section), std::move(key), u"", size};
}
Op PutStruct(Text section, Text key, std::string bytes) {
  return {Kind::kPutStruct, std::move(section), std::move(key), u"", 0, std::move(bytes)};
}

std::string RunOp(PrivateProfile& profile, const Op& op, const Text& path) {
  switch (op.kind) {
    case Kind::kGet:
    case Kind::kGetRaw: {
      std::vector<char16_t> buffer(op.size + 2, u'#');
      uint32_t n = profile.GetString(op.section, op.key, op.text, buffer.data(), op.size, path);
      size_t shown = op.kind == Kind::kGetRaw ? buffer.size() : std::min<size_t>(n + 1, op.size);
      return std::to_string(n) + " \"" + ShowText(TextView(buffer.data(), shown)) + "\"";
    }
    case Kind::kPut:
      return profile.WriteString(op.section, op.key, op.text, path) ? "true" : "false";
    case Kind::kInt:
      return std::to_string(profile.GetInt(op.section, op.key, op.fallback, path));
    case Kind::kStruct:
    case Kind::kStructRaw: {
      std::vector<unsigned char> buffer(op.size + 1, 0xCC);
      bool ok = profile.GetStruct(op.section, op.key, buffer.data(), op.size, path);
      std::string out = ok ? "true" : "false";
      if (ok || op.kind == Kind::kStructRaw) {
        out += ' ';
        for (unsigned char b : buffer) {
          char hex[3];
          std::snprintf(hex, sizeof(hex), "%02X", b);
          out += hex;
        }
      }
      return out;
    }
    case Kind::kPutStruct:
      return profile.WriteStruct(op.section, op.key, op.bytes.data(),
                                 static_cast<uint32_t>(op.bytes.size()), path)
                 ? "true"
                 : "false";
  }
  return "?";
}

struct Outcome {
  std::string results;  // one line per operation
  std::optional<std::string> file;
};

// Runs the operations through both implementations, each on its own copy of `initial` (no file
// when absent), and returns {system, portable}.
std::pair<Outcome, Outcome> RunBoth(const std::optional<std::string>& initial,
                                    const std::vector<Op>& ops, const wchar_t* file) {
  ScratchFolder folder;
  EXPECT_TRUE(folder.created());
  Win32PrivateProfile system;
  PortablePrivateProfile portable;
  std::pair<Outcome, Outcome> outcomes;
  auto run = [&](PrivateProfile& profile, const wchar_t* side, Outcome& outcome) {
    const fs::path path = folder.Side(side, file);
    if (initial) WriteBytes(path, *initial);
    for (const Op& op : ops) outcome.results += RunOp(profile, op, PathText(path)) + "\n";
    outcome.file = ReadBytes(path);
  };
  run(system, L"win", outcomes.first);
  run(portable, L"portable", outcomes.second);
  return outcomes;
}

struct Scenario {
  const char* name;
  std::optional<std::string> initial;
  std::vector<Op> ops;
  const wchar_t* file = L"test.ini";
};

void ExpectAgreement(const std::vector<Scenario>& scenarios) {
  for (const Scenario& s : scenarios) {
    auto [system, portable] = RunBoth(s.initial, s.ops, s.file);
    EXPECT_EQ(system.results, portable.results) << "scenario: " << s.name;
    EXPECT_EQ(ShowBytes(system.file), ShowBytes(portable.file)) << "scenario: " << s.name;
  }
}

const std::string kReadFile =
    "; comment\r\n"
    "[ Alpha ]\r\n"
    " Name = v1 \r\n"
    "q1=\"quoted\"\r\nq2='single'\r\nq3=\"mixed'\r\nq4=\"\r\nq5=\"\"\r\nq6=\" a b \"\r\n"
    "\x1A tab\t=\tsub\x1A\r\n"
    "eq=a=b\r\n=empty name\r\nnoequals\r\n[b=bracket\r\n"
    "long=abcdefghijklmnopqrstuvwxyz\r\nNAME=second of the name\r\n"
    "[alpha]\r\nother=later section of the same name\r\n"
    "[x]]y]\r\ncr=1\rlf=2\ncrlf=3\r\nnul=ab\0cd\r\n"
    "[empty]\r\n"
    "[n\0ul]\r\nk\0ey=1\r\n"s;

const std::string kStructFile =
    "[s]\r\nok=01020304FAFBFCFDF8\r\nlow=01020304fafbfcfdf8\r\nbad=01020304FAFBFCFDF9\r\n"
    "short=01020304FAFBFCFDF\r\nnonhex=0102030GFAFBFCFDF8\r\nq=\"01020304FAFBFCFDF8\"\r\n"
    "sp=  01020304FAFBFCFDF8  \r\nzero=00\r\nzbad=01\r\nabacus=616261637573006F\r\n";

std::string IntFile(const std::vector<const char*>& values) {
  std::string file = "[i]\r\n";
  for (size_t i = 0; i < values.size(); ++i) {
    file += "k" + std::to_string(i) + "=" + values[i] + "\r\n";
  }
  return file;
}

std::vector<Op> IntReads(size_t count) {
  std::vector<Op> ops;
  for (size_t i = 0; i < count; ++i) ops.push_back(Int(u"i", AsciiText("k" + std::to_string(i))));
  return ops;
}

const std::vector<const char*> kIntValues = {
    "42",         "42A",        "-3x",         "-",           "+5",         "- 5",   "x",
    "0x10",       "0X10",       "0xfF",        "0x",          "0xg",        "-0x10", "0o17",
    "0O17",       "0o8",        "0b101",       "0B1",         "0b2",        "00012", "4294967297",
    "-1",         "2147483648", "-2147483649", "0x1FFFFFFFF", "9999999999", " 12 ",  "12 34",
    "\"12\"",     "' 7'",       "\x01\x02 9",  "\"\"",        "",           "\t",    "1x34",
    "0xabcdefgh", "+-2",
};

TEST(PrivateProfileAgreement, ReadsAgree) {
  std::vector<Op> reads = {
      Get(u"alpha", u"NAME"),     Get(u" ALPHA ", u"  name\t"),
      Get(u"Alpha", u"q1"),       Get(u"alpha", u"q2"),
      Get(u"alpha", u"q3"),       Get(u"alpha", u"q4"),
      Get(u"alpha", u"q5"),       Get(u"alpha", u"q6"),
      Get(u"alpha", u"tab"),      Get(u"alpha", u"eq"),
      Get(u"alpha", u""),         Get(u"alpha", u"noequals"),
      Get(u"alpha", u"[b"),       Get(u"alpha", u"other"),
      Get(u"x]]y", u"cr"),        Get(u"x]]y", u"lf"),
      Get(u"x]]y", u"crlf"),      Get(u"x]]y", u"nul"),
      Get(u"empty", u"k"),        Get(u"beta", u"name"),
      Get(u"alpha", u"none"),     Get(u"n", u"k"),
      Get(u"alpha", u"comment"),  Get(u"alpha", u"long", 0),
      Get(u"alpha", u"long", 1),  Get(u"alpha", u"long", 2),
      Get(u"alpha", u"long", 26), Get(u"alpha", u"long", 27),
      Get(u"alpha", u"q1", 2),    Get(u"alpha", u"q1", 6),
      Get(u"alpha", u"q1", 8),    Get(u"alpha", u"q1", 0),
      Get(u"alpha", u"q1", 1),
  };
  const std::vector<Text> defaults = {u"abc   ",    u"  abc  ", u"a\t", u"\"abc\"  ", u"'ab'",
                                      u"\"abc\" x", u"\"",      u"",    u"a b  c"};
  for (const Text& fallback : defaults) reads.push_back(Get(u"alpha", u"none", 64, fallback));
  for (uint32_t size : {0u, 1u, 2u, 3u}) reads.push_back(Get(u"beta", u"k", size, u"DEFAULT"));

  ExpectAgreement({
      {"reads of odd lines", kReadFile, reads},
      {"missing file",
       std::nullopt,
       {Get(u"a", u"k"), Get(u"a", u"k", 2, u"\"xy\""), Int(u"a", u"k", -5),
        Struct(u"a", u"k", 4)}},
      {"integers of every form", IntFile(kIntValues), IntReads(kIntValues.size())},
      {"integer defaults", "[i]\r\nk=1\r\n", {Int(u"i", u"none", -2), Int(u"j", u"k", 12)}},
      // The settings code reads every value into 4096 units (profile names, paths, macro texts).
      {"value longer than the settings read buffer",
       "[s]\r\nbig=" + std::string(5000, 'x') + "\r\n",
       {Get(u"s", u"big", 4096), Get(u"s", u"big", 4095), Int(u"s", u"big")}},
      {"digits of other scripts",
       Utf16File(u"[i]\r\nk0=\u0661\u0662\r\nk1=\uFF11\r\nk2=\u00B2\r\n"), IntReads(3)},
      {"structs",
       kStructFile,
       {Struct(u"s", u"ok", 8), Struct(u"s", u"low", 8), Struct(u"s", u"bad", 8),
        Struct(u"s", u"short", 8), Struct(u"s", u"nonhex", 8), Struct(u"s", u"q", 8),
        Struct(u"s", u"sp", 8), Struct(u"s", u"zero", 0), Struct(u"s", u"zbad", 0),
        Struct(u"s", u"ok", 4), Struct(u"s", u"ok", 9), Struct(u"s", u"none", 8),
        Struct(u"t", u"ok", 8), Struct(u"s", u"abacus", 7), Struct(u"s", u"abacus", 6)}},
  });
}

TEST(PrivateProfileAgreement, WritesAgree) {
  ExpectAgreement({
      {"new file", std::nullopt, {Put(u"s", u"k", u"v"), Get(u"s", u"k")}},
      {"file built by writes",
       std::nullopt,
       {Put(u"App1", u"key1", u"string1"), Put(u"App1", u"key2", u"string2"),
        Put(u"App2", u"key4", u"string4"), Put(u"App1", u"key3", u"string3"),
        Put(u"app1", u"KEY1", u"new"), Put(u"App3", u"key5", u""), Get(u"app1", u"key1"),
        Get(u"App3", u"key5", 64, u"DEF")}},
      {"file spelling of names kept", "[A]\r\nKey=1\r\n", {Put(u"a", u"KEY", u"2")}},
      {"new key after a last line without break", "[a]\r\nk=1", {Put(u"a", u"k2", u"v")}},
      {"new section after a last line without break", "[a]\r\nk=1", {Put(u"b", u"k", u"v")}},
      {"new key into an earlier section",
       "[a]\r\nk=1\r\n[b]\r\nk=2\r\n",
       {Put(u"a", u"n", u"3"), Put(u"B", u"n", u"4")}},
      {"empty file", "", {Put(u"s", u"k", u"v")}},
      {"quotes and trailing spaces written as given",
       std::nullopt,
       {Put(u"s", u"k", u"\"q\""), Put(u"s", u"t", u"v  "), Get(u"s", u"k"), Get(u"s", u"t")}},
      {"integers written and read",
       "[s]\r\n",
       {Put(u"s", u"n", u"-5"), Int(u"s", u"n"), Put(u"s", u"n", u"0x7fffffff"), Int(u"s", u"n")}},
      {"structs written and read",
       std::nullopt,
       {PutStruct(u"s", u"a", "\x01\x02\x03\x04\xFA\xFB\xFC\xFD"),
        PutStruct(u"s", u"b", "abacus\0"s), PutStruct(u"s", u"c", ""), Struct(u"s", u"a", 8),
        Struct(u"s", u"b", 7), Struct(u"s", u"c", 0), PutStruct(u"s", u"a", "\xFF"),
        Struct(u"s", u"a", 1)}},
      {"missing folder",
       std::nullopt,
       {Put(u"s", u"k", u"v"), PutStruct(u"s", u"k", "ab"), Get(u"s", u"k")},
       L"missing\\test.ini"},
      {"UTF-16 file keeps its encoding",
       Utf16File(u"[a]\r\nk=v\r\n"),
       {Put(u"a", u"k", u"w"), Put(u"a", u"n", u"x"), Put(u"b", u"k", u"y"), Get(u"a", u"k")}},
      {"UTF-16 file takes any character",
       Utf16File(u"[a]\r\n"),
       {Put(u"a", u"k", u"\u0100\u4E2D\U0001F600"), Get(u"a", u"k")}},
  });
}

// A file another program holds open without sharing can be neither read nor written.
TEST(PrivateProfileAgreement, FileHeldOpenElsewhere) {
  ScratchFolder folder;
  ASSERT_TRUE(folder.created());
  Win32PrivateProfile system;
  PortablePrivateProfile portable;
  auto run = [&](PrivateProfile& profile, const wchar_t* side) {
    const fs::path path = folder.Side(side, L"held.ini");
    WriteBytes(path, "[s]\r\nk=1\r\n");
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE);
    std::string results = RunOp(profile, Put(u"s", u"k", u"2"), PathText(path)) + "\n" +
                          RunOp(profile, Get(u"s", u"k"), PathText(path)) + "\n";
    CloseHandle(held);
    return results + ShowBytes(ReadBytes(path));
  };
  const std::string expected = "false\n3 \"DEF\\u0000\"\n" + ShowBytes("[s]\r\nk=1\r\n"s);
  EXPECT_EQ(run(system, L"win"), expected);
  EXPECT_EQ(run(portable, L"portable"), expected);
}

TEST(PrivateProfileAgreement, NonAsciiTextsAgreeInTheWesternCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  ExpectAgreement({
      {"Western characters",
       std::nullopt,
       {Put(u"s", u"k", u"\u00E9\u20AC\u0160\u00FF"), Get(u"s", u"k")}},
      {"undefined bytes of the code page",
       "[s]\r\nk=\x81\x8D\x8F\x90\x9D\x80\x9F\xA0x\r\n",
       {Get(u"s", u"k"), Put(u"s", u"n", u"\u0081\u009D")}},
      {"surrogate pair", std::nullopt, {Put(u"s", u"k", u"a\U0001F600b"), Get(u"s", u"k")}},
  });
}

struct KnownDifference {
  const char* name;
  std::optional<std::string> initial;
  std::vector<Op> ops;
  Outcome system;    // as Wine 8 does it
  Outcome portable;  // as the portable engine does it
};

void ExpectDifferences(const std::vector<KnownDifference>& rows) {
  for (const KnownDifference& row : rows) {
    auto [system, portable] = RunBoth(row.initial, row.ops, L"test.ini");
    EXPECT_EQ(system.results, row.system.results) << "system, " << row.name;
    EXPECT_EQ(ShowBytes(system.file), ShowBytes(row.system.file)) << "system, " << row.name;
    EXPECT_EQ(portable.results, row.portable.results) << "portable, " << row.name;
    EXPECT_EQ(ShowBytes(portable.file), ShowBytes(row.portable.file)) << "portable, " << row.name;
  }
}

// Each row records what Wine does and what the portable engine does. The comment above a row
// says which of the two Windows does, and on what evidence.
TEST(PrivateProfileKnownDifferences, Wine) {
  if (!RunningUnderWine()) GTEST_SKIP() << "these differences were recorded under Wine";
  ExpectDifferences({
      // Windows edits the file in place: Wine's own conformance tests expect the bytes before the
      // first section to survive a write and mark Wine as failing them. Wine rewrites the whole
      // file from its parsed form.
      {"blank lines, spacing and comments",
       "; top\r\n\r\n[s]\r\n k = v \r\n\r\n;next\r\n[t]\r\n",
       {Put(u"s", u"n", u"1")},
       {"true\n", "; top\r\n[s]\r\nk=v\r\n;next\r\nn=1\r\n[t]\r\n"},
       {"true\n", "; top\r\n\r\n[s]\r\n k = v \r\nn=1\r\n\r\n;next\r\n[t]\r\n"}},
      {"NULs before the first section",
       "Data \0 before\r\n[s]\r\nk=1\r\n"s,
       {Put(u"s", u"k", u"2")},
       {"true\n", "Data \r\n[s]\r\nk=2\r\n"},
       {"true\n", "Data \0 before\r\n[s]\r\nk=2\r\n"s}},
      {"CR-only line ends",
       "[s]\rk=1\r",
       {Put(u"s", u"n", u"2")},
       {"true\n", "[s]\r\nk=1\r\nn=2\r\n"},
       {"true\n", "[s]\rk=1\rn=2\r\n"}},
      {"header with text after the bracket",
       "[s] x\r\nk=1\r\n",
       {Put(u"s", u"k", u"2")},
       {"true\n", "[s]\r\nk=2\r\n"},
       {"true\n", "[s] x\r\nk=2\r\n"}},
      // Windows edits in place, so a value written earlier keeps its spaces; Wine trims them when
      // it next rewrites the file, and drops leading spaces at once. The portable engine writes
      // values as given.
      {"spaces of written values",
       std::nullopt,
       {Put(u"s", u"a", u"v  "), Put(u"s", u"b", u"  w")},
       {"true\ntrue\n", "[s]\r\na=v\r\nb=w\r\n"},
       {"true\ntrue\n", "[s]\r\na=v  \r\nb=  w\r\n"}},
      // Undocumented for Windows; the portable engine writes names as given (both read them
      // back trimmed).
      {"names with spaces in a new file",
       std::nullopt,
       {Put(u" s ", u" k ", u" v "), Get(u"s", u"k")},
       {"true\n1 \"v\\u0000\"\n", "[s ]\r\nk =v \r\n"},
       {"true\n1 \"v\\u0000\"\n", "[ s ]\r\n k = v \r\n"}},
      // A line starting with ';' is a comment by the format's convention, and the portable
      // engine never reads it as a key; Wine does. Microsoft's reference says nothing either way.
      {"comment line read as a key",
       "[s]\r\n;k=c\r\n",
       {Get(u"s", u";k")},
       {"1 \"c\\u0000\"\n", "[s]\r\n;k=c\r\n"},
       {"3 \"DEF\\u0000\"\n", "[s]\r\n;k=c\r\n"}},
      // Windows ignores a line without '=' when listing keys (conformance tests that pass on
      // Windows), and the portable engine treats it as no key throughout; Wine replaces such a
      // line when the key is written. What Windows does on a write is undocumented.
      {"line without '=' on write",
       "[s]\r\nk\r\nm=1\r\n",
       {Put(u"s", u"k", u"v")},
       {"true\n", "[s]\r\nk=v\r\nm=1\r\n"},
       {"true\n", "[s]\r\nk\r\nm=1\r\nk=v\r\n"}},
      // Windows reads an empty section name as the section "[]", not as the lines before the
      // first section (a conformance test that passes on Windows and fails on Wine).
      {"empty section name",
       "k=before\r\n[]\r\nk=empty\r\n",
       {Get(u"", u"k")},
       {"6 \"before\\u0000\"\n", "k=before\r\n[]\r\nk=empty\r\n"},
       {"5 \"empty\\u0000\"\n", "k=before\r\n[]\r\nk=empty\r\n"}},
      // Microsoft documents truncation only for a value that does not fit the buffer; "quoted"
      // without its quotes fits 7 units with its terminator.
      {"quoted value one unit shorter than the buffer",
       "[s]\r\nq=\"quoted\"\r\n",
       {Get(u"s", u"q", 7)},
       {"5 \"quote\\u0000\"\n", "[s]\r\nq=\"quoted\"\r\n"},
       {"6 \"quoted\\u0000\"\n", "[s]\r\nq=\"quoted\"\r\n"}},
      // Nothing documents the units after the terminator; the portable engine leaves them alone.
      {"unit after a quoted value",
       "[s]\r\nq=\"ab\"\r\n",
       {GetRaw(u"s", u"q", 6)},
       {"2 \"ab\\u0000\\u0000####\"\n", "[s]\r\nq=\"ab\"\r\n"},
       {"2 \"ab\\u0000#####\"\n", "[s]\r\nq=\"ab\"\r\n"}},
      // Nothing documents a length limit for integers; Wine reads only the first 29 units, the
      // portable engine the whole value.
      {"long integer",
       "[s]\r\nn=100000000000000000000000000005\r\n",
       {Int(u"s", u"n")},
       {"268435456\n", "[s]\r\nn=100000000000000000000000000005\r\n"},
       {"2684354565\n", "[s]\r\nn=100000000000000000000000000005\r\n"}},
      // Windows checks the length before the digits: a text one digit too long fails with
      // ERROR_BAD_LENGTH in conformance tests run on Windows. Wine reads the leading 2 * size + 2
      // digits and accepts when their checksum matches; the portable engine follows Windows.
      {"struct text one digit too long",
       "[s]\r\nk=01020304FAFBFCFDF8A\r\n",
       {Struct(u"s", u"k", 8)},
       {"true 01020304FAFBFCFDCC\n", "[s]\r\nk=01020304FAFBFCFDF8A\r\n"},
       {"false\n", "[s]\r\nk=01020304FAFBFCFDF8A\r\n"}},
      {"struct text two digits too long",
       "[s]\r\nk=01020304FAFBFCFDF800\r\n",
       {Struct(u"s", u"k", 8)},
       {"true 01020304FAFBFCFDCC\n", "[s]\r\nk=01020304FAFBFCFDF800\r\n"},
       {"false\n", "[s]\r\nk=01020304FAFBFCFDF800\r\n"}},
      // Nothing documents the buffer after a failed read; the portable engine leaves it alone.
      {"struct buffer after a bad checksum",
       "[s]\r\nk=0102F0\r\n",
       {StructRaw(u"s", u"k", 2)},
       {"false 0102CC\n", "[s]\r\nk=0102F0\r\n"},
       {"false CCCCCC\n", "[s]\r\nk=0102F0\r\n"}},
      // Microsoft's reference speaks of Unicode (UTF-16LE) and ANSI files only; Wine also reads
      // and writes big-endian ones.
      {"UTF-16BE byte order mark",
       "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n"s,
       {Get(u"s", u"k"), Put(u"s", u"n", u"w")},
       {"1 \"v\\u0000\"\ntrue\n", "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0n\0=\0w\0\r\0\n"s},
       {"3 \"DEF\\u0000\"\ntrue\n", "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n[s]\r\nn=w\r\n"s}},
      // Without a byte order mark a file is ANSI; the portable engine keeps its bytes when it
      // appends (as Windows keeps the bytes it does not edit), Wine drops what it cannot parse.
      {"UTF-16LE without byte order mark",
       "[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0"s,
       {Get(u"s", u"k"), Put(u"s", u"n", u"w")},
       {"3 \"DEF\\u0000\"\ntrue\n", "\r\n=\r\n\r\n\r\n[s]\r\nn=w\r\n"},
       {"3 \"DEF\\u0000\"\ntrue\n", "[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0\r\n[s]\r\nn=w\r\n"s}},
      // Likewise for UTF-8: Wine reads a file with its byte order mark as UTF-8, the portable
      // engine as ANSI (the mark's bytes become part of the first line).
      {"UTF-8 byte order mark",
       "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n",
       {Get(u"s", u"k")},
       {"1 \"\\u00E9\\u0000\"\n", "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n"},
       {"3 \"DEF\\u0000\"\n", "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n"}},
  });
}

TEST(PrivateProfileKnownDifferences, WineInTheWesternCodePage) {
  if (!RunningUnderWine()) GTEST_SKIP() << "these differences were recorded under Wine";
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  ExpectDifferences({
      // Here Wine is likely the closer: Windows' WideCharToMultiByte substitutes "best fit"
      // characters by default (U+0100 becomes 'A'), and ANSI files are probably written through
      // it. The portable engine has no best-fit table and writes '?' for every character the code
      // page lacks.
      {"character outside the code page",
       std::nullopt,
       {Put(u"s", u"k", u"\u0100\u0080")},
       {"true\n", "[s]\r\nk=A?\r\n"},
       {"true\n", "[s]\r\nk=??\r\n"}},
      // Microsoft documents section names as case-independent; Wine folds only ASCII letters.
      // The portable engine folds ASCII and Latin-1 (not Greek or Cyrillic, which Windows
      // likely folds too: the settings use none).
      {"Latin-1 case",
       "[\304bc]\r\n\xC9t\xE9=1\r\n",
       {Get(u"\u00E4BC", u"\u00E9T\u00C9"), Put(u"\u00E4bc", u"\u00C9T\u00E9", u"2")},
       {"3 \"DEF\\u0000\"\ntrue\n", "[\304bc]\r\n\xC9t\xE9=1\r\n[\344bc]\r\n\xC9T\xE9=2\r\n"},
       {"1 \"1\\u0000\"\ntrue\n", "[\304bc]\r\n\xC9t\xE9=2\r\n"}},
  });
}

}  // namespace
