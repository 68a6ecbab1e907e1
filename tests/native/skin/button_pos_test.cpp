#include "skin/button_pos.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParseButtonPos, FieldsRectangleAndText) {
  const struct {
    const char16_t* value;
    const char16_t* name;
    int32_t left, top, right, bottom;
    const char16_t* text;
  } rows[] = {
      {u"close,57,106,16,16,", u"close", 57, 106, 73, 122, u""},
      {u"ok,1,2,3,4,  Apply now \t", u"ok", 1, 2, 4, 6, u"Apply now"},
      {u",0,0,0,0,x", u"", 0, 0, 0, 0, u"x"},
      // Blanks before a number are skipped; a comma must follow a number at once.
      {u"a, 5, 6 ,7,8,t", u"a", 5, 6, 5, 6, u"t"},
      {u"a,-5,+6,10,-2,t", u"a", -5, 6, 5, 4, u"t"},
      // The first field that does not scan stops the scan; the text still follows the last comma.
      {u"a,5,x,7,8,t", u"a", 5, 0, 5, 0, u"t"},
      {u"a,,6,7,8,t", u"a", 0, 0, 0, 0, u"t"},
      {u"a,5,6", u"a", 5, 6, 5, 6, u"6"},  // the last comma is the one before 6
      {u"a,12", u"a", 12, 0, 12, 0, u""},  // no further comma: no text
      {u"lonely", u"lonely", 0, 0, 0, 0, u""},
      {u"", u"", 0, 0, 0, 0, u""},
      // Digits end at the first non-digit; what follows is not a comma.
      {u"a,7px,8,9,10,t", u"a", 7, 0, 7, 0, u"t"},
      // Out-of-range numbers and sums are limited to the 32-bit range.
      {u"a,99999999999,-99999999999,10,-10,", u"a", 2147483647, -2147483647 - 1, 2147483647,
       -2147483647 - 1, u""},
      {u"a,2147483600,0,100,0,", u"a", 2147483600, 0, 2147483647, 0, u""},
  };
  for (const auto& row : rows) {
    const ButtonPosEntry e = ParseButtonPos(row.value);
    const std::string label = TextToAscii(row.value);
    EXPECT_EQ(Text(e.name), Text(row.name)) << label;
    EXPECT_EQ(e.left, row.left) << label;
    EXPECT_EQ(e.top, row.top) << label;
    EXPECT_EQ(e.right, row.right) << label;
    EXPECT_EQ(e.bottom, row.bottom) << label;
    EXPECT_EQ(Text(e.text), Text(row.text)) << label;
    EXPECT_EQ(e.checked, 0) << label;
  }
}

TEST(ParseButtonPos, LongFieldsAreCutAndTerminated) {
  const Text longName(100, u'n');
  const Text longText(1000, u't');
  const ButtonPosEntry e = ParseButtonPos(longName + u",1,2,3,4," + longText);
  EXPECT_EQ(Text(e.name), Text(39, u'n'));
  EXPECT_EQ(Text(e.text), Text(399, u't'));
  EXPECT_EQ(e.right, 4);
  // Exactly at the limits nothing is lost.
  const ButtonPosEntry fits = ParseButtonPos(Text(39, u'n') + u",0,0,0,0," + Text(399, u't'));
  EXPECT_EQ(Text(fits.name).size(), 39u);
  EXPECT_EQ(Text(fits.text).size(), 399u);
}

TEST(ParseButtonPos, WideTextSurvives) {
  const ButtonPosEntry e = ParseButtonPos(u"\u6309\u94ae,1,1,1,1, \u786e\u5b9a ");
  EXPECT_EQ(Text(e.name), Text(u"\u6309\u94ae"));
  EXPECT_EQ(Text(e.text), Text(u"\u786e\u5b9a"));
}

}  // namespace
