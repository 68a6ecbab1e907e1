#pragma once
// The named shared memory that carries the catalogue between the programs, and its mutex. Every
// exchange is one whole-block copy under the mutex; nobody works on the shared memory in place.

#include <windows.h>

#include "settings/settings_block.h"

class SharedBlock {
 public:
  SharedBlock() = default;
  ~SharedBlock();
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  // Monitor side: creates the mutex and the block for the user and SYSTEM only, or opens them when
  // they are left over from an earlier monitor that other processes still hold. NotOurs: an
  // object of either name exists and the user does not own it; nothing is kept open then.
  enum class CreateResult { Created, MappingFailed, NotOurs };
  [[nodiscard]] CreateResult Create();

  // Configurator side: the mutex once at start, then the block. OpenBlock returns false when the
  // monitor is not running, and shows "Could not map view of file." when the view fails.
  bool OpenLock();
  bool OpenBlock();

  // Locked whole-block copies. False, copying nothing, without a view or mutex or when the wait
  // fails or takes longer than a second. A wait that finds the mutex abandoned (its owner died)
  // owns it and copies.
  bool Write(const SharedSettingsBlock& image);
  bool Read(SharedSettingsBlock& image);

  bool HasView() const { return view_ != nullptr; }
  // The open objects, for checks of their security; null when not open.
  HANDLE MappingHandle() const { return mapping_; }
  HANDLE MutexHandle() const { return mutex_; }
  void CloseBlock();  // unmaps the view and closes the mapping
  void CloseLock();

 private:
  bool LockedCopy(void* to, const void* from);

  HANDLE mutex_ = nullptr;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};
