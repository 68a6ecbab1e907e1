#pragma once
// The sole owner of one handle or pointer that is given back with Release (a kernel handle, a GDI
// object, a device context, a GDI+ object, a COM interface): given back exactly once, when the
// owner goes or is reset. Move-only; never throws.

#include <utility>

template <typename Handle, auto Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle over, for a call that takes ownership (SetWindowRgn).
  [[nodiscard]] Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr && handle_ != handle) Release(handle_);
    handle_ = handle;
  }
  // The place a creating call writes to; whatever was held before is given back first.
  Handle* receive() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = nullptr;
};
