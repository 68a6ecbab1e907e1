#include "option/macro_library_store.h"

#include "option/macros/macro_library.h"
#include "option/macros/win32_macro_file_operations.h"
#include "settings/catalogue.h"
#include "settings/private_profile.h"

namespace {

class SequenceFileStore : public MacroLibraryStore {
 public:
  explicit SequenceFileStore(const Text& programFolder) : path_(MacroLibraryPath(programFolder)) {}

  void Load() override {
    library_.clear();
    LoadMacroLibrary(library_, path_, SystemPrivateProfile());
  }
  void MergeButtonMacrosAndSave(const SharedSettingsBlock& edited) override {
    MergeButtonMacros(library_, edited);
    Save();
  }
  void Save() override {
    Win32MacroFileOperations files;
    SaveMacroLibrary(library_, path_, SystemPrivateProfile(), files);
  }
  void Free() override { library_.clear(); }
  MacroSaveResult SaveEdited(const MacroLibrary& library) override {
    Win32MacroFileOperations files;
    const MacroSaveResult result = SaveMacroLibrary(library, path_, SystemPrivateProfile(), files);
    if (result == MacroSaveResult::kSaved) library_ = library;
    return result;
  }
  std::span<const MacroRecord> Macros() const override { return library_; }

 private:
  Text path_;
  MacroLibrary library_;
};

}  // namespace

std::unique_ptr<MacroLibraryStore> MakeMacroLibraryStore(const Text& programFolder) {
  return std::make_unique<SequenceFileStore>(programFolder);
}
