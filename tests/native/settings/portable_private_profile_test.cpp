#include "settings/portable_private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"

using namespace std::string_literals;

namespace {

constexpr uint32_t kMissing = 0x7777;

class PortableProfileTest : public ::testing::Test {
 protected:
  // Writes the bytes as a fresh file and returns its settings path.
  Text File(const std::string& bytes) {
    std::string name = "f" + std::to_string(files_++) + ".ini";
    WriteFileBytes(dir_.path() / name, bytes);
    return dir_.file(name);
  }
  Text Read(const Text& section, const Text& key, const Text& path, const Text& fallback = u"DEF") {
    std::array<char16_t, 64> buffer{};
    uint32_t n = profile_.GetString(section, key, fallback, buffer.data(), buffer.size(), path);
    EXPECT_EQ(buffer[n], u'\0');
    return Text(buffer.data(), n);
  }
  std::string Bytes(const Text& path) { return ReadFileBytes(std::filesystem::path(path)); }

  TempDir dir_;
  PortablePrivateProfile profile_;
  int files_ = 0;
};

const std::string kSample =
    "k=before any section\r\n"
    "[ Alpha ]\r\n"
    " Name = v1 \r\n"
    "q1=\"quoted\"\r\nq2='single'\r\nq3=\"mixed'\r\nq4=\"\r\nq5=\"\"\r\n"
    "\x1A tab\t=\tsub\x1A\r\n"
    "eq=a=b\r\n=empty name\r\n;c=comment\r\nnoequals\r\n[b=bracket\r\n"
    "name=second\r\n"
    "[alpha]\r\nother=later section of the same name\r\n"
    "[x]]y]\r\ncr=1\rlf=2\ncrlf=3\r\n"
    "nul=ab\0cd\r\n"s
    "ansi=\x80\x81\xE9\x9F\r\n"
    "[n\0ul]\r\nk\0ey=1\r\n"s;

TEST_F(PortableProfileTest, ReadsValuesLikeTheSystem) {
  struct Row {
    const char16_t* section;
    const char16_t* key;
    const char16_t* expected;
  };
  const Row rows[] = {
      {u"alpha", u"NAME", u"v1"},
      {u"ALPHA", u"  name\t", u"v1"},
      {u"Alpha", u"q1", u"quoted"},
      {u"alpha", u"q2", u"single"},
      {u"alpha", u"q3", u"\"mixed'"},
      {u"alpha", u"q4", u"\""},
      {u"alpha", u"q5", u""},
      {u"alpha", u"tab", u"sub"},
      {u"alpha", u"eq", u"a=b"},
      {u"alpha", u"", u"empty name"},
      {u"alpha", u";c", u"DEF"},
      {u"alpha", u"c", u"DEF"},
      {u"alpha", u"noequals", u"DEF"},
      {u"alpha", u"[b", u"bracket"},
      {u"alpha", u"other", u"DEF"},
      {u"", u"k", u"DEF"},
      {u"x]]y", u"cr", u"1"},
      {u"x]]y", u"lf", u"2"},
      {u"x]]y", u"crlf", u"3"},
      {u"x]]y", u"nul", u"ab"},
      {u"x]]y", u"ansi", u"\u20AC\u0081\u00E9\u0178"},
      {u"x]]y", u"none", u"DEF"},
      {u"beta", u"name", u"DEF"},
      {u"n", u"k", u"1"},
  };
  const Text path = File(kSample);
  for (const Row& row : rows) {
    EXPECT_EQ(Read(row.section, row.key, path), row.expected)
        << "section " << TextToAscii(row.section) << " key " << TextToAscii(row.key);
  }
  EXPECT_EQ(Read(u"alpha", u"name", dir_.file("missing.ini")), u"DEF");
  // UTF-16 by its byte order mark; an odd last byte is read as a unit of its own.
  const Text utf16 = File("\xFF\xFE[\0a\0]\0\n\0k\0=\0\x01\x01\n\0m\0=\0x"s);
  EXPECT_EQ(Read(u"a", u"k", utf16), u"\u0101");
  EXPECT_EQ(Read(u"a", u"m", utf16), u"x");
}

TEST_F(PortableProfileTest, DefaultLosesTrailingSpacesAndQuotes) {
  const std::pair<const char16_t*, const char16_t*> rows[] = {
      {u"abc   ", u"abc"}, {u"  abc  ", u"  abc"},       {u"a\t", u"a\t"}, {u"\"abc\"  ", u"abc"},
      {u"'ab'", u"ab"},    {u"\"abc\" x", u"\"abc\" x"}, {u"\"", u"\""},   {u"", u""},
  };
  const Text path = File("[a]\r\n");
  for (const auto& [fallback, expected] : rows) {
    EXPECT_EQ(Read(u"a", u"k", path, fallback), expected) << TextToAscii(fallback);
  }
}

TEST_F(PortableProfileTest, CopiesAtMostSizeLessOneAndTouchesNothingElse) {
  struct Row {
    const char16_t* key;  // "none" reads the default "DEFAULT"
    uint32_t size;
    uint32_t expected_count;
    const char16_t* expected;
  };
  const Row rows[] = {
      {u"plain", 0, 0, u"########"},   {u"plain", 1, 0, u"\0#######"},
      {u"plain", 2, 1, u"a\0######"},  {u"plain", 8, 7, u"abcdefg\0"},
      {u"quoted", 2, 1, u"a\0######"}, {u"quoted", 8, 7, u"abcdefg\0"},
      {u"none", 0, 0, u"########"},    {u"none", 3, 2, u"DE\0#####"},
      {u"plain", 4, 3, u"abc\0####"},  {u"quoted", 9, 8, u"abcdefgh\0"},
  };
  const Text path = File("[s]\r\nplain=abcdefgh\r\nquoted=\"abcdefgh\"\r\n");
  for (const Row& row : rows) {
    std::array<char16_t, 10> buffer;
    buffer.fill(u'#');
    uint32_t n = profile_.GetString(u"s", row.key, u"DEFAULT", buffer.data(), row.size, path);
    const Text expected(row.expected, std::max<size_t>(8, row.size));
    EXPECT_EQ(n, row.expected_count) << TextToAscii(row.key) << " size " << row.size;
    EXPECT_EQ(Text(buffer.data(), expected.size()), expected)
        << TextToAscii(row.key) << " size " << row.size;
  }
}

TEST_F(PortableProfileTest, ParsesIntegersLikeTheSystemConverter) {
  const std::pair<const char*, uint32_t> rows[] = {
      {"42", 42},
      {"42A", 42},
      {"-3x", 0xFFFFFFFD},
      {"-", 0},
      {"+5", 5},
      {"- 5", 0},
      {"x", 0},
      {"0x10", 16},
      {"0X10", 0},
      {"0xfF", 255},
      {"0x", 0},
      {"0xg", 0},
      {"-0x10", 0xFFFFFFF0},
      {"0o17", 15},
      {"0o8", 0},
      {"0b101", 5},
      {"0b2", 0},
      {"00012", 12},
      {"4294967297", 1},
      {"-1", 0xFFFFFFFF},
      {"2147483648", 0x80000000},
      {"0x1FFFFFFFF", 0xFFFFFFFF},
      {" 12 ", 12},
      {"12 34", 12},
      {"\"12\"", 12},
      {"' 7'", 7},
      {"\x01\x02 9", 9},
      {"\"\"", kMissing},
      {"", kMissing},
      {"\t", kMissing},
      {"\xB2", 0},
      {"100000000000000000000000000005", 2684354565u},
  };
  std::string file = "[i]\r\n";
  for (size_t i = 0; i < std::size(rows); ++i) {
    file += "k" + std::to_string(i) + "=" + rows[i].first + "\r\n";
  }
  const Text path = File(file);
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(profile_.GetInt(u"i", AsciiText("k" + std::to_string(i)), kMissing, path),
              rows[i].second)
        << "value \"" << rows[i].first << "\"";
  }
  EXPECT_EQ(profile_.GetInt(u"i", u"none", -2, path), 0xFFFFFFFE);
}

