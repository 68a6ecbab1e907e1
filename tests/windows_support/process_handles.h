#pragma once
// Counting a process's handles for leak checks, also where GetProcessHandleCount answers 0 (Wine
// 8).

#include <windows.h>

// GetProcessHandleCount for the current process when it counts anything, otherwise the process's
// entries in the system's handle list. Returns 0 when neither works.
DWORD CountHandlesOf(DWORD processId);

// The process's threads in a system snapshot; -1 when no snapshot can be taken.
int CountThreadsOf(DWORD processId);
