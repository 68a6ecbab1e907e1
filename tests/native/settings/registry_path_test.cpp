#include "settings/registry_path.h"

#include <gtest/gtest.h>

#include "tests/support/memory_registry.h"

namespace {

TEST(ParseRegistryPath, RootsAndSubkeys) {
  const struct {
    const char16_t* text;
    bool accepted;
    RegistryRoot root;
    const char16_t* subkey;
  } rows[] = {
      {u"HKEY_CURRENT_USER\\Control Panel\\Mouse", true, RegistryRoot::CurrentUser,
       u"Control Panel\\Mouse"},
      {u"hkey_local_machine\\Software\\X", true, RegistryRoot::LocalMachine, u"Software\\X"},
      {u"HKEY_CURRENT_CONFIG\\System", true, RegistryRoot::CurrentConfig, u"System"},
      {u"Hkey_Classes_Root\\.gmp", true, RegistryRoot::ClassesRoot, u".gmp"},
      {u"Software\\Vendor\\Tool", true, RegistryRoot::LocalMachine, u"Software\\Vendor\\Tool"},
      {u"HKCU\\Software", true, RegistryRoot::LocalMachine, u"HKCU\\Software"},
      {u"HKEY_CURRENT_USER\\", true, RegistryRoot::CurrentUser, u""},
      {u"HKEY_CURRENT_USER", false, RegistryRoot::LocalMachine, u""},
      {u"", false, RegistryRoot::LocalMachine, u""},
  };
  for (const auto& row : rows) {
    auto parsed = ParseRegistryPath(row.text);
    ASSERT_EQ(parsed.has_value(), row.accepted) << TextToAscii(row.text);
    if (!parsed) continue;
    EXPECT_EQ(parsed->root, row.root) << TextToAscii(row.text);
    EXPECT_EQ(parsed->subkey, row.subkey) << TextToAscii(row.text);
  }
}

TEST(RegistryKeyObject, OpensCreatesReadsAndWrites) {
  MemoryRegistry registry;
  registry.Set(RegistryRoot::CurrentUser, u"Control Panel\\Mouse", u"MouseSpeed", u"1");
  RegistryKeyObject key(registry);
  ASSERT_TRUE(key.Open(u"HKEY_CURRENT_USER\\Control Panel\\Mouse", kRegistryAllAccess));
  EXPECT_EQ(registry.lastAccess(), kRegistryAllAccess);

  char16_t buffer[130];
  ASSERT_TRUE(key.ReadText(u"MouseSpeed", buffer, sizeof buffer));
  EXPECT_EQ(Text(buffer), u"1");
  EXPECT_FALSE(key.ReadText(u"Missing", buffer, sizeof buffer));
  EXPECT_EQ(buffer[0], 0) << "a failed read leaves no earlier text behind";

  EXPECT_TRUE(key.WriteText(u"MouseThreshold1", u"0"));
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, u"Control Panel\\Mouse", u"MouseThreshold1"),
            Text(u"0"));
}

TEST(RegistryKeyObject, RefusedPathsAndClosedKeys) {
  MemoryRegistry registry;
  RegistryKeyObject key(registry);
  char16_t buffer[8] = {u'x'};
  EXPECT_FALSE(key.Open(u"NoBackslash", kRegistryAllAccess));
  EXPECT_FALSE(key.IsOpen());
  EXPECT_FALSE(key.ReadText(u"v", buffer, sizeof buffer));
  EXPECT_FALSE(key.WriteText(u"v", u"1"));

  registry.Refuse(RegistryRoot::CurrentUser, u"Locked");
  EXPECT_FALSE(key.Open(u"HKEY_CURRENT_USER\\Locked", kRegistryAllAccess));

  ASSERT_TRUE(key.Open(u"HKEY_CURRENT_USER\\Open", kRegistryRead));
  key.Close();
  EXPECT_FALSE(key.WriteText(u"v", u"1"));
}

TEST(RegistryKeyObject, ReadIsAlwaysTerminatedInsideTheBuffer) {
  MemoryRegistry registry;
  registry.Set(RegistryRoot::CurrentUser, u"K", u"long", Text(100, u'9'));
  RegistryKeyObject key(registry);
  ASSERT_TRUE(key.Open(u"HKEY_CURRENT_USER\\K", kRegistryAllAccess));
  char16_t buffer[10];
  for (auto& c : buffer) c = u'#';
  EXPECT_FALSE(key.ReadText(u"long", buffer, sizeof buffer));
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[9], 0);
}

}  // namespace
