#include "skin/owner_menu_layout.h"

#include <limits>

MenuItemKind ClassifyMenuAppend(uint32_t id, bool has_submenu) {
  if (id == kMenuSeparatorAppendId) return MenuItemKind::kSeparator;
  if (has_submenu) return MenuItemKind::kPopup;
  return MenuItemKind::kCommand;
}

int32_t MenuItemHeight(uint32_t id) {
  if (id == 0) return 5;
  if (id == 1) return 0;
  return kMenuBaseItemHeight + 3;
}

bool DrawsAsMenuSeparator(uint32_t id) {
  return id == 0;
}

void MenuWidth::NoteAppendedText(size_t length) {
  if (fixed_) return;
  constexpr size_t kMaxLength = std::numeric_limits<int32_t>::max() / 8;
  const int32_t wanted = static_cast<int32_t>(length > kMaxLength ? kMaxLength : length) * 8;
  if (wanted > width_) width_ = wanted;
}

void MenuWidth::Set(int32_t pixels) {
  width_ = pixels;
  fixed_ = true;
}

MenuItemColours ChooseMenuItemColours(bool selected, int32_t check) {
  MenuItemColours colours = selected
                                ? MenuItemColours{kMenuSelectionColour, kMenuSelectedTextColour}
                                : MenuItemColours{kMenuBackgroundColour, kMenuTextColour};
  if (check == 1) colours.text = kMenuCheckedTextColour;
  return colours;
}

PixelRect MenuItemTextRect(const PixelRect& item) {
  PixelRect text = item;
  if (text.left <= std::numeric_limits<int32_t>::max() - 2) text.left += 2;
  return text;
}

int32_t MenuSeparatorLineY(const PixelRect& item) {
  return static_cast<int32_t>((int64_t{item.top} + item.bottom) / 2);
}

namespace {

int32_t Offset(int32_t value, int32_t by) {
  const int64_t moved = int64_t{value} + by;
  if (moved < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (moved > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(moved);
}

}  // namespace

PixelPoint MenuSubmenuArrowOrigin(const PixelRect& item) {
  return PixelPoint{Offset(item.right, -19), Offset(item.top, -9)};
}

std::array<FrameLine, 3> MenuFrameLines(int32_t width, int32_t height) {
  const PixelRect outer{0, 0, width, height};
  const PixelRect middle{1, 1, Offset(width, -1), Offset(height, -1)};
  const PixelRect inner{2, 2, Offset(width, -2), Offset(height, -2)};
  return {FrameLine{outer, 0x000000}, FrameLine{middle, kMenuBackgroundColour},
          FrameLine{inner, kMenuBackgroundColour}};
}

bool IsPopupMenuClassName(TextView class_name) {
  return class_name == u"#32768";
}

size_t MenuWindowMapBucket(uintptr_t window_handle) {
  return static_cast<size_t>((window_handle / 16) % kMenuWindowMapBuckets);
}
