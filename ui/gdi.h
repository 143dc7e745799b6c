#pragma once

#include <windows.h>

#include <utility>

// Owns one GDI object and deletes it once.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        std::swap(handle, other.handle);
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (handle != nullptr) {
            DeleteObject(handle);
        }
    }
    Handle Get() const { return handle; }

private:
    Handle handle = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// Owns an icon from LoadImage (not a shared one) and destroys it once.
class Icon {
public:
    Icon() = default;
    explicit Icon(HICON handle) : handle(handle) {}
    Icon(Icon&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        std::swap(handle, other.handle);
        return *this;
    }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    ~Icon() {
        if (handle != nullptr) {
            DestroyIcon(handle);
        }
    }
    HICON Get() const { return handle; }

private:
    HICON handle = nullptr;
};

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