TEST_F(PortableProfileTest, ReadsStructsOnlyWhenLengthDigitsAndChecksumAreRight) {
  const std::pair<const char*, bool> rows[] = {
      {"01020304FAFBFCFDF8", true},      {"01020304fafbfcfdf8", true},
      {"  01020304FAFBFCFDF8 ", true},   {"01020304FAFBFCFDF9", false},
      {"01020304FAFBFCFDF8A", false},    {"01020304FAFBFCFDF800", false},
      {"01020304FAFBFCFDF", false},      {"0102030GFAFBFCFDF8", false},
      {"\"01020304FAFBFCFDF8\"", false}, {"01020304FAFBFCFD+8", false},
  };
  std::string file = "[s]\r\n";
  for (size_t i = 0; i < std::size(rows); ++i) {
    file += "k" + std::to_string(i) + "=" + rows[i].first + "\r\n";
  }
  const Text path = File(file);
  const std::array<unsigned char, 8> expected = {1, 2, 3, 4, 0xFA, 0xFB, 0xFC, 0xFD};
  for (size_t i = 0; i < std::size(rows); ++i) {
    std::array<unsigned char, 8> buffer;
    buffer.fill(0xCC);
    const bool ok = profile_.GetStruct(u"s", AsciiText("k" + std::to_string(i)), buffer.data(),
                                       buffer.size(), path);
    std::array<unsigned char, 8> untouched;
    untouched.fill(0xCC);
    EXPECT_EQ(ok, rows[i].second) << rows[i].first;
    EXPECT_EQ(buffer, ok ? expected : untouched) << rows[i].first;
  }
  unsigned char none = 0xCC;
  EXPECT_FALSE(profile_.GetStruct(u"s", u"missing", &none, 1, path));
  EXPECT_TRUE(profile_.GetStruct(u"s", u"zero", nullptr, 0, File("[s]\r\nzero=00\r\n")));
}

