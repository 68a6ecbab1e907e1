#pragma once
// Notices from outside (a monitor that started, a block to reload) replace the configurator's
// edited image. A modal dialog of the main window (key capture, macro manager, properties, file
// choosers, confirmations) works on that image, and its message loop would deliver the notices
// in the middle of the edit; so while one is open they wait, and run when the last one closes.

#include <cstdint>
#include <functional>

enum class ImageNotice : uint8_t { kMonitorStarted, kReloadBlock };

class ModalNoticeGate {
 public:
  explicit ModalNoticeGate(std::function<void(ImageNotice)> handle) : handle_(std::move(handle)) {}

  // Handles the notice now, or keeps it until no modal scope is open. A kept monitor start
  // includes a reload (it re-reads the block too), so at most one notice runs afterwards.
  void Offer(ImageNotice notice);

  bool Open() const { return depth_ > 0; }

  // Open for its lifetime; the outermost scope runs what was kept as it ends.
  class Scope {
   public:
    explicit Scope(ModalNoticeGate& gate) : gate_(gate) { ++gate_.depth_; }
    ~Scope() { gate_.Leave(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ModalNoticeGate& gate_;
  };

 private:
  void Leave();

  std::function<void(ImageNotice)> handle_;
  int depth_ = 0;
  bool monitorStarted_ = false;
  bool reload_ = false;
};
