#include "ui/dialog_template.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT

std::vector<uint16_t> Words(std::initializer_list<uint16_t> words) {
  return words;
}

TEST(BuildDialogTemplate, MainWindowLayoutWithFontBlock) {
  DialogTemplateSpec spec;
  spec.style = 0x80000000u | 0x10000000u | kSetFont;  // WS_POPUP | WS_VISIBLE | DS_SETFONT
  spec.exStyle = 0x00040000u;                         // WS_EX_APPWINDOW
  spec.width = 339;
  spec.height = 225;
  spec.title = u"AB";
  spec.fontName = u"Arial";
  spec.fontPointSize = 9;
  EXPECT_EQ(BuildDialogTemplate(spec),
            Words({1,      0xFFFF,               // version, extended signature
                   0,      0,                    // help id
                   0x0000, 0x0004,               // ex style
                   0x0040, 0x9000,               // style
                   0,                            // no controls
                   0,      0,      339,    225,  // x, y, cx, cy
                   0,      0,                    // no menu, system class
                   u'A',   u'B',   0,            // title
                   9,      0,      0x0100,       // point size, weight, italic 0 + charset 1
                   u'A',   u'r',   u'i',   u'a', u'l', 0}));
}

TEST(BuildDialogTemplate, FontBlockFollowsTheStyleNotTheName) {
  DialogTemplateSpec spec;
  spec.fontName = u"Arial";  // no DS_SETFONT: the system would not read a font block
  spec.x = -5;
  EXPECT_EQ(BuildDialogTemplate(spec),
            Words({1, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0xFFFB, 0, 0, 0, 0, 0, 0}));

  spec.style = kSetFont;  // DS_SETFONT without a name: an empty face name still closes the block
  spec.fontName.clear();
  const std::vector<uint16_t> words = BuildDialogTemplate(spec);
  ASSERT_EQ(words.size(), 20u);
  EXPECT_EQ(words[16], 8);  // default point size
  EXPECT_EQ(words[19], 0);
}

TEST(BuildDialogTemplate, EmbeddedNulCannotShiftTheFontBlock) {
  DialogTemplateSpec spec;
  spec.style = kSetFont;
  spec.title = std::u16string(u"T\0xyz", 5);
  spec.fontName = u"F";
  const std::vector<uint16_t> words = BuildDialogTemplate(spec);
  EXPECT_EQ(std::vector<uint16_t>(words.begin() + 15, words.end()),
            Words({u'T', 0, 8, 0, 0x0100, u'F', 0}));
}

}  // namespace
