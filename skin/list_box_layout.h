#pragma once
// The skinned list's decisions: where a row's icon and text go, how the wheel and keys move it,
// and what committing an in-place edit does to the row.

#include <cstdint>

#include "base/text.h"
#include "skin/pixel_rect.h"

constexpr int32_t kListItemHeight = 18;
constexpr int32_t kListIconWidth = 16;
constexpr int32_t kListIconHeight = 16;
constexpr int32_t kListTextIndent = 5;

// Posted to the parent: an edit was committed with a non-empty text (wParam the row's index,
// lParam the list's control id), and the right button was pressed (wParam 0, lParam the id).
constexpr uint32_t kListEditCommittedMessage = 1524;  // WM_USER + 500
constexpr uint32_t kListRightClickMessage = 1724;     // WM_USER + 700

// Row data: the low 16 bits are the resource id of the row's icon (0: none and no room for one;
// 1: room for one but no picture); the high 16 bits belong to the owner.
uint16_t ListRowIconId(uint32_t row_data);
bool ListRowHasIconSpace(uint32_t row_data);
bool ListRowHasIconPicture(uint32_t row_data);

// Left edge of the row's text: after the indent, and after the icon when the row has one.
int32_t ListRowTextLeft(const PixelRect& row, uint32_t row_data);

// The rectangle that the selection highlight fills: the text's own extent on the row's height.
PixelRect ListRowTextRect(const PixelRect& row, uint32_t row_data, int32_t text_width);

struct PixelOffset {
  int32_t x;
  int32_t y;
};

// Where the icon is drawn: 5 pixels in, 2 pixels down.
PixelOffset ListRowIconOrigin(const PixelRect& row);

enum class ListScroll : uint8_t { kLineUp, kLineDown };

struct ListWheelScroll {
  ListScroll direction;
  int32_t lines;
};

// One line per notch of 120; a turn of less than a notch (fine-grained wheels) still moves one
// line, so that every wheel event is felt. A delta of 0 counts as downward.
ListWheelScroll WheelScrollForDelta(int32_t delta);

// With the arrows-only flag only Up and Down reach the list, on key down and key up alike.
bool ArrowsOnlyKeyPasses(uint32_t virtual_key);

// The row index under the pointer from LB_ITEMFROMPOINT's answer (high word non-zero: outside
// every row), or -1.
int32_t ListRowFromItemFromPoint(uint32_t answer);

enum class ListEditKind : uint8_t { kNewName, kNumber };

// The edit box's character limit.
int32_t ListEditLimit(ListEditKind kind);

// The edit box over a row: a new name's box is narrowed by 1 pixel on the left and 2 on the
// right; a number's box starts after the row's icon (the icon stays visible) and keeps the
// row's right edge.
PixelRect ListEditRect(ListEditKind kind, const PixelRect& row, uint32_t row_data);

// The edit text is read into a buffer of this many characters, terminator included.
constexpr int32_t kListEditTextCapacity = 4096;

struct ListEditCommit {
  bool remove_row = false;  // delete the edited row
  bool insert_row = false;  // insert the text at the same index with the same data
  int32_t index = -1;
  uint32_t row_data = 0;
  bool notify_owner = false;  // post kListEditCommittedMessage with the index
};

// The edit of row `index` (of `row_count` rows) ends with `text`. An empty text removes the row
// without telling the owner; an index that no longer names a row (the list changed under the
// edit) touches nothing.
ListEditCommit CommitListEdit(TextView text, int32_t index, int32_t row_count, uint32_t row_data);
