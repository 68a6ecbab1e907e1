#pragma once
// The two file operations that keep a macro file whole while it is rewritten: the new content is
// written beside the file and then takes its place in one step, so an interrupted or failed write
// never leaves a half-written library behind.

#include "settings/text.h"

class MacroFileOperations {
 public:
  virtual ~MacroFileOperations() = default;
  // Puts `replacement` in the place of `target` in one step; `target` may be missing. On failure
  // `target` is unchanged.
  virtual bool Replace(const Text& replacement, const Text& target) = 0;
  // True when the file is gone afterwards (also when it never existed).
  virtual bool Delete(const Text& path) = 0;
};

// std::filesystem: rename replaces the target atomically on the hosts the tests run on.
class FilesystemMacroFileOperations : public MacroFileOperations {
 public:
  bool Replace(const Text& replacement, const Text& target) override;
  bool Delete(const Text& path) override;
};
