#pragma once
// The real registry behind the Registry interface.

#include "settings/registry.h"

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenOrCreate(RegistryRoot root, const Text& subkey,
                                            uint32_t access) override;
};

Registry& SystemRegistry();
