#pragma once
// Resource ids of the configurator (option.rc). Plain defines: the resource compiler reads them
// too.

// Program icon: window class, taskbar and the file itself (shared with the monitor).
#define IDI_PROGRAM 128

// Arrow drawn at the right end of a function-menu item that opens a submenu.
#define IDI_SUBMENU_ARROW 145

// 16 x 16 row pictures of the macro event list (black is transparent). The row kind stored in a
// row's data is its picture's id.
#define IDB_EVENT_DELAY 135
#define IDB_EVENT_KEY_RELEASED 137
#define IDB_EVENT_KEY_PRESSED 138
#define IDB_EVENT_MOUSE_BUTTON 146
