#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

namespace wavora {

// Base of every reference-counted object: nodes, filters, messengers. The count starts at 0; the
// first TRef taken makes it 1 and the release that brings it back to 0 destroys the object.
class TRefCounted {
 public:
  TRefCounted() = default;
  TRefCounted(const TRefCounted&) = delete;
  TRefCounted& operator=(const TRefCounted&) = delete;
  virtual ~TRefCounted() = default;

  void AddRef() const { refCount_.fetch_add(1, std::memory_order_relaxed); }
  void Release() const {
    if (refCount_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
  }
  int32_t RefCount() const { return refCount_.load(std::memory_order_relaxed); }

 private:
  mutable std::atomic<int32_t> refCount_{0};
};

// Intrusive counted reference: holding one keeps the object alive.
template <class T>
class TRef {
 public:
  TRef() = default;
  TRef(std::nullptr_t) {}
  TRef(T* object) : object_(object) {
    if (object_) object_->AddRef();
  }
  TRef(const TRef& other) : TRef(other.object_) {}
  TRef(TRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <class U>
  requires std::is_convertible_v<U*, T*> TRef(const TRef<U>& other) : TRef(other.Get()) {}
  ~TRef() {
    if (object_) object_->Release();
  }

  TRef& operator=(TRef other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

  friend bool operator==(const TRef& a, const TRef& b) { return a.object_ == b.object_; }
  friend bool operator==(const TRef& a, std::nullptr_t) { return a.object_ == nullptr; }

 private:
  T* object_ = nullptr;
};

// A reference of type T to an object of another static type, or none when it is not a T.
template <class T, class U>
TRef<T> RefCast(const TRef<U>& ref) {
  return TRef<T>(dynamic_cast<T*>(ref.Get()));
}

}  // namespace wavora
