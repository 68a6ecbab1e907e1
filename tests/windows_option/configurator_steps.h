#pragma once
// What the configurator tests do again and again: lay out settings files, read them back, look at
// the main window's controls and choose from its function menu.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "base/text.h"
#include "settings/profile_settings.h"
#include "tests/windows_option/option_process.h"

// Keys of the main window's skin description.
inline constexpr int kFirstSlotKey = 5;
inline constexpr int kMinimiseKey = 10;
inline constexpr int kCloseIconKey = 11;
inline constexpr int kOkKey = 12;
inline constexpr int kCloseKey = 13;
inline constexpr int kApplyKey = 14;
inline constexpr int kFirstRowKey = 20;
inline constexpr int kEmblemKey = 51;
inline constexpr int kFunctionMenuKey = 52;
inline constexpr int kPointerSpeedKey = 57;
inline constexpr int kWheelSpeedKey = 58;

// Root menu entry 3 is the middle click (command 1003, function code 3).
inline constexpr int kMiddleClickEntry = 3;
inline constexpr uint8_t kMiddleClickCode = 3;

inline constexpr DWORD kWaitMs = 10000;

// The named slot's sixth button scrolls down instead of its default.
inline constexpr uint8_t kNamedSlotButton5Code = 10;

// The folder as the settings code takes it, with a trailing separator.
Text Folder(const std::filesystem::path& path);

// The five slot files and config.ini; `current` is stored as the current slot, and `namedSlot`
// gets `name` and kNamedSlotButton5Code on its sixth button.
void WriteCatalogue(const std::filesystem::path& folder, int current, int namedSlot,
                    const char16_t* name);
std::unique_ptr<ProfileSettings> ReadSlot(const std::filesystem::path& folder, int slot);
int32_t StoredCurrentProfile(const std::filesystem::path& folder);

// How much of a control's place on screen shows the given picture of the skin.
double ShowsPicture(const OptionProcess& option, int key, const char* picture);
// Waits until the slot buttons show `slot` checked and the others not.
bool ShowsCheckedSlot(const OptionProcess& option, int slot);

// The function menu's window while it is open, or none.
HWND OpenMenuWindow();
// Opens the function menu for row `button`, saves a picture of it when `screenshot` is given,
// and clicks root entry `entry`. False when the menu did not open or close.
bool ChooseFunction(const OptionProcess& option, int button, int entry,
                    const char* screenshot = nullptr);

// Opens the function menu for row `button` and its macro submenu; the submenu's window, or none.
HWND OpenMacroSubmenu(const OptionProcess& option, int button);
// The place of entry `index` of the macro submenu (0 the macro manager, then the separator, then
// the macros), in screen coordinates.
RECT MacroSubmenuEntry(HWND submenu, int index);
