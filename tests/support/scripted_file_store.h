#pragma once
// The running program's file store with failures on request, for the callers' failure paths.

#include "base/file_store.h"

class ScriptedFileStore : public FileStore {
 public:
  FileReadResult Read(const Text& path, std::string& bytes) override {
    if (failReads) return FileReadResult::kFailed;
    return SystemFileStore().Read(path, bytes);
  }
  bool WriteWhole(const Text& path, std::string_view bytes, WrittenFileLook look) override {
    ++writes;
    return !refuseWrites && SystemFileStore().WriteWhole(path, bytes, look);
  }
  bool MayReplace(const Text& path) override { return SystemFileStore().MayReplace(path); }

  bool failReads = false;
  bool refuseWrites = false;
  int writes = 0;
};
