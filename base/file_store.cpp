#include "base/file_store.h"

Text WholeWriteTemporaryPath(const Text& path) {
  return path + u".new";
}
