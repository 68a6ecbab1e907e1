#include "platform/win32_file_store.h"

#include <windows.h>

#include "base/wide.h"

namespace {

constexpr DWORD kLookAttributes =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

constexpr DWORD kRefusedAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;

bool Refused(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kRefusedAttributes) != 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The temporary file, written whole and flushed; false (and no file left) when any step fails.
bool WriteTemporary(const std::wstring& temporary, std::string_view bytes, DWORD attributes) {
  // A leftover of an interrupted write may be hidden, which would refuse CREATE_ALWAYS.
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file =
      CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  const bool closed = CloseHandle(file) != 0;
  // Set again once closed: not every file system takes the attributes given at creation.
  if (written && closed && SetFileAttributesW(temporary.c_str(), attributes)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace

FileReadResult Win32FileStore::Read(const Text& path, std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileReadResult::kMissing
                                                                          : FileReadResult::kFailed;
  }
  bool ok = GetFileType(file) == FILE_TYPE_DISK;
  char chunk[65536];
  while (ok) {
    DWORD read = 0;
    ok = ReadFile(file, chunk, sizeof chunk, &read, nullptr) != 0;
    if (!ok || read == 0) break;
    bytes.append(chunk, read);
  }
  CloseHandle(file);
  return ok ? FileReadResult::kRead : FileReadResult::kFailed;
}

bool Win32FileStore::WriteWhole(const Text& path, std::string_view bytes, WrittenFileLook look) {
  const std::wstring target(Wide(path));
  const std::wstring temporary(Wide(WholeWriteTemporaryPath(path)));
  const DWORD old = GetFileAttributesW(target.c_str());
  const bool existed = old != INVALID_FILE_ATTRIBUTES;
  if (Refused(old)) return false;
  DWORD attributes = existed ? old & kLookAttributes : 0;
  if (look == WrittenFileLook::kHidden) attributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN;
  if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
  // The temporary file is born with the look the result keeps, so the move is the only step that
  // changes what the target holds.
  if (!WriteTemporary(temporary, bytes, attributes)) return false;
  // A hidden or system target refuses to be replaced; its look comes back if the move fails.
  if (existed) SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (MoveFileExW(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
    return true;
  }
  if (existed) SetFileAttributesW(target.c_str(), old);
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(temporary.c_str());
  return false;
}

bool Win32FileStore::MayReplace(const Text& path) {
  return !Refused(GetFileAttributesW(Wide(path)));
}

FileStore& SystemFileStore() {
  static Win32FileStore store;
  return store;
}
