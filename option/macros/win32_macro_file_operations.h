#pragma once
// The macro files' replace and delete with the Win32 file functions.

#include "option/macros/macro_file_operations.h"

class Win32MacroFileOperations : public MacroFileOperations {
 public:
  bool Replace(const Text& replacement, const Text& target) override;
  bool Delete(const Text& path) override;
};
