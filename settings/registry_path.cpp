#include "settings/registry_path.h"

namespace {

struct RootName {
  const char16_t* name;
  RegistryRoot root;
};

constexpr RootName kRootNames[] = {
    {u"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
    {u"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {u"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
    {u"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
};

}  // namespace

std::optional<RegistryPath> ParseRegistryPath(TextView fullPath) {
  size_t slash = fullPath.find(u'\\');
  if (slash == TextView::npos) return std::nullopt;
  TextView first = fullPath.substr(0, slash);
  for (const RootName& r : kRootNames) {
    if (EqualsIgnoreCase(first, r.name))
      return RegistryPath{r.root, Text(fullPath.substr(slash + 1))};
  }
  return RegistryPath{RegistryRoot::LocalMachine, Text(fullPath)};
}

bool RegistryKeyObject::Open(TextView fullPath, uint32_t access) {
  Close();
  std::optional<RegistryPath> path = ParseRegistryPath(fullPath);
  if (!path) return false;
  key_ = registry_.OpenOrCreate(path->root, path->subkey, access);
  return key_ != nullptr;
}

bool RegistryKeyObject::ReadText(const Text& name, char16_t* buffer, uint32_t bytes) {
  if (buffer == nullptr || bytes < sizeof(char16_t)) return false;
  const uint32_t chars = bytes / sizeof(char16_t);
  bool ok = key_ != nullptr && key_->QueryText(name, buffer, chars * sizeof(char16_t));
  // A stored text need not carry its terminator, and a failed read leaves no defined text.
  if (!ok) buffer[0] = 0;
  buffer[chars - 1] = 0;
  return ok;
}

bool RegistryKeyObject::WriteText(const Text& name, const Text& text) {
  return key_ != nullptr && key_->SetText(name, text);
}
