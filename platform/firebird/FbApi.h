#pragma once
// Access to the Firebird client library's OO API for the rest of this
// folder: the master interface, a status object that throws, and the
// conversion of the library's exceptions into FbError.

#include "platform/firebird/FbError.h"

#include <firebird/Interface.h>

#include <utility>

namespace sono::fb::api {

Firebird::IMaster* master();
Firebird::IUtil* util();

// Formats a failed status into the text the client library would print.
QString formatStatus(const Firebird::IStatus* status);

int sqlCodeOf(const Firebird::IStatus* status);

// Runs a call on the OO API with a throwing status and turns the
// library's exception into FbError.
template <class F>
auto call(F&& f) {
  Firebird::IStatus* raw = master()->getStatus();
  Firebird::ThrowStatusWrapper status(raw);
  struct Disposer {
    Firebird::IStatus* s;
    ~Disposer() { s->dispose(); }
  } disposer{raw};
  try {
    return std::forward<F>(f)(&status);
  } catch (const Firebird::FbException& e) {
    throw FbError(formatStatus(e.getStatus()), sqlCodeOf(e.getStatus()));
  }
}

// Releases a reference-counted (or disposes a disposable) interface when
// it goes out of scope.
template <class T>
class Ref {
 public:
  Ref() = default;
  explicit Ref(T* p) : p_(p) {}
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Ref& operator=(Ref&& o) noexcept {
    reset(std::exchange(o.p_, nullptr));
    return *this;
  }
  ~Ref() { reset(); }
  void reset(T* p = nullptr) {
    if (p_) {
      if constexpr (requires { p_->release(); })
        p_->release();
      else
        p_->dispose();
    }
    p_ = p;
  }
  T* release() { return std::exchange(p_, nullptr); }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace sono::fb::api
