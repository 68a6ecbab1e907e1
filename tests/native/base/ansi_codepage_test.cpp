#include "base/ansi_codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AnsiCodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const Text text = AnsiToText(all);
  ASSERT_EQ(text.size(), 256u);
  for (int b = 0; b < 256; ++b) {
    unsigned char back = 0;
    EXPECT_TRUE(CharToAnsiByte(text[b], &back)) << "byte " << b;
    EXPECT_EQ(back, b) << "byte " << b;
  }
  EXPECT_EQ(TextToAnsi(text), all);
}

TEST(AnsiCodePage, MapsTheSystemsWay) {
  struct Row {
    unsigned char byte;
    char16_t unit;
  };
  const Row rows[] = {{0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160},
                      {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x99, 0x2122},
                      {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF}};
  for (const Row& row : rows) {
    EXPECT_EQ(AnsiByteToChar(row.byte), row.unit) << "byte " << int{row.byte};
  }
  // U+0080 and U+009F have no byte: 0x80 and 0x9F stand for other characters.
  const Text unmapped = {0x0080, 0x009F, 0x0100, 0x20AD, 0xD83D, 0xDE00, 0xFFFF};
  EXPECT_EQ(TextToAnsi(unmapped), "???????");
}

}  // namespace