TEST_F(PortableProfileTest, WritesInPlaceKeepingEverythingElse) {
  struct Row {
    const char* name;
    std::string before;
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
    std::string after;
  };
  const Row rows[] = {
      {"replace keeps key spelling and line end", "[A]\r\n  Key = 1 \r\nz=2", u"a", u"KEY", u" x ",
       "[A]\r\nKey= x \r\nz=2"},
      {"replace on a CR-only line", "[a]\rk=1\rm=2", u"a", u"k", u"22", "[a]\rk=22\rm=2"},
      {"replace a line holding a NUL", "[a]\nk=1\0tail\n"s, u"a", u"k", u"3", "[a]\nk=3\n"},
      {"new key after the last line of substance", "[a]\r\nk=1\r\n\r\n;next\r\n[b]\r\n", u"a", u"n",
       u"v", "[a]\r\nk=1\r\nn=v\r\n\r\n;next\r\n[b]\r\n"},
      {"new key after text without '='", "[a]\r\nk\r\n", u"a", u"k", u"v", "[a]\r\nk\r\nk=v\r\n"},
      {"new key after a header without line end", "[a]", u"a", u"k", u"v", "[a]\r\nk=v\r\n"},
      {"new key in the first section of the name", "[a]\nx=1\n[A]\ny=2\n", u"a", u"n", u"v",
       "[a]\nx=1\nn=v\r\n[A]\ny=2\n"},
      {"commented key is a new key", "[a]\r\n;k=1\r\n", u"a", u"k", u"v", "[a]\r\nk=v\r\n;k=1\r\n"},
      {"new section after a last line without end", "\0pre\r\n[a]\r\nk=1"s, u"b", u"k", u"v",
       "\0pre\r\n[a]\r\nk=1\r\n[b]\r\nk=v\r\n"s},
      {"new section after a line end", "[a]\n\n", u"b", u"k", u"", "[a]\n\n[b]\r\nk=\r\n"},
      {"new section in an empty file", "", u"b", u"k", u"v", "[b]\r\nk=v\r\n"},
      {"lines before any section are no section", "k=1\r\n", u"", u"k", u"v",
       "k=1\r\n[]\r\nk=v\r\n"},
      {"non-ANSI characters become '?'", "[a]\r\n", u"a", u"k", u"\u00E9\u20AC\u0100\u0081",
       "[a]\r\nk=\xE9\x80?\x81\r\n"},
      {"UTF-16 stays UTF-16", "\xFF\xFE[\0a\0]\0\r\0\n\0"s, u"a", u"k", u"\u0100",
       "\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\x00\x01\r\0\n\0"s},
  };
  for (const Row& row : rows) {
    const Text path = File(row.before);
    EXPECT_TRUE(profile_.WriteString(row.section, row.key, row.value, path)) << row.name;
    EXPECT_EQ(Bytes(path), row.after) << row.name;
  }
}

