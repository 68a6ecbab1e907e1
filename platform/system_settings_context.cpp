#include "platform/system_settings_context.h"

#include "platform/module_folder.h"
#include "platform/win32_registry.h"

SettingsContext SystemSettingsContext() {
  return SettingsContext{ProgramFolder(), SystemPrivateProfile(), SystemRegistry()};
}
