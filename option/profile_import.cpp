#include "option/profile_import.h"

#include <filesystem>

#include "settings/file_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr int kImportedButtonMarks = 6;

char16_t FoldPathChar(char16_t c) {
  return c == u'/' ? u'\\' : FoldCase(c);
}

}  // namespace

bool FilesystemProfileFileOperations::CanOpenForReading(const Text& path) {
  return ::CanOpenForReading(path);
}

bool FilesystemProfileFileOperations::Copy(const Text& from, const Text& to) {
  std::error_code error;
  return fs::copy_file(ToFilesystemPath(from), ToFilesystemPath(to),
                       fs::copy_options::overwrite_existing, error) &&
         !error;
}

bool FilesystemProfileFileOperations::Replace(const Text& replacement, const Text& target) {
  std::error_code error;
  fs::rename(ToFilesystemPath(replacement), ToFilesystemPath(target), error);
  return !error;
}

bool FilesystemProfileFileOperations::SetAttributes(const Text& path, Attributes) {
  std::error_code error;
  return fs::is_regular_file(ToFilesystemPath(path), error);
}

bool FilesystemProfileFileOperations::Delete(const Text& path) {
  std::error_code error;
  return fs::remove(ToFilesystemPath(path), error) && !error;
}

bool IsSlotFilePath(TextView chosenPath, TextView slotPath) {
  const TextView chosen = TrimProfileSpace(chosenPath);
  if (chosen.size() != slotPath.size()) return false;
  for (size_t i = 0; i < chosen.size(); ++i) {
    if (FoldPathChar(chosen[i]) != FoldPathChar(slotPath[i])) return false;
  }
  return true;
}

Text ImportTemporaryPath(const Text& slotPath) {
  return slotPath + u".import";
}

ImportFileResult ImportProfileFile(ProfileFileOperations& files, const Text& chosenPath,
                                   const Text& slotPath) {
  if (!files.CanOpenForReading(chosenPath)) return ImportFileResult::kUnreadable;
  if (IsSlotFilePath(chosenPath, slotPath)) return ImportFileResult::kSameFile;

  const Text temporary = ImportTemporaryPath(slotPath);
  if (!files.Copy(chosenPath, temporary)) {
    files.Delete(temporary);  // a partial copy
    return ImportFileResult::kCopyFailed;
  }
  // A hidden target refuses to be overwritten on Windows; a missing one is fine.
  files.SetAttributes(slotPath, ProfileFileOperations::Attributes::kNormal);
  if (!files.Replace(temporary, slotPath)) {
    files.SetAttributes(slotPath, ProfileFileOperations::Attributes::kArchiveHidden);
    files.Delete(temporary);
    return ImportFileResult::kReplaceFailed;
  }
  files.SetAttributes(slotPath, ProfileFileOperations::Attributes::kArchiveHidden);
  return ImportFileResult::kReplaced;
}

void MarkImportedButtons(SharedSettingsBlock& edited) {
  if (!IsValidProfileIndex(edited.CurrentProfile)) return;
  for (int b = 0; b < kImportedButtonMarks; ++b) edited.ButtonChanged[edited.CurrentProfile][b] = 1;
}
