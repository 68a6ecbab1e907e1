#include "base/host_file_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "base/file_paths.h"

namespace fs = std::filesystem;

namespace {

// write() until every byte is out; a short write on a full disk ends in an error.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// What WriteWhole refuses to replace: anything but a regular file, or one without write
// permission for its owner.
bool Refused(const fs::file_status& status) {
  if (!fs::exists(status)) return false;
  return !fs::is_regular_file(status) ||
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

FileReadResult HostFileStore::Read(const Text& path, std::string& bytes) {
  bytes.clear();
  const fs::path file = ToFilesystemPath(path);
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (!fs::exists(status)) return FileReadResult::kMissing;
  if (!fs::is_regular_file(status)) return FileReadResult::kFailed;
  std::ifstream in(file, std::ios::binary);
  if (!in) return FileReadResult::kFailed;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? FileReadResult::kFailed : FileReadResult::kRead;
}

bool HostFileStore::WriteWhole(const Text& path, std::string_view bytes, WrittenFileLook) {
  const fs::path target = ToFilesystemPath(path);
  const fs::path temporary = ToFilesystemPath(WholeWriteTemporaryPath(path));
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (Refused(status)) return false;
  const fs::perms perms = status.permissions();

  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    fs::remove(temporary, error);
    return false;
  }
  if (fs::exists(status)) fs::permissions(temporary, perms, error);
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

bool HostFileStore::MayReplace(const Text& path) {
  std::error_code error;
  return !Refused(fs::status(ToFilesystemPath(path), error));
}

FileStore& SystemFileStore() {
  static HostFileStore store;
  return store;
}
