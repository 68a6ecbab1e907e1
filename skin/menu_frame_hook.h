#pragma once
// The menu-frame hook: a window-creation (WH_CBT) hook on the user-interface thread that subclasses
// every popup menu window ("#32768") the thread creates, so that it gets a thin flat frame (a black
// outline inside two light-grey ones) instead of the system's three-dimensional border.
//
// A menu window is subclassed when it is created and restored when it is destroyed (a window shown
// again keeps its frame). Its previous window procedure is kept in the window property
// "CoolMenu_oldProc", which also tells that the window is subclassed already.

#include <windows.h>

#include <cstddef>

inline constexpr wchar_t kMenuOldProcProperty[] = L"CoolMenu_oldProc";

// Once per process, on the user-interface thread at program start. False when the hook could not
// be set or is installed already.
bool InstallMenuFrameHook();

// At program end: restores every menu window still subclassed, forgets them and removes the hook.
// Does nothing when the hook is not installed.
void RemoveMenuFrameHook();

bool MenuFrameHookInstalled();

// How many menu windows are subclassed right now.
size_t SubclassedMenuWindowCount();

// Paints the flat frame of a menu window whose window rectangle is width x height onto a device
// context whose origin is the window's top-left corner.
void PaintMenuFrame(HDC dc, int width, int height);
