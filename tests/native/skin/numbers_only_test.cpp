#include <gtest/gtest.h>

#include "skin/numbers_only.h"

namespace {

TEST(NumbersOnlyKeyPasses, DigitsEditingKeysAndSeparatorsOnly) {
  const uint32_t passing[] = {'0', '5', '9', 8, 13, 35, 36, 37, 39, 46, 188, 190};
  const uint32_t swallowed[] = {'A', 'F', 38, 40, 96, 105, 110, 189, 16, 32, 0, 0x130};
  for (uint32_t key : passing) EXPECT_TRUE(NumbersOnlyKeyPasses(key)) << key;
  for (uint32_t key : swallowed) EXPECT_FALSE(NumbersOnlyKeyPasses(key)) << key;
}

TEST(FilterNumbersOnlyText, KeepsNumbersAndCapitalHexAsTheyAre) {
  const struct {
    const char16_t* text;
    bool replace;
    const char16_t* result;
  } rows[] = {
      {u"12a3", true, u"123"},
      {u"1F", false, u""},
      {u"1F-", true, u"1"},
      {u"", false, u""},
      {u"1,5.25", false, u""},
      {u"ABCDEF09", false, u""},
      {u"abc", true, u""},
      {u"1 2", true, u"12"},
      {u"G1.5", true, u"1.5"},
      {u"1\U0001F600"
       u"2",
       true, u"12"},                 // characters outside the basic plane
      {u"\u0661\u0662", true, u""},  // other scripts' digits are not digits here
  };
  for (const auto& r : rows) {
    const NumbersOnlyFix fix = FilterNumbersOnlyText(r.text);
    EXPECT_EQ(fix.replace, r.replace) << TextToAscii(r.text);
    if (r.replace) {
      EXPECT_EQ(fix.text, Text(r.result)) << TextToAscii(r.text);
      // Setting the text raises the change again: the second pass must find nothing to do.
      EXPECT_FALSE(FilterNumbersOnlyText(fix.text).replace) << TextToAscii(r.text);
    }
  }
}

}  // namespace
