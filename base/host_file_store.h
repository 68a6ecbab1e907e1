#pragma once
// The file store on the host's own file system, for the native builds and their tests. Hosts
// without hidden attributes keep the look of a file as it is.

#include "base/file_store.h"

class HostFileStore : public FileStore {
 public:
  FileReadResult Read(const Text& path, std::string& bytes) override;
  bool WriteWhole(const Text& path, std::string_view bytes, WrittenFileLook look) override;
  bool MayReplace(const Text& path) override;
};
