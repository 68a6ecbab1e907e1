#pragma once
// What the macro manager tests do as a user: open the manager from the function menu, click its
// controls at their places from the installed skin description, open its menus, answer its
// dialogs, type, and read back the library the configurator saved.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "option/macros/macro_library.h"
#include "tests/windows_option/option_process.h"

namespace macro_steps {

inline constexpr wchar_t kManagerTitle[] = L"Macro Manager";

// Keys of skin_macro_manager.ini, and the control ids of the lists.
inline constexpr int kOk = 1, kCancel = 2, kClose = 3, kNewMacro = 4, kDeleteMacro = 5;
inline constexpr int kRecord = 7, kRecordDelays = 8, kRepeatCount = 10, kImport = 12;
inline constexpr int kExport = 13;
inline constexpr int kMacroListId = 4096, kEventListId = 4097;

RECT ManagerControlRect(const std::filesystem::path& folder, int key);
POINT Middle(const RECT& r);
void ClickManagerControl(HWND manager, const std::filesystem::path& folder, int key);
// The control at a key's place, disabled ones included.
HWND ManagerControl(HWND manager, const std::filesystem::path& folder, int key);
// The manager's window while it is shown, or none.
HWND ManagerWindow();
// Rows of the list with that control id; -1 when the list did not answer.
int ListCount(HWND manager, int id);

// Opens the function menu for `row` and its macro submenu, and clicks submenu line `line`:
// 0 the macro manager, then a separator, then the library's macros.
bool ChooseMacroEntry(const OptionProcess& option, int row, int line);
HWND OpenMacroManager(const OptionProcess& option, int row);

// One injected key press or release, and keys typed one after the other ('\n' is Enter).
void Key(WORD virtualKey, bool release);
void Type(const std::string& keys);
// Makes a macro by typing its name into the new row's box and pressing Enter.
bool AddMacro(const OptionProcess& option, HWND manager, const std::string& name);
MacroLibrary StoredLibrary(const std::filesystem::path& folder);
MacroRecord StoredMacro(const char16_t* name, std::vector<MacroEvent> events);

void RightClickAt(POINT point);
// The middle of row `row` of a list of the manager, on the screen.
POINT ListRowPoint(HWND manager, int id, int row);
// Waits for a menu window that is not among `known`; none when none opened in time.
HWND WaitForNewMenu(const std::vector<HWND>& known);
// Clicks line `line` of an open menu whose items are all one text line high.
void ClickMenuLine(HWND menu, int line);
// The visible dialog box that `owner` owns, once it appears; none when it did not in time.
HWND WaitForOwnedDialog(HWND owner);
// Puts a full path into the open file dialog that `owner` owns and clicks its open or save
// button.
bool ChooseFileInDialog(HWND owner, const std::filesystem::path& file);
// A window's text, also in another process.
std::wstring TextOf(HWND window);

}  // namespace macro_steps
