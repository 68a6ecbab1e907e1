#include "settings/read_once_profile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "settings/portable_private_profile.h"
#include "tests/support/scripted_file_store.h"
#include "tests/support/temp_dir.h"

using namespace std::string_literals;

namespace {

// Counts reads, so that a test sees the file was read once.
class CountingStore : public ScriptedFileStore {
 public:
  FileReadResult Read(const Text& path, std::string& bytes) override {
    ++reads;
    return ScriptedFileStore::Read(path, bytes);
  }
  int reads = 0;
};

// Stands for the system's functions: counts what reaches it and answers with a mark.
class MarkingProfile : public PortablePrivateProfile {
 public:
  uint32_t GetString(const Text&, const Text&, const Text&, char16_t* buffer, uint32_t size,
                     const Text&) override {
    ++calls;
    if (size < 2) return 0;
    buffer[0] = u'S';
    buffer[1] = u'\0';
    return 1;
  }
  uint32_t GetInt(const Text&, const Text&, int32_t, const Text&) override {
    ++calls;
    return 4242;
  }
  bool GetStruct(const Text&, const Text&, void*, uint32_t, const Text&) override {
    ++calls;
    return false;
  }
  int calls = 0;
};

struct Answers {
  Text text;
  uint32_t number = 0;
  bool structRead = false;
  std::array<unsigned char, 2> bytes{};
};

Answers Ask(PrivateProfile& profile, const Text& section, const Text& key, const Text& path) {
  Answers a;
  std::array<char16_t, 8> buffer{};  // short, so that cutting a value is compared too
  const uint32_t n = profile.GetString(section, key, u"DEF  ", buffer.data(), buffer.size(), path);
  a.text = Text(buffer.data(), n);
  a.number = profile.GetInt(section, key, -7, path);
  a.structRead = profile.GetStruct(section, key, a.bytes.data(), 2, path);
  return a;
}

// Whatever is asked, the kept text answers as the engine answers from the file itself, and the
// file is read once.
TEST(ReadOnceProfile, AnswersAsTheEngineFromOneRead) {
  TempDir dir;
  WriteFileBytes(dir.path() / "skin.ini",
                 "[SCREEN]\r\nNormal = bg.bmp \r\nq=\"quoted\"\r\nlong=0123456789abcdef\r\n"
                 "[BUTTONPOS]\r\n1=10,20,30,40\r\nn=0x1F\r\nneg=-12\r\ns=0102FF03\r\n"
                 "bad=0102FF04\r\n[buttonpos]\r\nlater=1\r\n"s);
  const Text path = dir.file("skin.ini");
  const struct {
    const char16_t* section;
    const char16_t* key;
  } rows[] = {
      {u"SCREEN", u"Normal"},  {u"screen", u"q"},      {u"SCREEN", u"long"},
      {u"BUTTONPOS", u"1"},    {u"BUTTONPOS", u"n"},   {u"ButtonPos", u"neg"},
      {u"BUTTONPOS", u"s"},    {u"BUTTONPOS", u"bad"}, {u"BUTTONPOS", u"later"},
      {u"BUTTONPOS", u"none"}, {u"NOSECTION", u"1"},
  };
  CountingStore files;
  MarkingProfile system;
  ReadOnceProfile once(files, system);
  PortablePrivateProfile engine;
  for (const auto& r : rows) {
    const Answers kept = Ask(once, r.section, r.key, path);
    const Answers fresh = Ask(engine, r.section, r.key, path);
    const std::string where = TextToAscii(r.section) + "/" + TextToAscii(r.key);
    EXPECT_EQ(kept.text, fresh.text) << where;
    EXPECT_EQ(kept.number, fresh.number) << where;
    EXPECT_EQ(kept.structRead, fresh.structRead) << where;
    EXPECT_EQ(kept.bytes, fresh.bytes) << where;
  }
  EXPECT_EQ(files.reads, 1);
  EXPECT_EQ(system.calls, 0);
}

// An ANSI file with a byte beyond ASCII means what the machine's code page says, which only the
// system knows: every key of it goes to the system's functions. UTF-16 and plain ASCII do not.
TEST(ReadOnceProfile, AnsiBeyondAsciiIsLeftToTheSystem) {
  TempDir dir;
  const struct {
    const char* file;
    std::string bytes;
    bool bySystem;
  } rows[] = {
      {"ascii.ini", "[a]\r\nk=OK\r\n"s, false},
      {"ansi.ini", "[a]\r\nk=\xC8\xB7\xB6\xA8\r\n"s, true},
      {"utf16.ini", "\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\xE9\0"s, false},
  };
  for (const auto& r : rows) {
    WriteFileBytes(dir.path() / r.file, r.bytes);
    CountingStore files;
    MarkingProfile system;
    ReadOnceProfile once(files, system);
    const Answers a = Ask(once, u"a", u"k", dir.file(r.file));
    EXPECT_EQ(a.text == u"S", r.bySystem) << r.file;
    EXPECT_EQ(a.number == 4242u, r.bySystem) << r.file;
    EXPECT_EQ(system.calls, r.bySystem ? 3 : 0) << r.file;
    EXPECT_EQ(files.reads, 1) << r.file;
  }
}

// A file that is missing or cannot be read gives every key its default, without asking the
// store again; nothing is ever written.
TEST(ReadOnceProfile, MissingOrUnreadableFileGivesDefaultsAndWritesAreRefused) {
  TempDir dir;
  WriteFileBytes(dir.path() / "there.ini", "[a]\r\nk=1\r\n"s);
  const struct {
    const char* file;
    bool failReads;
  } rows[] = {{"missing.ini", false}, {"there.ini", true}};
  for (const auto& r : rows) {
    CountingStore files;
    files.failReads = r.failReads;
    ReadOnceProfile once(files);
    const Text path = dir.file(r.file);
    for (int i = 0; i < 3; ++i) {
      const Answers a = Ask(once, u"a", u"k", path);
      EXPECT_EQ(a.text, u"DEF") << r.file;
      EXPECT_EQ(a.number, static_cast<uint32_t>(-7)) << r.file;
      EXPECT_FALSE(a.structRead) << r.file;
    }
    EXPECT_EQ(files.reads, 1) << r.file;
    const unsigned char bytes[1] = {1};
    EXPECT_FALSE(once.WriteString(u"a", u"k", u"2", path)) << r.file;
    EXPECT_FALSE(once.WriteStruct(u"a", u"k", bytes, 1, path)) << r.file;
  }
  EXPECT_EQ(ReadFileBytes(dir.path() / "there.ini"), "[a]\r\nk=1\r\n"s);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing.ini"));
}

}  // namespace
