#pragma once
// How the main window opens the macro manager from its function menu: on a copy of the library
// its store holds, with the selected button's macro selected first. OK saves the edited library
// through the store (a failed save keeps the manager open) and copies every changed macro into the
// buttons of the edited image that play it; otherwise every edit is dropped by loading the library
// file again.

#include <windows.h>

#include "option/macros/macro_library_store.h"
#include "settings/settings_block.h"

class MacroManagerOpener {
 public:
  // What the main window lends for its lifetime: its window, its library store, its edited image
  // (which OK may change) and its selected button index.
  void Bind(HWND owner, MacroLibraryStore* store, SharedSettingsBlock* edited,
            const int* selectedButton) {
    owner_ = owner;
    store_ = store;
    edited_ = edited;
    selectedButton_ = selectedButton;
  }

  void Open();

 private:
  HWND owner_ = nullptr;
  MacroLibraryStore* store_ = nullptr;
  SharedSettingsBlock* edited_ = nullptr;
  const int* selectedButton_ = nullptr;
};
