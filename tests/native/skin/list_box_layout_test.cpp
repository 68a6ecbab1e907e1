#include <gtest/gtest.h>

#include <limits>

#include "skin/list_box_layout.h"

namespace {

const PixelRect kRow{0, 36, 200, 54};

TEST(ListRow, IconFromLowWordIndentsTheText) {
  const struct {
    uint32_t data;
    bool space, picture;
    PixelRect text;
  } rows[] = {
      {0, false, false, {5, 36, 45, 54}},
      {1, true, false, {21, 36, 61, 54}},  // room for an icon, no picture
      {0x85, true, true, {21, 36, 61, 54}},
      {0x00010000, false, false, {5, 36, 45, 54}},  // the owner's high word changes nothing
      {0xFFFF0001, true, false, {21, 36, 61, 54}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ListRowHasIconSpace(r.data), r.space) << std::hex << r.data;
    EXPECT_EQ(ListRowHasIconPicture(r.data), r.picture) << std::hex << r.data;
    EXPECT_EQ(ListRowTextRect(kRow, r.data, 40), r.text) << std::hex << r.data;
  }
  const PixelOffset icon = ListRowIconOrigin(kRow);
  EXPECT_EQ(icon.x, 5);
  EXPECT_EQ(icon.y, 38);
}

TEST(WheelScrollForDelta, OneLinePerNotchAtLeastOne) {
  const struct {
    int32_t delta;
    ListScroll direction;
    int32_t lines;
  } rows[] = {
      {120, ListScroll::kLineUp, 1},
      {-120, ListScroll::kLineDown, 1},
      {0, ListScroll::kLineDown, 1},
      {240, ListScroll::kLineUp, 2},
      {-360, ListScroll::kLineDown, 3},
      {40, ListScroll::kLineUp, 1},
      {-40, ListScroll::kLineDown, 1},
      {239, ListScroll::kLineUp, 1},
      {std::numeric_limits<int32_t>::min(), ListScroll::kLineDown, 17895697},
  };
  for (const auto& r : rows) {
    const ListWheelScroll scroll = WheelScrollForDelta(r.delta);
    EXPECT_EQ(scroll.direction, r.direction) << r.delta;
    EXPECT_EQ(scroll.lines, r.lines) << r.delta;
  }
}

TEST(ListKeysAndPointer, ArrowsOnlyAndRowUnderPointer) {
  EXPECT_TRUE(ArrowsOnlyKeyPasses(38));
  EXPECT_TRUE(ArrowsOnlyKeyPasses(40));
  for (uint32_t key : {37u, 39u, 65u, 13u, 33u, 34u}) EXPECT_FALSE(ArrowsOnlyKeyPasses(key)) << key;

  EXPECT_EQ(ListRowFromItemFromPoint(3), 3);
  EXPECT_EQ(ListRowFromItemFromPoint(0xFFFF), 0xFFFF);
  EXPECT_EQ(ListRowFromItemFromPoint(0x00010003), -1);
}

TEST(ListEditRect, NewNameNarrowedNumberAfterTheIcon) {
  EXPECT_EQ(ListEditRect(ListEditKind::kNewName, kRow, 0), (PixelRect{1, 36, 198, 54}));
  EXPECT_EQ(ListEditRect(ListEditKind::kNumber, kRow, 0), kRow);
  EXPECT_EQ(ListEditRect(ListEditKind::kNumber, kRow, 0x85), (PixelRect{21, 36, 200, 54}));
}

TEST(CommitListEdit, EmptyTextRemovesTheRowSilently) {
  const struct {
    const char16_t* text;
    int32_t index, count;
    bool remove, insert, notify;
  } rows[] = {
      {u"Macro1", 2, 5, true, true, true},
      {u"", 2, 5, true, false, false},
      {u"x", 0, 1, true, true, true},
      {u"x", -1, 5, false, false, false},  // no row being edited
      {u"x", 5, 5, false, false, false},   // the row is gone
      {u"", 0, 0, false, false, false},
  };
  for (const auto& r : rows) {
    const ListEditCommit commit = CommitListEdit(r.text, r.index, r.count, 0x00020085);
    const std::string name = TextToAscii(r.text) + "@" + std::to_string(r.index);
    EXPECT_EQ(commit.remove_row, r.remove) << name;
    EXPECT_EQ(commit.insert_row, r.insert) << name;
    EXPECT_EQ(commit.notify_owner, r.notify) << name;
    if (r.remove) {
      EXPECT_EQ(commit.index, r.index) << name;
      EXPECT_EQ(commit.row_data, 0x00020085u) << name;
    }
  }
}

}  // namespace
