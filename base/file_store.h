#pragma once
// Whole files, as the settings need them: read at once, and written whole or not at all. Every
// settings file (profiles, config.ini, the macro library, exports and imports) is written through
// WriteWhole, so that a crash, a power cut or a full disk midway never leaves a mix of old and new
// content behind.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"

enum class FileReadResult : uint8_t {
  kRead,
  kMissing,  // no file of the name (or no folder): a first write starts from nothing
  kFailed,   // the file is there but cannot be read: writing it anew could lose what it holds
};

// What a whole write gives the file it puts in place.
enum class WrittenFileLook : uint8_t {
  kAsBefore,  // the attributes of the file it replaces (a new file gets none)
  kHidden,    // archive and hidden, as the profile slot files are kept
};

class FileStore {
 public:
  virtual ~FileStore() = default;

  // The whole file into `bytes` (emptied first).
  [[nodiscard]] virtual FileReadResult Read(const Text& path, std::string& bytes) = 0;

  // Writes the bytes to a temporary file beside `path` (its name plus ".new"), checking every
  // write, flushes it to the disk and then puts it in the place of `path` in one step. On failure
  // `path` is as it was and the temporary file is gone. A read-only target is refused.
  [[nodiscard]] virtual bool WriteWhole(const Text& path, std::string_view bytes,
                                        WrittenFileLook look) = 0;

  // False when WriteWhole would refuse `path` for what is there: a read-only file or a folder. A
  // missing file may be replaced (whether its folder takes a new file shows only when writing).
  [[nodiscard]] virtual bool MayReplace(const Text& path) = 0;
};

// The temporary file a whole write fills before it replaces `path`.
Text WholeWriteTemporaryPath(const Text& path);

// The file system of the running program: the Win32 file functions in the Windows build, the host
// file system elsewhere.
FileStore& SystemFileStore();