TEST_F(PortableProfileTest, CreatesFilesOnlyWhereItCan) {
  const Text path = dir_.file("new.ini");
  EXPECT_TRUE(profile_.WriteString(u"s", u"k", u"\"v\" ", path));
  EXPECT_EQ(Bytes(path), "[s]\r\nk=\"v\" \r\n");
  EXPECT_EQ(Read(u"s", u"k", path), u"v");

  const std::filesystem::path missing_folder = dir_.path() / "missing";
  EXPECT_FALSE(profile_.WriteString(u"s", u"k", u"v", dir_.file("missing/x.ini")));
  EXPECT_FALSE(std::filesystem::exists(missing_folder));
  EXPECT_FALSE(profile_.WriteString(u"s", u"k", u"v", dir_.folder()));

  // A pipe in place of the file is neither read nor written: opening it would block.
  const std::filesystem::path pipe = dir_.path() / "pipe.ini";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(Read(u"s", u"k", dir_.file("pipe.ini")), u"DEF");
  EXPECT_FALSE(profile_.WriteString(u"s", u"k", u"v", dir_.file("pipe.ini")));

  // The settings code joins folders with backslashes, as on Windows.
  std::filesystem::create_directory(dir_.path() / "config");
  EXPECT_TRUE(profile_.WriteString(u"s", u"k", u"v", dir_.folder() + u"config\\a.ini"));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "config" / "a.ini"), "[s]\r\nk=v\r\n");
}

// The system's functions take zero-terminated texts; so does the engine.
TEST_F(PortableProfileTest, TextsEndAtTheirFirstNul) {
  const Text path = File("[s]\r\n");
  EXPECT_TRUE(profile_.WriteString(Text(u"s\0x", 3), Text(u"n\0x", 3), Text(u"w\0x", 3), path));
  EXPECT_EQ(Bytes(path), "[s]\r\nn=w\r\n");
  EXPECT_EQ(Read(Text(u"s\0x", 3), Text(u"n\0y", 3), path, Text(u"D\0E", 3)), u"w");
  EXPECT_EQ(Read(u"s", u"none", path, Text(u"D\0E", 3)), u"D");
}

TEST_F(PortableProfileTest, WritesStructsAsHexWithChecksum) {
  const unsigned char bytes[] = {1, 2, 3, 4, 0xFA, 0xFB, 0xFC, 0xFD};
  const Text path = dir_.file("struct.ini");
  EXPECT_TRUE(profile_.WriteStruct(u"s", u"a", bytes, sizeof(bytes), path));
  EXPECT_TRUE(profile_.WriteStruct(u"s", u"b", "abacus", 7, path));
  EXPECT_TRUE(profile_.WriteStruct(u"s", u"c", nullptr, 0, path));
  EXPECT_FALSE(profile_.WriteStruct(u"s", u"d", nullptr, 1, path));
  EXPECT_EQ(Bytes(path), "[s]\r\na=01020304FAFBFCFDF8\r\nb=616261637573006F\r\nc=00\r\n");
  unsigned char back[sizeof(bytes)] = {};
  EXPECT_TRUE(profile_.GetStruct(u"s", u"a", back, sizeof(back), path));
  EXPECT_EQ(0, memcmp(back, bytes, sizeof(bytes)));
}

}  // namespace
