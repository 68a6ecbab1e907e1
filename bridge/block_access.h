#pragma once
// Who may use the shared block's objects. The monitor acts on what the block holds (it injects
// input and starts programs), so only the user's own processes and the system may open the
// objects, and an object of that name that someone else made is never used.

#include <windows.h>

#include <vector>

class BlockAccess {
 public:
  // Reads the user of the process token and builds the descriptor.
  BlockAccess();
  ~BlockAccess();
  BlockAccess(const BlockAccess&) = delete;
  BlockAccess& operator=(const BlockAccess&) = delete;

  // False when the user or the descriptor could not be had; nothing may be created then.
  [[nodiscard]] bool Ready() const { return descriptor_ != nullptr; }

  // For creating the objects: owned by the user, full access for the user and SYSTEM and nobody
  // else, handles not inherited by child processes.
  SECURITY_ATTRIBUTES* Attributes() { return &attributes_; }

  // Whether the object is owned by the user; false when its owner cannot be read.
  [[nodiscard]] bool OwnedByUser(HANDLE object) const;

 private:
  std::vector<BYTE> user_;  // the token user's SID
  PSECURITY_DESCRIPTOR descriptor_ = nullptr;
  SECURITY_ATTRIBUTES attributes_{};
};
