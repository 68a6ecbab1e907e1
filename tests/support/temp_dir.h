#pragma once
// A fresh folder per test, removed afterwards; paths come back as the settings code takes them.

#include <filesystem>
#include <string>

#include "base/text.h"

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as an installation folder: native separators and a trailing separator.
  Text folder() const;
  // A file inside the folder, as a settings path.
  Text file(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
// A settings file's text: UTF-16LE (after its byte-order mark) as UTF-8, anything else as it is.
std::string ReadFileText(const std::filesystem::path& path);
