#pragma once
// Move-only owners for the Win32 handles the program holds. Each type
// counts its live handles process-wide: GetGuiResources answers 0 under
// Wine, so tests look for leaks through these counts instead.

#include <windows.h>

#include <atomic>
#include <utility>

namespace corvina::win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type value) noexcept : value_(value) { Adopted(); }
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, Traits::Empty())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            value_ = std::exchange(other.value_, Traits::Empty());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return !Traits::IsEmpty(value_); }

    // Hands the handle over to someone else who will close it.
    [[nodiscard]] Type Release() noexcept {
        if (*this) --live_;
        return std::exchange(value_, Traits::Empty());
    }

    void Reset(Type value = Traits::Empty()) noexcept {
        if (value == value_) return;
        if (*this) {
            Traits::Close(value_);
            --live_;
        }
        value_ = value;
        Adopted();
    }

    // Handles of this type owned right now, in the whole process.
    static long Live() noexcept { return live_.load(); }

private:
    void Adopted() noexcept {
        if (*this) ++live_;
    }

    Type value_ = Traits::Empty();
    static inline std::atomic<long> live_{0};
};

// Kernel objects answer failure with null or INVALID_HANDLE_VALUE
// depending on the call; both mean "nothing to close".
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type h) noexcept { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};

struct MapViewTraits {
    using Type = void*;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type view) noexcept { return view == nullptr; }
    static void Close(Type view) noexcept { UnmapViewOfFile(view); }
};

struct WindowTraits {
    using Type = HWND;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type window) noexcept { return window == nullptr; }
    static void Close(Type window) noexcept { DestroyWindow(window); }
};

template <typename Object>
struct GdiObjectTraits {
    using Type = Object;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type object) noexcept { return object == nullptr; }
    static void Close(Type object) noexcept { DeleteObject(object); }
};

struct OwnedDCTraits {
    using Type = HDC;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type dc) noexcept { return dc == nullptr; }
    static void Close(Type dc) noexcept { DeleteDC(dc); }
};

struct KeyTraits {
    using Type = HKEY;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type key) noexcept { return key == nullptr; }
    static void Close(Type key) noexcept { RegCloseKey(key); }
};

struct IconTraits {
    using Type = HICON;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type icon) noexcept { return icon == nullptr; }
    static void Close(Type icon) noexcept { DestroyIcon(icon); }
};

struct EnhMetaFileTraits {
    using Type = HENHMETAFILE;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type metafile) noexcept { return metafile == nullptr; }
    static void Close(Type metafile) noexcept { DeleteEnhMetaFile(metafile); }
};

using ScopedHandle = UniqueHandle<KernelHandleTraits>;
using ScopedMapView = UniqueHandle<MapViewTraits>;
// A window that must not outlive its owner object. A window that can be
// destroyed by someone else (WM_CLOSE reaching DefWindowProc) must have
// its owner Release() the handle on WM_NCDESTROY.
using OwnedWindow = UniqueHandle<WindowTraits>;
// GdiObject<HBITMAP>, GdiObject<HFONT>, ...; deselect before it dies.
template <typename Object>
using GdiObject = UniqueHandle<GdiObjectTraits<Object>>;
// A DC from CreateDC/CreateCompatibleDC.
using OwnedDC = UniqueHandle<OwnedDCTraits>;
// Only keys we opened; never a predefined root such as HKEY_CURRENT_USER.
using ScopedKey = UniqueHandle<KeyTraits>;
// Only icons we made (CreateIcon*, LoadImage without LR_SHARED).
using ScopedIcon = UniqueHandle<IconTraits>;
// An enhanced metafile, from SetEnhMetaFileBits, CloseEnhMetaFile and the like.
using ScopedEnhMetaFile = UniqueHandle<EnhMetaFileTraits>;

// A DC borrowed from a window with GetDC/GetWindowDC: given back with
// ReleaseDC, which needs the window as well.
class ReleasedDC {
public:
    ReleasedDC() noexcept = default;
    ReleasedDC(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {
        if (dc_) ++live_;
    }
    // The client-area DC of `window`; null gives the screen's.
    static ReleasedDC Of(HWND window) noexcept { return ReleasedDC(window, GetDC(window)); }
    ~ReleasedDC() { Reset(); }

    ReleasedDC(ReleasedDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    ReleasedDC& operator=(ReleasedDC&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ReleasedDC(const ReleasedDC&) = delete;
    ReleasedDC& operator=(const ReleasedDC&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

    void Reset() noexcept {
        if (dc_) {
            ReleaseDC(window_, dc_);
            --live_;
        }
        window_ = nullptr;
        dc_ = nullptr;
    }

    static long Live() noexcept { return live_.load(); }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    static inline std::atomic<long> live_{0};
};

}  // namespace corvina::win32
