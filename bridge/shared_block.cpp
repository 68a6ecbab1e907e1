#include "bridge/shared_block.h"

#include <cstring>

#include "base/wide.h"
#include "bridge/block_access.h"
#include "bridge/identities.h"

namespace {

constexpr DWORD kBlockSize = sizeof(SharedSettingsBlock);
constexpr DWORD kLockTimeoutMs = 1000;

}  // namespace

SharedBlock::~SharedBlock() {
  CloseBlock();
  CloseLock();
}

SharedBlock::CreateResult SharedBlock::Create() {
  BlockAccess access;
  if (!access.Ready()) return CreateResult::MappingFailed;
  // The objects may outlive a monitor that ended abruptly while a configurator or a capture
  // dialog still held them: they are opened and used then, as long as the user owns them. One
  // made by anybody else could feed the monitor settings, so it is refused. The monitor's
  // instance mutex, not this one, keeps a second monitor out.
  mutex_ = CreateMutexW(access.Attributes(), FALSE, Wide(kSharedBlockMutex));
  if (mutex_ == nullptr) return CreateResult::MappingFailed;
  if (GetLastError() == ERROR_ALREADY_EXISTS && !access.OwnedByUser(mutex_)) {
    CloseLock();
    return CreateResult::NotOurs;
  }
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, access.Attributes(), PAGE_READWRITE, 0,
                                kBlockSize, Wide(kSharedBlockName));
  if (mapping_ == nullptr) return CreateResult::MappingFailed;
  if (GetLastError() == ERROR_ALREADY_EXISTS && !access.OwnedByUser(mapping_)) {
    CloseBlock();
    CloseLock();
    return CreateResult::NotOurs;
  }
  view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize);
  if (view_ == nullptr) {
    CloseBlock();
    return CreateResult::MappingFailed;
  }
  return CreateResult::Created;
}

bool SharedBlock::OpenLock() {
  mutex_ = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Wide(kSharedBlockMutex));
  return mutex_ != nullptr;
}

bool SharedBlock::OpenBlock() {
  mapping_ = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Wide(kSharedBlockName));
  if (mapping_ == nullptr) return false;
  view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize);
  if (view_ == nullptr) {
    MessageBoxW(nullptr, L"Could not map view of file.", nullptr, MB_OK);
    CloseBlock();
    return false;
  }
  return true;
}

bool SharedBlock::LockedCopy(void* to, const void* from) {
  if (view_ == nullptr || mutex_ == nullptr) return false;
  // Bounded: a program that holds the mutex and hangs must never stall the monitor's window
  // thread, and with it the mouse; that copy is skipped instead.
  const DWORD wait = WaitForSingleObject(mutex_, kLockTimeoutMs);
  if (wait == WAIT_TIMEOUT) {
    OutputDebugStringW(L"shared block: mutex wait timed out, copy skipped\n");
    return false;
  }
  // WAIT_ABANDONED: the last owner ended while holding the mutex; the wait made us the owner, so
  // the mutex must be released here too. The block itself is whole or will be rewritten by the
  // next publish; copying keeps the programs working instead of failing every copy from now on.
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
  std::memcpy(to, from, kBlockSize);
  ReleaseMutex(mutex_);
  return true;
}

bool SharedBlock::Write(const SharedSettingsBlock& image) {
  return LockedCopy(view_, &image);
}

bool SharedBlock::Read(SharedSettingsBlock& image) {
  return LockedCopy(&image, view_);
}

void SharedBlock::CloseBlock() {
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  view_ = nullptr;
  mapping_ = nullptr;
}

void SharedBlock::CloseLock() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
  mutex_ = nullptr;
}
