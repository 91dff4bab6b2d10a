#pragma once

#include <unknwn.h>

namespace vrx {

// Owns one reference to a COM interface and releases it on every way out,
// so that no return path keeps one past CoUninitialize.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer_) pointer_->Release();
    }

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    // Where a creating call stores the new interface.
    Interface** put() { return &pointer_; }
    void** putVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace vrx
