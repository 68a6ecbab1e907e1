#include "base/text.h"

#include <gtest/gtest.h>

#include "base/file_paths.h"

namespace {

TEST(Text, CopyToFieldCutsTerminatesAndClearsTheRest) {
  const struct {
    Text in;
    Text out;
  } rows[] = {
      {u"", u""},
      {u"abc", u"abc"},
      {u"abcd", u"abc"},
      {u"abcdef", u"abc"},
      {u"ab\U0001F5B1", u"ab"},  // the cut would split a surrogate pair: drop the half
      {u"a\U0001F5B1", u"a\U0001F5B1"},
      {Text(u"a\0bc", 4), u"a"},  // nothing after an embedded zero reaches the field
  };
  for (const auto& row : rows) {
    char16_t field[4] = {u'#', u'#', u'#', u'#'};
    CopyToField(field, row.in);
    EXPECT_EQ(FieldText(field), row.out) << TextToAscii(row.in);
    for (size_t i = row.out.size(); i < 4; ++i) EXPECT_EQ(field[i], 0) << TextToAscii(row.in);
  }
}

TEST(Text, FieldWithoutTerminatorEndsAtItsSize) {
  char16_t field[3] = {u'x', u'y', u'z'};
  EXPECT_EQ(FieldText(field), u"xyz");
}

TEST(Text, ParseLeadingInt) {
  const struct {
    const char16_t* in;
    int32_t out;
  } rows[] = {{u"42", 42},
              {u"-1", -1},
              {u"+7", 7},
              {u"  12abc", 12},
              {u"abc", 0},
              {u"", 0},
              {u"-", 0},
              {u"4294967297", 1},
              {u"-2147483648", -2147483647 - 1},
              {u"2147483648", -2147483647 - 1},
              {u"\t-3", -3},
              {u"1 2", 1}};
  for (const auto& row : rows) EXPECT_EQ(ParseLeadingInt(row.in), row.out) << TextToAscii(row.in);
}

TEST(Text, CaseFoldingForNames) {
  EXPECT_TRUE(EqualsIgnoreCase(u"HKEY_Current_User", u"hkey_current_user"));
  EXPECT_TRUE(EqualsIgnoreCase(u"Caf\u00e9", u"CAF\u00c9"));
  EXPECT_FALSE(EqualsIgnoreCase(u"Default1", u"Default10"));
  EXPECT_FALSE(EqualsIgnoreCase(u"\u00f7", u"\u00d7"));
}

TEST(FilePaths, FolderOfModulePath) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } rows[] = {{u"C:\\Program Files\\Mouse\\Monitor.exe", u"C:\\Program Files\\Mouse\\"},
              {u"C:\\Monitor.exe", u"C:\\"},
              {u"Monitor.exe", u""},
              {u"", u""},
              {u"/opt/mouse/Monitor.exe", u"/opt/mouse/"}};
  for (const auto& row : rows)
    EXPECT_EQ(FolderOfModulePath(row.in), row.out) << TextToAscii(row.in);
}

}  // namespace
