#pragma once
// What the dialog tests do with the configurator's small skinned dialogs: find the one a window
// owns, click its controls at their places from the installed skin description, and type.

#include <windows.h>

#include <filesystem>
#include <string>

// A control's rectangle in its dialog's client coordinates: "BUTTONPOS"/<key> of
// skins\<skinFile> in the installation folder.
RECT DialogControlRect(const std::filesystem::path& folder, const wchar_t* skinFile, int key);

// The visible top-level dialog (class #32770) that `owner` owns, or none.
HWND OwnedDialog(HWND owner);
// Waits for one to appear; none when it did not in time.
HWND WaitForOwnedDialog(HWND owner);
// Waits until the dialog is gone.
bool WaitUntilClosed(HWND dialog);

// A real click at the middle of a control of the dialog.
void ClickDialogControl(HWND dialog, const std::filesystem::path& folder, const wchar_t* skinFile,
                        int key);

// Types text into whatever has the keyboard focus, one injected character at a time.
void TypeText(const std::wstring& text);
// One injected press and release of a virtual key.
void PressKey(WORD virtualKey);

// The text of a window in this or another process.
std::wstring WindowText(HWND window);
