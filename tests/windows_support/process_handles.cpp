#include "tests/windows_support/process_handles.h"

#include <cstddef>
#include <vector>

// After windows.h (from the header), which it needs.
#include <tlhelp32.h>

namespace {

// One entry of SystemExtendedHandleInformation (64), laid out as the system fills it.
struct SystemHandleEntry {
  void* object;
  ULONG_PTR processId;
  ULONG_PTR handle;
  ULONG grantedAccess;
  USHORT creatorBackTraceIndex;
  USHORT objectTypeIndex;
  ULONG attributes;
  ULONG reserved;
};
struct SystemHandleList {
  ULONG_PTR count;
  ULONG_PTR reserved;
  SystemHandleEntry entries[1];
};
using QuerySystemInformationFunction = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);

}  // namespace

DWORD CountHandlesOf(DWORD processId) {
  DWORD count = 0;
  if (processId == GetCurrentProcessId() && GetProcessHandleCount(GetCurrentProcess(), &count) &&
      count != 0) {
    return count;
  }
  count = 0;
  const auto query = reinterpret_cast<QuerySystemInformationFunction>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  std::vector<ULONG_PTR> buffer(1 << 16);  // aligned for the entries' pointers
  for (;;) {
    const ULONG bytes = static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR));
    ULONG needed = 0;
    const LONG status = query(64, buffer.data(), bytes, &needed);
    if (status == 0) break;
    if (status != static_cast<LONG>(0xC0000004) || buffer.size() > (1u << 24)) return 0;
    buffer.resize(buffer.size() * 2);  // STATUS_INFO_LENGTH_MISMATCH: the list grew
  }
  const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
  const size_t capacity =
      (buffer.size() * sizeof(ULONG_PTR) - offsetof(SystemHandleList, entries)) /
      sizeof(SystemHandleEntry);
  const size_t entries = list->count < capacity ? list->count : capacity;
  for (size_t i = 0; i < entries; ++i) {
    if (list->entries[i].processId == processId) ++count;
  }
  return count;
}

int CountThreadsOf(DWORD processId) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == processId) ++count;
  }
  CloseHandle(snapshot);
  return count;
}
