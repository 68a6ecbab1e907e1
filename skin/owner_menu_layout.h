#pragma once
// The owner-drawn popup menu's measurements and colours, and the tests its frame hook uses to
// recognise menu windows. Colours are COLORREF values (0x00BBGGRR).

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/text.h"
#include "skin/pixel_rect.h"

constexpr uint32_t kMenuBackgroundColour = 0xE9E9E9;
constexpr uint32_t kMenuSelectionColour = 0x000000;
constexpr uint32_t kMenuSeparatorColour = 0x999999;  // a mid grey line on the light grey
constexpr uint32_t kMenuTextColour = 0x000000;
constexpr uint32_t kMenuSelectedTextColour = 0xE9E9E9;
constexpr uint32_t kMenuCheckedTextColour = 0xFFBF44;  // light blue

constexpr int32_t kMenuBaseItemHeight = 14;

// The id that Append turns into a separator item.
constexpr uint32_t kMenuSeparatorAppendId = 2048;

enum class MenuItemKind : uint8_t { kSeparator, kPopup, kCommand };
MenuItemKind ClassifyMenuAppend(uint32_t id, bool has_submenu);

// Item 0 is a thin separator, item 1 a hidden placeholder that takes no room, the rest one line.
int32_t MenuItemHeight(uint32_t id);

// Items with id 0 are drawn as a separator line.
bool DrawsAsMenuSeparator(uint32_t id);

// The width every item is measured with: 8 pixels per character of the longest text appended,
// unless the owner has fixed it.
class MenuWidth {
 public:
  void NoteAppendedText(size_t length);
  void Set(int32_t pixels);
  int32_t Get() const { return width_; }

 private:
  int32_t width_ = 0;
  bool fixed_ = false;
};

struct MenuItemColours {
  uint32_t background;
  uint32_t text;
};

// A checked item (check value 1) keeps its checked text colour while highlighted.
MenuItemColours ChooseMenuItemColours(bool selected, int32_t check);

// The item's text rectangle: 2 pixels in from the left; drawn vertically centred on one line.
PixelRect MenuItemTextRect(const PixelRect& item);

// Row of the separator line: the vertical middle of the item.
int32_t MenuSeparatorLineY(const PixelRect& item);

struct PixelPoint {
  int32_t x;
  int32_t y;
};

// Where the submenu arrow icon (drawn at the system icon size) is placed for an item that opens
// a submenu: it overhangs the item and is cut to it by the clipping of the neighbouring items.
PixelPoint MenuSubmenuArrowOrigin(const PixelRect& item);

struct FrameLine {
  PixelRect rect;  // a 1-pixel outline along this rectangle
  uint32_t colour;
};

// The flat frame of a menu window whose window rectangle is `width` x `height`: a black outline
// and two light-grey outlines inside it.
std::array<FrameLine, 3> MenuFrameLines(int32_t width, int32_t height);

// A menu window's internal sizing message, sent while it is open: it must never wrap the window a
// second time.
constexpr uint32_t kMenuSizingMessage = 482;

// The class name is read into a buffer of this many characters, terminator included.
constexpr size_t kMenuClassNameBufferLength = 10;

// Whether a class name (as read into that buffer) is the system's popup menu class "#32768".
bool IsPopupMenuClassName(TextView class_name);

// The map from menu windows to their subclassing state: 1000 buckets keyed by handle / 16
// (handles are aligned, so their low bits carry nothing).
constexpr size_t kMenuWindowMapBuckets = 1000;
size_t MenuWindowMapBucket(uintptr_t window_handle);
