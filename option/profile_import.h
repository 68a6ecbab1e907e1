#pragma once
// Importing a profile file into a slot. The slot file is never removed before its replacement is
// complete: the chosen file is copied beside it first and the copy then takes its place, so a
// failed copy or replacement keeps the old slot file and the profile loaded from it.

#include <cstdint>

#include "settings/settings_block.h"
#include "settings/text.h"

// The file operations an import needs; the Win32 side implements them with the file API.
class ProfileFileOperations {
 public:
  enum class Attributes : uint8_t { kNormal, kArchiveHidden };

  virtual ~ProfileFileOperations() = default;
  virtual bool CanOpenForReading(const Text& path) = 0;
  // Copies over an existing file.
  virtual bool Copy(const Text& from, const Text& to) = 0;
  // Puts `replacement` in the place of `target` in one step; `target` may be missing.
  virtual bool Replace(const Text& replacement, const Text& target) = 0;
  virtual bool SetAttributes(const Text& path, Attributes attributes) = 0;
  virtual bool Delete(const Text& path) = 0;
};

// std::filesystem; the host file system has no hidden attribute, so setting attributes only
// reports whether the file exists.
class FilesystemProfileFileOperations : public ProfileFileOperations {
 public:
  bool CanOpenForReading(const Text& path) override;
  bool Copy(const Text& from, const Text& to) override;
  bool Replace(const Text& replacement, const Text& target) override;
  bool SetAttributes(const Text& path, Attributes attributes) override;
  bool Delete(const Text& path) override;
};

// True when the chosen path names the slot file: compared after trimming white space from the
// chosen path, without regard to case, with '/' and '\' alike. A miss is harmless (the file is
// then copied onto itself through the temporary file); a false match would skip an import, so
// nothing more is folded.
bool IsSlotFilePath(TextView chosenPath, TextView slotPath);

// The temporary file beside the slot file that receives the copy.
Text ImportTemporaryPath(const Text& slotPath);

enum class ImportFileResult : uint8_t {
  kUnreadable,     // the chosen file cannot be read: nothing changed
  kSameFile,       // the chosen file is the slot file: nothing copied, reload it
  kReplaced,       // the slot file now holds a copy of the chosen file
  kCopyFailed,     // the slot file is untouched, the temporary file removed
  kReplaceFailed,  // the slot file is untouched, the temporary file removed
};

// The file part of an import into the slot file.
ImportFileResult ImportProfileFile(ProfileFileOperations& files, const Text& chosenPath,
                                   const Text& slotPath);

// Whether the slot is then loaded from its file; otherwise the current profile stays as it is.
inline bool ShouldReloadSlot(ImportFileResult result) {
  return result == ImportFileResult::kSameFile || result == ImportFileResult::kReplaced;
}

// An imported profile marks buttons 0 to 5 of the current slot changed; no current slot, no marks.
void MarkImportedButtons(SharedSettingsBlock& edited);
