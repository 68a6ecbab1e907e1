#include "monitor/dispatch/launch_target.h"

#include <gtest/gtest.h>

namespace {

// Only a file named by a full path is started, in its own folder.
TEST(LaunchTargetOf, OnlyAbsolutePathsInTheirOwnFolder) {
  const struct {
    const char16_t* path;
    const char16_t* folder;  // null: refused
  } rows[] = {
      {u"C:\\Games\\game.exe", u"C:\\Games\\"},
      {u"d:/tools/run.cmd", u"d:/tools/"},
      {u"C:\\setup.exe", u"C:\\"},
      {u"\\\\server\\share\\game.exe", u"\\\\server\\share\\"},
      {u"game.exe", nullptr},
      {u"tools\\game.exe", nullptr},
      {u"..\\game.exe", nullptr},
      {u"\\game.exe", nullptr},  // the current drive's root
      {u"C:game.exe", nullptr},  // the current folder of drive C
      {u"C:\\Games\\", nullptr},
      {u"https://example.org/x", nullptr},
      {u"\\\\?\\C:\\game.exe", nullptr},
      {u"\\\\.\\pipe\\x", nullptr},
      {u"\\\\server\\share", nullptr},
      {u"\\\\server\\\\game.exe", nullptr},
      {u"", nullptr},
  };
  for (const auto& r : rows) {
    const std::optional<LaunchTarget> target = LaunchTargetOf(r.path);
    ASSERT_EQ(target.has_value(), r.folder != nullptr) << "row " << &r - rows;
    if (target) {
      EXPECT_EQ(target->path, r.path) << "row " << &r - rows;
      EXPECT_EQ(target->folder, r.folder) << "row " << &r - rows;
    }
  }
}

}  // namespace
