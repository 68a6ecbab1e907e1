#include "platform/win32_registry.h"

#include "base/wide.h"

namespace {

HKEY RootHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case RegistryRoot::LocalMachine:
      break;
  }
  return HKEY_LOCAL_MACHINE;
}

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  bool QueryText(const Text& name, char16_t* buffer, uint32_t bytes) override {
    DWORD type = 0;
    DWORD size = bytes;
    LONG status =
        RegQueryValueExW(key_, Wide(name), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    return status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
  }

  bool SetText(const Text& name, const Text& text) override {
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_, Wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenOrCreate(RegistryRoot root, const Text& subkey,
                                                         uint32_t access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootHandle(root), Wide(subkey), 0, access, &key) != ERROR_SUCCESS) {
    key = nullptr;
    if (RegCreateKeyExW(RootHandle(root), Wide(subkey), 0, nullptr, 0, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return nullptr;
    }
  }
  return std::make_unique<Win32RegistryKey>(key);
}

Registry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}
