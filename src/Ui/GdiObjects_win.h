#pragma once

#include <windows.h>

#include <utility>

namespace vrx::ui {

// A GDI object this program made (a brush, a pen, a bitmap), deleted with
// its owner. Fonts have their own owner, UiFont.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

inline Brush solidBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }
inline Pen solidPen(COLORREF colour, int width = 1) { return Pen(CreatePen(PS_SOLID, width, colour)); }

// An object selected into a device context for the length of a scope; the
// one it replaced goes back in as the scope ends.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A device context in memory, compatible with another, deleted with its
// owner.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Paints a client area off the screen and copies it onto the screen in one
// go as the scope ends, so it never flickers. Paint into dc().
class PaintBuffer {
public:
    PaintBuffer(HDC target, const RECT& client)
        : target_(target),
          client_(client),
          memory_(target),
          bitmap_(CreateCompatibleBitmap(target, client.right > 0 ? client.right : 1,
                                         client.bottom > 0 ? client.bottom : 1)),
          selected_(memory_.get(), bitmap_.get()) {}
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;
    ~PaintBuffer() { BitBlt(target_, 0, 0, client_.right, client_.bottom, memory_.get(), 0, 0, SRCCOPY); }
    HDC dc() const { return memory_.get(); }

private:
    HDC target_;
    RECT client_;
    MemoryDc memory_;
    Bitmap bitmap_;
    Selected selected_;
};

}  // namespace vrx::ui
