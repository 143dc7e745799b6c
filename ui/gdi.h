#pragma once

#include <windows.h>

#include <utility>

// Owns one handle and frees it once, with `Free`.
template <typename Handle, typename Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle(handle) {}
    Owned(Owned&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        std::swap(handle, other.handle);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() {
        if (handle != nullptr) {
            Free{}(handle);
        }
    }
    Handle Get() const { return handle; }

private:
    Handle handle = nullptr;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// For icons from LoadImage, not shared ones.
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

struct DestroyCursorHandle {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};

using Font = Owned<HFONT, DeleteGdiObject>;
using Brush = Owned<HBRUSH, DeleteGdiObject>;
using Pen = Owned<HPEN, DeleteGdiObject>;
using Icon = Owned<HICON, DestroyIconHandle>;
using Cursor = Owned<HCURSOR, DestroyCursorHandle>;

// Selects an object into a DC for one scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), old(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc, old); }

private:
    HDC dc;
    HGDIOBJ old;
};

// BeginPaint and EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd(hwnd), dc(BeginPaint(hwnd, &ps)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd, &ps); }
    HDC Dc() const { return dc; }

private:
    PAINTSTRUCT ps{};
    HWND hwnd;
    HDC dc;
};

// GetDC and ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd(hwnd), dc(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(hwnd, dc); }
    HDC Dc() const { return dc; }

private:
    HWND hwnd;
    HDC dc;
};
