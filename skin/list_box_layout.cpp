#include "skin/list_box_layout.h"

#include <limits>

namespace {

int32_t AddClamped(int32_t value, int64_t by) {
  const int64_t moved = int64_t{value} + by;
  if (moved < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (moved > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(moved);
}

}  // namespace

uint16_t ListRowIconId(uint32_t row_data) {
  return static_cast<uint16_t>(row_data & 0xFFFF);
}

bool ListRowHasIconSpace(uint32_t row_data) {
  return ListRowIconId(row_data) != 0;
}

bool ListRowHasIconPicture(uint32_t row_data) {
  return ListRowIconId(row_data) > 1;
}

int32_t ListRowTextLeft(const PixelRect& row, uint32_t row_data) {
  const int32_t indent = kListTextIndent + (ListRowHasIconSpace(row_data) ? kListIconWidth : 0);
  return AddClamped(row.left, indent);
}

PixelRect ListRowTextRect(const PixelRect& row, uint32_t row_data, int32_t text_width) {
  const int32_t left = ListRowTextLeft(row, row_data);
  return PixelRect{left, row.top, AddClamped(left, text_width > 0 ? text_width : 0), row.bottom};
}

PixelOffset ListRowIconOrigin(const PixelRect& row) {
  return PixelOffset{AddClamped(row.left, kListTextIndent), AddClamped(row.top, 2)};
}

ListWheelScroll WheelScrollForDelta(int32_t delta) {
  constexpr int64_t kNotch = 120;
  const int64_t size = delta < 0 ? -int64_t{delta} : int64_t{delta};
  const int64_t notches = size / kNotch;
  return ListWheelScroll{delta > 0 ? ListScroll::kLineUp : ListScroll::kLineDown,
                         notches > 0 ? static_cast<int32_t>(notches) : 1};
}

bool ArrowsOnlyKeyPasses(uint32_t virtual_key) {
  return virtual_key == 38 /* VK_UP */ || virtual_key == 40 /* VK_DOWN */;
}

int32_t ListRowFromItemFromPoint(uint32_t answer) {
  if ((answer >> 16) != 0) return -1;
  return static_cast<int32_t>(answer & 0xFFFF);
}

int32_t ListEditLimit(ListEditKind kind) {
  return kind == ListEditKind::kNewName ? 15 : 20;
}

PixelRect ListEditRect(ListEditKind kind, const PixelRect& row, uint32_t row_data) {
  PixelRect rect = row;
  if (kind == ListEditKind::kNewName) {
    rect.left = AddClamped(row.left, 1);
    rect.right = AddClamped(row.right, -2);
  } else if (ListRowHasIconSpace(row_data)) {
    rect.left = AddClamped(row.left, kListIconWidth + kListTextIndent);
  }
  return rect;
}

ListEditCommit CommitListEdit(TextView text, int32_t index, int32_t row_count, uint32_t row_data) {
  ListEditCommit commit;
  if (index < 0 || index >= row_count) return commit;
  commit.index = index;
  commit.row_data = row_data;
  commit.remove_row = true;
  if (!text.empty()) {
    commit.insert_row = true;
    commit.notify_owner = true;
  }
  return commit;
}
