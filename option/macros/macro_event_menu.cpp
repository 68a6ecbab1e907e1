#include "option/macros/macro_event_menu.h"

#include "platform/wide.h"
#include "settings/language_strings.h"

EventMenuPopup::~EventMenuPopup() {
  Destroy();
}

bool EventMenuPopup::Build(const std::vector<FunctionMenuItem>& items) {
  Destroy();
  font_ = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial");
  return BuildMenu(items) != nullptr;
}

OwnerMenu* EventMenuPopup::BuildMenu(const std::vector<FunctionMenuItem>& items) {
  // Submenus are made first, so that menus_ ends with the root.
  std::vector<OwnerMenu*> submenus(items.size(), nullptr);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind != FunctionMenuItem::Kind::kSubmenu) continue;
    submenus[i] = BuildMenu(items[i].items);
    if (submenus[i] == nullptr) return nullptr;
  }
  auto menu = std::make_unique<OwnerMenu>();
  if (!menu->Construct(font_)) return nullptr;
  for (size_t i = 0; i < items.size(); ++i) {
    const FunctionMenuItem& item = items[i];
    const Text text = item.textId != 0 ? LanguageString(item.textId) : item.text;
    if (item.kind == FunctionMenuItem::Kind::kSubmenu) {
      menu->Append(0, Wide(text), submenus[i]->handle());
    } else if (item.kind == FunctionMenuItem::Kind::kCommand) {
      menu->Append(static_cast<UINT>(item.id), Wide(text));
    }
  }
  menus_.push_back(std::move(menu));
  return menus_.back().get();
}

int EventMenuPopup::Track(HWND owner, int x, int y) {
  if (root() == nullptr) return 0;
  const BOOL chosen = TrackPopupMenu(root(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y,
                                     0, owner, nullptr);
  // Lets the menu's own loop see one more message so that it ends cleanly.
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<int>(chosen);
}

bool EventMenuPopup::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  for (const auto& menu : menus_) {
    if (menu->MeasureItem(measure)) return true;
  }
  return false;
}

bool EventMenuPopup::DrawItem(const DRAWITEMSTRUCT& draw) const {
  for (const auto& menu : menus_) {
    if (menu->DrawItem(draw)) return true;
  }
  return false;
}

void EventMenuPopup::Destroy() {
  for (auto& menu : menus_) menu->Destroy();
  menus_.clear();
  if (font_ != nullptr) {
    DeleteObject(font_);
    font_ = nullptr;
  }
}
