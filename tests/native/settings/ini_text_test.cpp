#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// UTF-16LE bytes with their byte-order mark, so that any text survives a round trip.
std::string Utf16Bytes(const Text& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

// A run of edits on one text must give, after every edit, the text and the answers of a text read
// afresh before each edit (as each call of the system's functions reads its file): the lines the
// text keeps between edits may never go stale, whatever the line ends and whatever the edits
// write.
TEST(IniText, EditsInARowAgreeWithEditsOnTextsReadAfresh) {
  const std::u16string documents[] = {
      u"",
      u"[a]\r\nk=0\r\n",
      u"[a]\rk=0\r[b]\rx=1\r",
      u"[a]\nk=0\n\n;c\n[a]\nn=9\n",
      u"pre=1\r\n[a]\r\nk=0",
      u"[a]\r\nk=0\0tail\r\n; note\r\n\r\n"s,
      u"[b]\r\nx=1\r\n[a]\r",
      u"[a]\r\n\r\n[b]\n",
  };
  const struct {
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
  } edits[] = {
      {u"a", u"k", u"1"},
      {u"A", u"n", u"new"},
      {u"b", u"x", u"2"},
      {u"a", u"k", u"two\r\nz=3"},  // a value with a line break writes a line of its own
      {u"a", u"z", u"4"},
      {u"c", u"\nq", u"5"},  // a key starting with LF after a lone CR
                             // would join the two
      {u"a", u"tail", u"6\r"},
      {u"a", u"after", u"7"},
      {u" b ", u"X", u""},
      {u"a", u"k", u"8"},
  };
  const struct {
    const char16_t* section;
    const char16_t* key;
  } probes[] = {
      {u"a", u"k"},       {u"a", u"n"},  {u"a", u"z"},    {u"b", u"x"},
      {u"a", u"after"},   {u"c", u"q"},  {u"A", u"tail"}, {u"a", u"6"},
      {u"a", u"missing"}, {u"", u"pre"}, {u"a", u"\nq"},
  };
  for (const std::u16string& document : documents) {
    IniText kept = IniText::FromBytes(Utf16Bytes(document));
    Text afresh = document;
    for (const auto& e : edits) {
      kept.Set(e.section, e.key, e.value);
      IniText fresh = IniText::FromBytes(Utf16Bytes(afresh));
      fresh.Set(e.section, e.key, e.value);
      afresh = fresh.text();
      const std::string where = "document " + std::to_string(&document - documents) + ", edit " +
                                std::to_string(&e - edits);
      ASSERT_EQ(kept.text(), afresh) << where;
      for (const auto& p : probes) {
        EXPECT_EQ(kept.Find(p.section, p.key), fresh.Find(p.section, p.key))
            << where << ", probe " << (&p - probes);
      }
    }
  }
}

// The same edits in a row, checked against the exact text the system's functions write.
TEST(IniText, EditsInARowWriteWhatTheSystemWrites) {
  const struct {
    const char* what;
    std::u16string before;
    std::u16string after;
  } rows[] = {
      {"empty", u"", u"[a]\r\nk=1\r\nn=2\r\n[b]\r\nk=3\r\n"},
      {"keys kept in place", u"[a]\r\nn=0\r\n; c\r\nk=0\r\n\r\n[b]\r\nk=0\r\n",
       u"[a]\r\nn=2\r\n; c\r\nk=1\r\n\r\n[b]\r\nk=3\r\n"},
      {"CR-only lines, no last break", u"[b]\rk=0\r[a]\rx=0",
       u"[b]\rk=3\r[a]\rx=0\r\nk=1\r\nn=2\r\n"},
      {"lone CR ends the file", u"[a]\r", u"[a]\rk=1\r\nn=2\r\n[b]\r\nk=3\r\n"},
      {"same values, one spaced", u"[a]\r\n K = 1 \r\nn=2\n[b]\rk=3",
       u"[a]\r\nK=1\r\nn=2\n[b]\rk=3"},
  };
  for (const auto& r : rows) {
    IniText ini = IniText::FromBytes(Utf16Bytes(r.before));
    ini.Set(u"a", u"k", u"1");
    ini.Set(u"a", u"n", u"2");
    ini.Set(u"b", u"k", u"3");
    EXPECT_EQ(ini.text(), r.after) << r.what;
  }
}

}  // namespace
