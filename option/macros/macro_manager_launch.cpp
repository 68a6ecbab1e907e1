#include "option/macros/macro_manager_launch.h"

#include <optional>

#include "option/macros/macro_manager_dialog.h"
#include "platform/module_folder.h"

void MacroManagerOpener::Open() {
  if (store_ == nullptr) return;
  std::optional<ButtonAssignment> button;
  if (edited_ != nullptr && selectedButton_ != nullptr) {
    const ProfileSettings* profile = CurrentProfileOrNull(*edited_);
    const int selected = *selectedButton_;
    if (profile != nullptr && selected >= 0 && selected < kButtonCount) {
      button = profile->MacroKeyInfo[selected];
    }
  }
  const std::span<const MacroRecord> current = store_->Macros();
  MacroLibrary library(current.begin(), current.end());
  if (RunMacroManager(owner_, library, button, ProgramFolder())) {
    store_->Replace(std::move(library));
    store_->Save();
  } else {
    store_->Load();
  }
}
