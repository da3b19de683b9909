#pragma once
// An owning reference to a COM interface: released when the holder goes away.
#include <objbase.h>

namespace platform {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(other.pointer_) { other.pointer_ = nullptr; }
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = other.pointer_;
      other.pointer_ = nullptr;
    }
    return *this;
  }

  // Takes over a reference the caller already owns (no AddRef).
  static ComPtr Adopt(Interface* pointer) {
    ComPtr holder;
    holder.pointer_ = pointer;
    return holder;
  }

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For out-parameters of QueryInterface and CoCreateInstance: drops what is held first.
  void** PutVoid() {
    Reset();
    return reinterpret_cast<void**>(&pointer_);
  }

  // Asks the held object for another of its interfaces; out is empty on failure.
  template <typename Other>
  HRESULT QueryInto(REFIID iid, ComPtr<Other>& out) const {
    if (!pointer_) {
      out.Reset();
      return E_POINTER;
    }
    return pointer_->QueryInterface(iid, out.PutVoid());
  }

  // Releases the reference. The pointer is cleared before Release so that a release
  // which re-enters the owner finds the holder already empty.
  void Reset() {
    Interface* pointer = pointer_;
    pointer_ = nullptr;
    if (pointer) pointer->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace platform
