#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "skin/owner_menu_layout.h"

namespace {

TEST(OwnerMenuItems, KindAndHeightById) {
  EXPECT_EQ(ClassifyMenuAppend(2048, false), MenuItemKind::kSeparator);
  EXPECT_EQ(ClassifyMenuAppend(2048, true), MenuItemKind::kSeparator);
  EXPECT_EQ(ClassifyMenuAppend(7, true), MenuItemKind::kPopup);
  EXPECT_EQ(ClassifyMenuAppend(0, false), MenuItemKind::kCommand);
  const struct {
    uint32_t id;
    int32_t height;
    bool separator_line;
  } rows[] = {
      {0, 5, true}, {1, 0, false}, {2, 17, false}, {2048, 17, false}, {0xFFFFFFFF, 17, false}};
  for (const auto& r : rows) {
    EXPECT_EQ(MenuItemHeight(r.id), r.height) << r.id;
    EXPECT_EQ(DrawsAsMenuSeparator(r.id), r.separator_line) << r.id;
  }
}

TEST(MenuWidth, WidestTextUnlessTheOwnerFixesIt) {
  MenuWidth width;
  EXPECT_EQ(width.Get(), 0);
  width.NoteAppendedText(3);
  width.NoteAppendedText(10);
  width.NoteAppendedText(5);
  EXPECT_EQ(width.Get(), 80);
  width.Set(156);
  width.NoteAppendedText(30);
  EXPECT_EQ(width.Get(), 156);

  MenuWidth huge;
  huge.NoteAppendedText(std::numeric_limits<size_t>::max());
  EXPECT_EQ(huge.Get(), std::numeric_limits<int32_t>::max() / 8 * 8);
}

TEST(ChooseMenuItemColours, CheckedTextWinsOverSelection) {
  const struct {
    bool selected;
    int32_t check;
    uint32_t background, text;
  } rows[] = {
      {false, 0, 0xE9E9E9, 0x000000}, {true, 0, 0x000000, 0xE9E9E9},
      {false, 1, 0xE9E9E9, 0xFFBF44}, {true, 1, 0x000000, 0xFFBF44},
      {true, 2, 0x000000, 0xE9E9E9},  {false, -1, 0xE9E9E9, 0x000000},
  };
  for (const auto& r : rows) {
    const MenuItemColours colours = ChooseMenuItemColours(r.selected, r.check);
    EXPECT_EQ(colours.background, r.background) << r.selected << "/" << r.check;
    EXPECT_EQ(colours.text, r.text) << r.selected << "/" << r.check;
  }
}

TEST(OwnerMenuDrawing, TextSeparatorArrowAndFrame) {
  const PixelRect item{0, 20, 156, 37};
  EXPECT_EQ(MenuItemTextRect(item), (PixelRect{2, 20, 156, 37}));
  EXPECT_EQ(MenuSeparatorLineY(PixelRect{0, 10, 100, 15}), 12);
  const PixelPoint arrow = MenuSubmenuArrowOrigin(item);
  EXPECT_EQ(arrow.x, 137);
  EXPECT_EQ(arrow.y, 11);

  const auto frame = MenuFrameLines(100, 50);
  EXPECT_EQ(frame[0].rect, (PixelRect{0, 0, 100, 50}));
  EXPECT_EQ(frame[0].colour, 0x000000u);
  EXPECT_EQ(frame[1].rect, (PixelRect{1, 1, 99, 49}));
  EXPECT_EQ(frame[1].colour, 0xE9E9E9u);
  EXPECT_EQ(frame[2].rect, (PixelRect{2, 2, 98, 48}));
  EXPECT_EQ(frame[2].colour, 0xE9E9E9u);
}

TEST(MenuFrameHook, RecognisesMenuWindowsOnly) {
  EXPECT_TRUE(IsPopupMenuClassName(u"#32768"));
  const char16_t* others[] = {u"#32769", u"#327680", u"#3276", u"", u"Button", u"#32770"};
  for (const char16_t* name : others) EXPECT_FALSE(IsPopupMenuClassName(name)) << TextToAscii(name);
  EXPECT_FALSE(IsPopupMenuClassName(TextView(u"#32768\0", 7)));

  const struct {
    uintptr_t handle;
    size_t bucket;
  } rows[] = {{0, 0}, {15, 0}, {16, 1}, {16000, 0}, {16016, 1}, {0x10A2C, 258}};
  for (const auto& r : rows) EXPECT_EQ(MenuWindowMapBucket(r.handle), r.bucket) << r.handle;
  EXPECT_LT(MenuWindowMapBucket(std::numeric_limits<uintptr_t>::max()), kMenuWindowMapBuckets);
}

}  // namespace
