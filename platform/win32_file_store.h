#pragma once
// The file store on the Win32 file functions: what both programs write their settings through.

#include "base/file_store.h"

class Win32FileStore : public FileStore {
 public:
  FileReadResult Read(const Text& path, std::string& bytes) override;
  bool WriteWhole(const Text& path, std::string_view bytes, WrittenFileLook look) override;
  bool MayReplace(const Text& path) override;
};
