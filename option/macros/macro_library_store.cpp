#include "option/macros/macro_library_store.h"

#include "option/macros/macro_library.h"
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
  bool MergeButtonMacrosAndSave(const SharedSettingsBlock& edited) override {
    MergeButtonMacros(library_, edited);
    return Save();
  }
  bool Save() override { return SaveMacroLibrary(library_, path_) == MacroSaveResult::kSaved; }
  void Free() override { library_.clear(); }
  MacroSaveResult SaveEdited(const MacroLibrary& library) override {
    const MacroSaveResult result = SaveMacroLibrary(library, path_);
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
